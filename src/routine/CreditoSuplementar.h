#pragma once

#include "routine/Category.h"

#include <QList>
#include <optional>

// Supplementary and special credits opened in the month (entry kind 6): the
// opening of each credit and the fixing of its expenditure, per link pair, in
// the town hall's postings or in those of the other entities, then the transfer
// of reduced special allocations between the two credit accounts.
class CreditoSuplementar : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 6; }

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

private:
    // One credit movement of DESALD with its allocation and decree.
    struct Movement {
        Money dotac;
        Money valor;
        std::optional<int> ie;
        QString historico;
        QString especial;
    };

    QList<Movement> movements(const QString &sql);
    void postOtherEntity(const QString &g, const QString &c);
    void postPEntity(const QString &g, const QString &c);
    void postTransfer(const QString &g, const QString &c);
    void line(const QString &g, const QString &c, const QString &balco, const char *column, Money amount,
              const QString &prefix, const Movement &m);
    // Allocations with an initial appropriation, or not special, take the
    // ordinary account; special allocations opened in the year the special one.
    static QString byAllocation(const Movement &m, const char *ordinary, const char *special);
    // The allocation's link pair, as every movement statement selects it.
    QString pairCondition(const QString &g, const QString &c) const;
};
