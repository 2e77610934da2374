#pragma once

#include "data/RecordStore.h"

// The shared standard histories (`cdsconhis`): CONHIS ordered by HISTO. A new
// history shows code 0 while it is typed and gets the highest code plus one when
// it is written, whatever code it carried.
class HistoryStore : public RecordStore {
public:
    explicit HistoryStore(Database &db);

    // A new history: every column NULL, HISTO 0.
    Row newHistory();

protected:
    void beforeInsert(Row &row) override;
};
