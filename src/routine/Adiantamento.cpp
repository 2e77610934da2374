#include "routine/Adiantamento.h"

#include "data/Database.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"

QString Adiantamento::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM RECDIS UNION SELECT VINGRUPO,VINCODIGO FROM DESPES");
}

void Adiantamento::postPair(const QString &g, const QString &c)
{
    const QString pair = QStringLiteral("A.VINGRUPO='") + q(g) + QStringLiteral("' AND A.VINCODIGO='") + q(c)
                         + QStringLiteral("'");
    bool headed = false;
    const Money received = sum(QStringLiteral("select CAST(sum(b.varec) AS DOUBLE PRECISION) as varec from recdis a "
                                              "INNER join receit b on a.ficha=b.ficha where extract(month from b.dtlan)=")
                               + month() + QStringLiteral(" and ") + pair
                               + QStringLiteral(" AND (a.balco LIKE '3711%' or a.balco LIKE '3811%')"));
    if (!received.isZero()) {
        ctx.post.raiseBlock();
        ctx.post.header(entryKind(), 3);
        headed = true;
        postReceipts(g, c, QStringLiteral("3711"));
        postReceipts(g, c, QStringLiteral("3811"));
    }

    const QVariant count = ctx.db.scalar(
        QStringLiteral("select COUNT(A.PKEMP) AS QUANTOS from VIEWVAPAG A INNER JOIN DESDIS ON DESDIS.FICHA=A.FICHA "
                       "where extract(month from A.dtpag)=")
        + month() + QStringLiteral(" and (DESDIS.balco LIKE '3711%' OR DESDIS.balco LIKE '3811%') AND ") + pair
        + QStringLiteral(" "));
    if (count.toLongLong() <= 0)
        return;
    if (!headed) {
        ctx.post.raiseBlock();
        ctx.post.header(entryKind(), 3);
    }
    postPayments(g, c, QStringLiteral("3711"));
    postPayments(g, c, QStringLiteral("3811"));
}

void Adiantamento::postReceipts(const QString &g, const QString &c, const QString &group)
{
    const Money s = sum(QStringLiteral("select CAST(sum(b.varec) AS DOUBLE PRECISION) as varec from recdis a INNER join "
                                       "receit b on a.ficha=b.ficha where extract(month from b.dtlan)=")
                        + month() + QStringLiteral(" and a.balco LIKE '") + group + QStringLiteral("%'  AND A.VINGRUPO='")
                        + q(g) + QStringLiteral("' AND A.VINCODIGO='") + q(c) + QStringLiteral("' "));
    if (!s.isZero())
        line(g, c, group, "credi", s);
}

void Adiantamento::postPayments(const QString &g, const QString &c, const QString &group)
{
    QSqlQuery query = ctx.db.query(
        QStringLiteral("select a.balco,cast(sum(b.vapag) as double precision) as vapag from desdis a INNER join VIEWVAPAG "
                       "b on a.ficha=b.ficha and extract(month from b.dtpag)= ")
        + month() + QStringLiteral(" where B.VINGRUPO='") + q(g) + QStringLiteral("' AND B.VINCODIGO='") + q(c)
        + QStringLiteral("' AND a.balco LIKE '") + group + QStringLiteral("%' group by a.balco order by a.balco"));
    while (query.next()) {
        const Money paid = Money::fromVariant(query.value(1), 4);
        if (!paid.rounded(2).isZero())
            line(g, c, group, "debit", paid);
    }
}

// Advances are written on the group's account whatever the chart calls it.
void Adiantamento::line(const QString &g, const QString &c, const QString &group, const char *column, Money amount)
{
    ctx.post.direct(g, c, group + QStringLiteral("01"), QStringLiteral("Conta Adiantamento"), QLatin1String(column),
                    entryKind(), amount, QStringLiteral("Baixa da responsabilidade pela prestacao de contas."));
}
