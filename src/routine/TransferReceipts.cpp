#include "routine/TransferReceipts.h"

#include "data/Database.h"
#include "routine/ExtraBudgetAccounts.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"
#include "routine/RunState.h"

namespace {

const QString Passed = QStringLiteral("Repasse devido");

} // namespace

QString TransferReceipts::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM RECDIS ");
}

QString TransferReceipts::pairCondition(const QString &g, const QString &c) const
{
    return QStringLiteral("A.VINGRUPO='") + q(g) + QStringLiteral("' AND A.VINCODIGO='") + q(c) + QStringLiteral("'");
}

void TransferReceipts::postPair(const QString &g, const QString &c)
{
    const QString mon = month();
    const QString pre = prefix();
    const bool p = ctx.state.pEntity;
    const Money t = sum(QStringLiteral("select CAST(sum(B.varec) AS DOUBLE PRECISION) as varec from RECEIT B INNER JOIN "
                                       "RECDIS A ON A.FICHA=B.FICHA where extract(month from B.dtlan)=")
                        + mon + QStringLiteral(" and  A.EXTRA='S' AND A.BALCO LIKE '") + pre
                        + QStringLiteral("%' AND ") + pairCondition(g, c)
                        + QStringLiteral(" "));

    ctx.post.raiseBlock();
    if (!t.isZero()) {
        ctx.post.header(entryKind(), 1);
        history(g, c, QStringLiteral("153101"), 301, "debit", t);
        if (p)
            history({}, {}, QStringLiteral("153101"), 301, "credi", t);
    }
    const QStringList codes = list(
        QStringLiteral("select distinct CAST(substring(A.BALCO FROM 5 FOR 2) AS VARCHAR(2)) as codre from RECEIT B  "
                       "INNER JOIN RECDIS A ON A.FICHA=B.FICHA  where ")
        + pairCondition(g, c) + QStringLiteral(" AND extract(month from B.dtlan)=") + mon
        + QStringLiteral(" and   A.BALCO LIKE '") + pre + QStringLiteral("%' AND A.EXTRA='S' "));
    for (const QString &xy : codes) {
        const Money s = sum(QStringLiteral("select CAST(sum(B.varec) AS DOUBLE PRECISION) as varec from RECEIT B LEFT "
                                           "JOIN RECDIS A ON A.FICHA=B.FICHA where extract(month from B.dtlan)=")
                            + mon + QStringLiteral(" and  A.BALCO LIKE '") + pre + q(xy)
                            + QStringLiteral("%' AND A.EXTRA='S' AND A.VINGRUPO='") + q(g)
                            + QStringLiteral("' AND VINCODIGO='") + q(c) + QStringLiteral("' "));
        const QString account = budgetaryAccount(xy);
        history(g, c, account, 302, "credi", s);
        if (p)
            history({}, {}, account, 302, "debit", s);
    }

    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 2);
    history(g, c, QStringLiteral("251101"), 303, "debit", t);
    for (const QString &xy : codes) {
        const Money s = sum(QStringLiteral("select CAST(sum(B.varec) AS DOUBLE PRECISION) as varec from RECEIT B LEFT "
                                           "JOIN RECDIS A ON A.FICHA=B.FICHA where  ")
                            + pairCondition(g, c) + QStringLiteral(" AND extract(month from B.dtlan)=") + mon
                            + QStringLiteral(" and  A.BALCO LIKE '") + pre + q(xy) + QStringLiteral("%' AND A.EXTRA='S'  "));
        history(g, c, QStringLiteral("221301"), 302, "credi", s);
    }

    QList<Total> totals;
    {
        QSqlQuery query = ctx.db.query(
            QStringLiteral("select A.BALCO,CAST(sum(B.varec) AS DOUBLE PRECISION) as varec from RECEIT B INNER JOIN RECDIS "
                           "A ON A.FICHA=B.FICHA where extract(month from B.dtlan)=")
            + mon + QStringLiteral(" and  A.EXTRA='S' AND A.BALCO LIKE '") + pre + QStringLiteral("%' AND ")
            + pairCondition(g, c) + QStringLiteral(" GROUP BY A.BALCO "));
        while (query.next())
            totals.append({query.value(0).toString().trimmed(), Money::fromVariant(query.value(1), 4)});
    }

    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 3);
    for (const Total &row : totals) {
        postPatrimonial(g, c, row.balco, row.amount);
        if (p)
            postDebtToPassOn(row.balco, row.amount);
    }

    ctx.post.raiseBlock();
    if (!codes.isEmpty())
        ctx.post.header(entryKind(), 4);
    for (const QString &xy : codes) {
        const Money s = sum(QStringLiteral("select CAST(sum(B.varec) AS DOUBLE PRECISION) as varec from RECEIT B INNER "
                                           "JOIN RECDIS A ON A.FICHA=B.FICHA where extract(month from B.dtlan)=")
                            + mon + QStringLiteral(" and  A.BALCO LIKE '") + pre + q(xy)
                            + QStringLiteral("%' AND A.EXTRA='S'  AND ") + pairCondition(g, c)
                            + QStringLiteral(" "));
        history(g, c, QStringLiteral("411301"), 302, "debit", s);
    }
    for (const Total &row : totals)
        postEconomicClosing(g, c, row.balco, row.amount);
}

// The town hall owes what it received to the body it passes it on to.
void TransferReceipts::postDebtToPassOn(const QString &balco, Money v)
{
    const QString payable = ExtraBudgetAccounts::payment(balco).value_or(balco);
    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 2);
    text({}, {}, payable, "credi", v, Passed);
    text({}, {}, QStringLiteral("221301"), "debit", v, Passed);
    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 4);
    text({}, {}, QStringLiteral("411301"), "credi", v, Passed);
    text({}, {}, QStringLiteral("421301"), "debit", v, Passed);
}

void TransferReceipts::history(const QString &g, const QString &c, const QString &balco, int histo,
                               const char *column, Money amount)
{
    ctx.post.Salva_condia(g, c, balco, histo, QLatin1String(column), entryKind(), amount);
}

void TransferReceipts::text(const QString &g, const QString &c, const QString &balco, const char *column, Money amount,
                            const QString &text)
{
    ctx.post.salva_condia_HIST(g, c, balco, QLatin1String(column), entryKind(), amount, text);
}
