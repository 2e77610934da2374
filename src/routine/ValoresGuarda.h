#pragma once

#include "routine/Category.h"

// Values taken into custody in the month (entry kind 22): receipts on 3852
// allocations, credited per account against 375201.
class ValoresGuarda : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 22; }

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;
};
