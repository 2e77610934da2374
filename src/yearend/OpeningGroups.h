#pragma once

#include "data/Money.h"

#include <QString>

struct OpeningContext;

// The three groups of opening entries, dated 1 January. Each returns true when an
// error stopped it: the run shows "Erro" and goes on, and the lines the group
// appended before the error are written with the others.
//
// - patrimonial (kind 1): the previous year's patrimonial balances;
// - financeiro (kind 2): the opening cash and bank balances of DESCON, per link;
// - orcamentario (kind 3): the new year's revenue estimate and appropriations, per link.
class OpeningGroups {
public:
    static constexpr int PatrimonialKind = 1;
    static constexpr int FinancialKind = 2;
    static constexpr int BudgetKind = 3;
    static constexpr int FinancialBlock = 403;
    static constexpr int BudgetBlock = 405;
    static constexpr int FallbackBlock = 401;

    explicit OpeningGroups(OpeningContext &ctx);

    bool patrimonial();
    bool financeiro();
    bool orcamentario();
    // Without the previous year's database only the current accounts of DESCON
    // can be opened; the user is told to enter the rest by hand.
    void patrimonialFallback();

    // The budget revenue account of a revenue code; empty when no rule places it.
    static QString revenueAccount(const QString &codre);

    static constexpr const char *Caption = "Atenção";
    static QString noPreviousYearMessage();
    static QString currentAccountsOnlyMessage();
    static QString unlinkedRecordsMessage();

private:
    struct Link {
        QString vingrupo;
        QString vincodigo;
    };
    struct Balance {
        QString balco;
        Money saldo;
    };

    Link patrimonialLink();
    // The previous year's patrimonial accounts with a balance on `side`, copied
    // into the current chart when missing there.
    QList<Balance> previousBalances(const QString &side);
    void postAvailability(const Link &link, bool debit);
    void budgetLink(const Link &link);
    Money sum(const QString &sql);

    OpeningContext &ctx;
};
