#include "routine/Caucoes.h"

#include "data/Database.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"

#include <QList>

namespace {

const QString Returned = QStringLiteral("Titulos devolvidos conf comprv");

struct Payment {
    QString balco;
    QString supplier;
    Money amount;
};

} // namespace

QString Caucoes::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES");
}

void Caucoes::postPair(const QString &g, const QString &c)
{
    QList<Payment> payments;
    {
        QSqlQuery query = ctx.db.query(
            QStringLiteral("select b.balco,DESFOR.nome, a.vapag from VIEWVAPAG a INNER JOIN DESFOR ON DESFOR.CODIF=A.CODIF "
                           "INNER join desdis b on b.ficha=a.ficha and extract(month from a.dtpag)=")
            + month() + QStringLiteral("  where b.balco LIKE '3821%' AND A.VINGRUPO='") + q(g)
            + QStringLiteral("' AND A.VINCODIGO='") + q(c) + QStringLiteral("' order by b.balco"));
        while (query.next())
            payments.append({query.value(0).toString().trimmed(), query.value(1).toString().trimmed(),
                             Money::fromVariant(query.value(2), 4)});
    }
    if (payments.isEmpty())
        return;

    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 3);
    Money total;
    for (const Payment &p : payments) {
        ctx.post.direct(g, c, p.balco, p.supplier, QStringLiteral("debit"), entryKind(), p.amount, Returned);
        total += p.amount;
    }
    if (!total.isZero())
        ctx.post.salva_condia_HIST(g, c, QStringLiteral("372101"), QStringLiteral("credi"), entryKind(), total, Returned);
}
