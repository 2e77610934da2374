#pragma once

#include "routine/Category.h"

// Advances of the month (entry kind 24): receipts and payments on the 3711 and
// 3811 allocations, written straight on 371101 and 381101 under one
// patrimonial header per link pair.
class Adiantamento : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 24; }

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

private:
    void postReceipts(const QString &g, const QString &c, const QString &group);
    void postPayments(const QString &g, const QString &c, const QString &group);
    void line(const QString &g, const QString &c, const QString &group, const char *column, Money amount);
};
