#pragma once

#include "routine/Category.h"

// Guarantees returned in the month (entry kind 18): each payment on a 3821
// allocation is a debit of its own, titled with the supplier's name, and their
// total leaves 372101.
class Caucoes : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 18; }

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;
};
