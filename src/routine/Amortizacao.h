#pragma once

#include "routine/Category.h"

// Funded debt amortised in the month (entry kind 27): payments on 3421 and 3422
// allocations, debited per account, their total closed in the patrimonial and
// economic accounts under one patrimonial header.
class Amortizacao : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 27; }

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;
};
