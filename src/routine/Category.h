#pragma once

#include "data/Money.h"

#include <QString>
#include <QStringList>

struct MonthlyContext;

// The link ("vínculo") a category posts under: every line of the pair carries it.
struct LinkPair {
    QString vingrupo;
    QString vincodigo;
};

// The frame every category of the monthly run follows: clear the month's rows of
// its entry kind, list the link pairs of its tables, post each pair. A category
// is its queries and its posting rules; run() never throws: any error ends the
// category with false, and the rows appended so far stay for the next write.
class Category {
public:
    explicit Category(MonthlyContext &ctx) : ctx(ctx) {}
    virtual ~Category() = default;

    virtual int entryKind() const = 0;
    bool run();

protected:
    // "SELECT DISTINCT VINGRUPO,VINCODIGO FROM ..." of the category's tables.
    virtual QString linkPairsSql() const = 0;
    virtual void postPair(const QString &vingrupo, const QString &vincodigo) = 0;
    // Work of the category that does not go pair by pair; runs after the pairs.
    virtual void postAfterPairs() {}

    // Rows of the entry kind in the month, and those without date.
    virtual void clearMonth();
    // First column of the first row as money; an empty sum is zero.
    Money sum(const QString &sql);
    // First column of every row, without the padding of CHAR columns.
    QStringList list(const QString &sql);
    QString month() const;
    QString RD(const QString &alias) const;
    // A pair's values as they enter SQL text.
    static QString q(const QString &value);

    MonthlyContext &ctx;
};
