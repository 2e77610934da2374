#pragma once

#include "data/RecordStore.h"

// The shared chart of accounts (`cdsConpla`): CONPLA ordered by TIP, D_C, BALCO;
// a changed or deleted account is found by BALCO.
class ChartStore : public RecordStore {
public:
    explicit ChartStore(Database &db);
};
