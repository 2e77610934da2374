#include "routine/Pagamentos_orcamentarios.h"

#include "routine/MonthlyContext.h"
#include "routine/PairPosting.h"

QString Pagamentos_orcamentarios::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES");
}

Money Pagamentos_orcamentarios::paid(const LinkPair &p)
{
    return sum(QStringLiteral("select CAST(sum(b.vapag) AS DOUBLE PRECISION) AS vapag from VIEWVAPAG B INNER join DESDIS A on "
                              "a.ficha=b.ficha where B.VINGRUPO='") +
               q(p.vingrupo) + QStringLiteral("' AND B.VINCODIGO='") + q(p.vincodigo) +
               QStringLiteral("' AND a.EXTRA='N' and extract(month from b.dtpag)=") + month() + QStringLiteral("  "));
}

void Pagamentos_orcamentarios::postPair(const QString &vingrupo, const QString &vincodigo)
{
    PairPosting lines(ctx.post, entryKind(), {vingrupo, vincodigo});
    const Money amount = paid(lines.pair());
    if (amount.isZero())
        return;
    lines.openBlock(PairPosting::Financeiro);
    lines.debit(QStringLiteral("242101"), 216, amount);
    lines.credit(QStringLiteral("251101"), 217, amount);
    lines.openBlock(PairPosting::Patrimonial);
    lines.debit(QStringLiteral("325101"), 216, amount);
    lines.credit(QStringLiteral("311101"), 217, amount);
}
