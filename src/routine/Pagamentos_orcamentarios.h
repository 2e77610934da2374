#pragma once

#include "routine/Category.h"

// The month's payments of budget expenditure (entry kind 13), per link pair: one
// financial and one patrimonial pair of lines.
class Pagamentos_orcamentarios : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 13; }

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

    // Payments on budget allocations; posting rules only go through this.
    virtual Money paid(const LinkPair &pair);
};
