#pragma once

#include "routine/Category.h"

// The budget revenue collected in the month (entry kind 9), per link pair of the
// revenue allocations, in the four systems; the budgetary, financial and economic
// lines split by the first two characters of the revenue code.
class Receitas_realizadas : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 9; }

    // "141", "221" or "411" with a two-character prefix XY: system digits, X, "0",
    // Y. A prefix that is not two characters gives itself back, so that the
    // missing-account warning names it.
    static QString prefixAccount(const QString &system, const QString &prefix);

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

    // The month's figures; posting rules only go through these.
    virtual Money budgetTotal(const LinkPair &pair);
    virtual QStringList prefixes(const LinkPair &pair);
    // Receipts whose code starts with the prefix, budget and extra-budget alike.
    virtual Money prefixSum(const LinkPair &pair, const QString &prefix);
};
