#pragma once

#include "routine/Category.h"

#include <vector>

// Withdrawals from and deposits into the entity's bank accounts and cash in the
// month, from the cash orders (entry kind 12), per link pair of the bank accounts:
// a financial block by kind of bank account and a patrimonial block by account.
class CONTAS_CAIXA : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 12; }

    // One bank account's movement of the month, as the cash orders give it.
    struct Movement {
        QString conta;
        QString balco;
        Money amount;
    };

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

    // The month's figures, cash orders of 1 January left out; posting rules only go
    // through these.
    virtual std::vector<Movement> withdrawals(const LinkPair &pair);
    virtual std::vector<Movement> deposits(const LinkPair &pair);

private:
    std::vector<Movement> movements(const QString &sql);
};
