#pragma once

#include "routine/DespesaCategory.h"

// The annulments of the month's commitments (entry kind 8).
class Despesa_anulada : public DespesaCategory {
public:
    explicit Despesa_anulada(MonthlyContext &ctx) : DespesaCategory(ctx, Movement::Annulment) {}
};
