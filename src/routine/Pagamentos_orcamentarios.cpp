#include "routine/Pagamentos_orcamentarios.h"

#include "routine/MonthlyContext.h"
#include "routine/PairPosting.h"

QString Pagamentos_orcamentarios::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES");
}

// The budget allocation as EXISTS rather than a join: DESDIS.FICHA is its key, so
// the sum is the same, and Firebird then reads the view from the pair's
// commitments instead of scanning every payment for each pair.
Money Pagamentos_orcamentarios::paid(const LinkPair &p)
{
    return sum(QStringLiteral("select CAST(sum(b.vapag) AS DOUBLE PRECISION) AS vapag from VIEWVAPAG B where B.VINGRUPO='") +
               q(p.vingrupo) + QStringLiteral("' AND B.VINCODIGO='") + q(p.vincodigo) +
               QStringLiteral("' and extract(month from b.dtpag)=") + month() +
               QStringLiteral(" and exists (select 1 from DESDIS A where a.ficha=b.ficha and a.EXTRA='N')"));
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
