#include "routine/RestosPagar.h"

#include "data/Database.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"
#include "routine/RunState.h"

QString RestosPagar::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES");
}

void RestosPagar::postPair(const QString &g, const QString &c)
{
    const QString previousYear = QString::number(ctx.state.fiscalYear.toInt() - 1);
    const QString text = QStringLiteral("Cancelamento de Empenhos de Restos a pagar de ") + previousYear;
    QSqlQuery query = ctx.db.query(
        QStringLiteral("select A.BALCO,CAST(sum(B.vadem) AS DOUBLE PRECISION) as vadem from DESPES B INNER JOIN DESDIS A "
                       "ON B.FICHA=A.FICHA where Extract(month from B.datae)=")
        + month() + RD(QStringLiteral("B")) + QStringLiteral(" and  A.balco LIKE '32110%' and B.vadem<0  AND B.VINGRUPO='")
        + q(g) + QStringLiteral("' AND B.VINCODIGO='") + q(c) + QStringLiteral("' GROUP BY A.BALCO ORDER BY A.BALCO "));

    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 3);
    Money total;
    while (query.next()) {
        const Money vadem = Money::fromVariant(query.value(1), 4);
        if (vadem >= Money())
            continue;
        const Money v = -vadem;
        total += v;
        const QString balco = query.value(0).toString().trimmed();
        ctx.post.salva_condia_HIST(g, c, QStringLiteral("321") + balco.mid(3, 3), QStringLiteral("debit"), entryKind(), v,
                                   text);
        ctx.post.salva_condia_HIST(g, c, QStringLiteral("391101"), QStringLiteral("credi"), entryKind(), v, text);
    }
    if (total.isZero())
        return;
    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 4);
    ctx.post.salva_condia_HIST(g, c, QStringLiteral("431104"), QStringLiteral("debit"), entryKind(), total,
                               QStringLiteral("Cancelamento de Empenhos do Exercício findo de ") + previousYear);
    ctx.post.salva_condia_HIST(g, c, QStringLiteral("491101"), QStringLiteral("credi"), entryKind(), total,
                               QStringLiteral("Cancelamento de Restos a pagar de ") + previousYear);
}
