#include "routine/Amortizacao.h"

#include "data/Database.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"

QString Amortizacao::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES");
}

void Amortizacao::postPair(const QString &g, const QString &c)
{
    const QString text = QStringLiteral("Pagamento de Dívida Fundada");
    const bool paid = ctx.db.query(QStringLiteral("select viewvapag.pkemp from viewvapag INNER JOIN DESDIS ON "
                                                  "DESDIS.FICHA=VIEWVAPAG.FICHA where extract(month from viewvapag.dtpag)= ")
                                   + month()
                                   + QStringLiteral(" and  (DESDIS.balco like '3421%' or DESDIS.balco like '3422%')  AND "
                                                    "VIEWVAPAG.VINGRUPO='")
                                   + q(g) + QStringLiteral("' AND VIEWVAPAG.VINCODIGO='") + q(c) + QStringLiteral("'"))
                          .next();
    if (!paid)
        return;

    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 3);
    QSqlQuery query = ctx.db.query(
        QStringLiteral("select a.balco,cast(sum(b.vapag) as double precision) as vapag from desdis a INNER join viewvapag b "
                       "on a.ficha=b.ficha and extract(month from b.dtpag)=")
        + month() + QStringLiteral(" where B.VINGRUPO='") + q(g) + QStringLiteral("' AND B.VINCODIGO='") + q(c)
        + QStringLiteral("' AND (a.balco like '3421%' or a.balco like '3422%') group by a.balco ORDER BY 1"));
    Money total;
    while (query.next()) {
        const Money v = Money::fromVariant(query.value(1), 4);
        ctx.post.salva_condia_HIST(g, c, query.value(0).toString().trimmed(), QStringLiteral("debit"), entryKind(), v,
                                   text);
        total += v;
    }
    if (total > Money()) {
        ctx.post.salva_condia_HIST(g, c, QStringLiteral("391101"), QStringLiteral("credi"), entryKind(), total, text);
        ctx.post.salva_condia_HIST(g, c, QStringLiteral("412106"), QStringLiteral("debit"), entryKind(), total, text);
        ctx.post.salva_condia_HIST(g, c, QStringLiteral("491101"), QStringLiteral("credi"), entryKind(), total, text);
    }
}
