#pragma once

#include "routine/Category.h"

#include <QList>

// Extra-budget receipts that the entity holds to pass on, on the allocation
// accounts of one prefix: per link pair a budgetary, a financial, a patrimonial
// and an economic block, split by the detail (characters 5 and 6) of the
// allocation account. The town hall also books the debt to pass them on, without
// link. `Patronal` and `TransferenciaFinanceira` differ only in the prefix and
// in the accounts of a few lines.
class TransferReceipts : public Category {
public:
    using Category::Category;

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

    // "3236" or "3237".
    virtual QString prefix() const = 0;
    // Budgetary account credited with the receipts of one detail code.
    virtual QString budgetaryAccount(const QString &code) const = 0;
    // Patrimonial lines of one allocation account's total.
    virtual void postPatrimonial(const QString &g, const QString &c, const QString &balco, Money v) = 0;
    // Economic lines that close one allocation account's total.
    virtual void postEconomicClosing(const QString &g, const QString &c, const QString &balco, Money v) = 0;

    void history(const QString &g, const QString &c, const QString &balco, int histo, const char *column, Money amount);
    void text(const QString &g, const QString &c, const QString &balco, const char *column, Money amount,
              const QString &text);

private:
    struct Total {
        QString balco;
        Money amount;
    };

    void postDebtToPassOn(const QString &balco, Money v);
    // "A.VINGRUPO='g' AND A.VINCODIGO='c'", as most statements select the pair.
    QString pairCondition(const QString &g, const QString &c) const;
};
