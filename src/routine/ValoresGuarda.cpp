#include "routine/ValoresGuarda.h"

#include "data/Database.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"

#include <QList>
#include <QPair>

QString ValoresGuarda::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM RECDIS");
}

void ValoresGuarda::postPair(const QString &g, const QString &c)
{
    QList<QPair<QString, Money>> rows;
    {
        QSqlQuery query = ctx.db.query(
            QStringLiteral("select a.balco,CAST(sum(b.varec) AS DOUBLE PRECISION) as varec from recdis a INNER join "
                           "receit b on a.ficha=b.ficha where extract(month from b.dtlan)=")
            + month() + QStringLiteral(" and a.balco LIKE '3852%' AND A.VINGRUPO='") + q(g)
            + QStringLiteral("' AND A.VINCODIGO='") + q(c) + QStringLiteral("' group by a.balco order by a.balco"));
        while (query.next())
            rows.append({query.value(0).toString().trimmed(), Money::fromVariant(query.value(1), 4)});
    }
    if (rows.isEmpty())
        return;

    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 3);
    Money total;
    for (const auto &[balco, amount] : rows) {
        ctx.post.salva_condia_HIST(g, c, balco, QStringLiteral("credi"), entryKind(), amount,
                                   QStringLiteral("Valores em guarda na tesouraria conforme comprovantes."));
        total += amount;
    }
    // Refunds above the month's deposits leave nothing in custody to book.
    if (total > Money())
        ctx.post.salva_condia_HIST(g, c, QStringLiteral("375201"), QStringLiteral("debit"), entryKind(), total,
                                   QStringLiteral("Valores sob guarda conforme processos de carga"));
}
