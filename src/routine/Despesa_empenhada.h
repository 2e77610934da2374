#pragma once

#include "routine/DespesaCategory.h"

// The commitments of the month (entry kind 7).
class Despesa_empenhada : public DespesaCategory {
public:
    explicit Despesa_empenhada(MonthlyContext &ctx) : DespesaCategory(ctx, Movement::Commitment) {}
};
