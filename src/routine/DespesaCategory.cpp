#include "routine/DespesaCategory.h"

#include "data/Interaction.h"
#include "routine/MonthlyContext.h"
#include "routine/PairPosting.h"

namespace {

bool isPositive(Money m)
{
    return m > Money();
}

} // namespace

DespesaCategory::DespesaCategory(MonthlyContext &ctx, Movement movement) : Category(ctx), m_movement(movement) {}

int DespesaCategory::entryKind() const
{
    return committed() ? 7 : 8;
}

QString DespesaCategory::sign() const
{
    return committed() ? QStringLiteral(">0") : QStringLiteral("<0");
}

QString DespesaCategory::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES  ");
}

// ---- The month's figures

Money DespesaCategory::budgetSum(const LinkPair &p, bool withAppropriation)
{
    return sum(QStringLiteral("select CAST(sum(DESPES.vadem) AS DOUBLE PRECISION) as vadem from DESPES INNER JOIN DESDIS ON "
                              "DESDIS.FICHA=DESPES.FICHA where DESPES.vadem") +
               sign() + QStringLiteral(" and DESPES.VINGRUPO='") + q(p.vingrupo) + QStringLiteral("' AND DESPES.VINCODIGO='") +
               q(p.vincodigo) + QStringLiteral("' ") + RD(QStringLiteral("DESPES")) +
               QStringLiteral(" AND DESDIS.EXTRA='N' AND DESDIS.DOTAC") + (withAppropriation ? QStringLiteral(">0") : QStringLiteral("=0")) +
               QStringLiteral(" AND extract(month from DESPES.datae)=") + month());
}

// The allocations that have a commitment of the pair in the month, as a join: the
// IN (subquery) form makes Firebird rebuild the subquery's index bitmap for every
// allocation. DESDIS.FICHA is its key, so DISTINCT gives the same codes.
QStringList DespesaCategory::functionCodes(const LinkPair &p)
{
    return list(QStringLiteral("select distinct a.funcao as cfpro from despes b inner join desdis a on a.ficha=b.ficha where "
                               "a.EXTRA='N' AND b.VINGRUPO='") +
                q(p.vingrupo) + QStringLiteral("' AND b.VINCODIGO='") + q(p.vincodigo) + QStringLiteral("' AND b.vadem") + sign() +
                QStringLiteral(" and extract(month from b.datae)=") + month());
}

Money DespesaCategory::functionSum(const LinkPair &p, const QString &function)
{
    return sum(QStringLiteral("select CAST(sum(b.vadem) AS DOUBLE PRECISION) as vadem from despes b INNER join desdis a on "
                              "a.ficha=b.ficha where a.funcao='") +
               q(function) + QStringLiteral("' and b.vadem") + sign() + RD(QStringLiteral("B")) +
               QStringLiteral(" AND B.VINGRUPO='") + q(p.vingrupo) + QStringLiteral("' AND B.VINCODIGO='") + q(p.vincodigo) +
               QStringLiteral("' and extract(month from b.datae)=") + month());
}

Money DespesaCategory::patrimonialSum(const LinkPair &p)
{
    return sum(QStringLiteral("select CAST(sum(b.vadem) AS DOUBLE PRECISION) as vadem from DESPES B INNER join DESDIS A on "
                              "a.ficha=b.ficha where A.EXTRA='N' AND b.vadem") +
               sign() + RD(QStringLiteral("B")) + QStringLiteral(" and extract(month from b.datae)=") + month() +
               QStringLiteral(" AND B.VINGRUPO='") + q(p.vingrupo) + QStringLiteral("' AND B.VINCODIGO='") + q(p.vincodigo) +
               QStringLiteral("' "));
}

QStringList DespesaCategory::classifications(const LinkPair &p)
{
    return list(QStringLiteral("select distinct substring(catec from 1 for 3) as catec from despes where vadem") + sign() +
                QStringLiteral(" and extract(month from datae)=") + month() + QStringLiteral(" and vingrupo='") + q(p.vingrupo) +
                QStringLiteral("' and vincodigo='") + q(p.vincodigo) + QStringLiteral("' and catec is not null"));
}

Money DespesaCategory::classificationSum(const LinkPair &p, const QString &classification)
{
    return sum(QStringLiteral("select CAST(sum(vadem) AS DOUBLE PRECISION) as vadem from despes where substring(catec from 1 "
                              "for 3)='") +
               q(classification) + QStringLiteral("' and vadem") + sign() + RD(QStringLiteral("DESPES")) +
               QStringLiteral(" and vingrupo='") + q(p.vingrupo) + QStringLiteral("' and vincodigo='") + q(p.vincodigo) +
               QStringLiteral("' and extract(month from datae)=") + month());
}

// ---- Posting rules

void DespesaCategory::forward(PairPosting &lines, const QString &balco, Money amount, int committedHisto, int annulledHisto)
{
    if (committed())
        lines.debit(balco, committedHisto, amount);
    else
        lines.credit(balco, annulledHisto, amount);
}

void DespesaCategory::backward(PairPosting &lines, const QString &balco, Money amount, int committedHisto, int annulledHisto)
{
    if (committed())
        lines.credit(balco, committedHisto, amount);
    else
        lines.debit(balco, annulledHisto, amount);
}

void DespesaCategory::postPair(const QString &vingrupo, const QString &vincodigo)
{
    PairPosting lines(ctx.post, entryKind(), {vingrupo, vincodigo});
    budgetary(lines);
    const Money financialTotal = financial(lines);
    patrimonial(lines, financialTotal);
    economic(lines, financialTotal);
}

// Allocations with an initial appropriation (131101) and without (131102) against
// the appropriation committed (163101). A commitment block without the first kind
// has no header: its lines fall under the block before.
void DespesaCategory::budgetary(PairPosting &lines)
{
    const Money withAppropriation = positive(budgetSum(lines.pair(), true));
    if (!committed() || isPositive(withAppropriation))
        lines.openBlock(PairPosting::Orcamentario);
    const Money withoutAppropriation = positive(budgetSum(lines.pair(), false));
    const Money total = withAppropriation + withoutAppropriation;
    if (!committed() && isPositive(total))
        lines.debit(QStringLiteral("163101"), 204, total);
    if (isPositive(withAppropriation))
        forward(lines, QStringLiteral("131101"), withAppropriation, 201, 206);
    if (isPositive(withoutAppropriation))
        forward(lines, QStringLiteral("131102"), withoutAppropriation, 201, 206);
    if (committed() && isPositive(total))
        lines.credit(QStringLiteral("163101"), 201, total);
}

Money DespesaCategory::financial(PairPosting &lines)
{
    const QStringList functions = functionCodes(lines.pair());
    if (!committed() || !functions.isEmpty())
        lines.openBlock(PairPosting::Financeiro);
    Money total;
    for (const QString &function : functions) {
        const Money s = positive(functionSum(lines.pair(), function));
        if (!isPositive(s))
            continue;
        forward(lines, QStringLiteral("2111") + function, s, 201, 206);
        total += s;
    }
    if (isPositive(total))
        backward(lines, QStringLiteral("242101"), total, 202, 205);
    return total;
}

void DespesaCategory::patrimonial(PairPosting &lines, Money financialTotal)
{
    const Money amount = !committed() || isPositive(financialTotal) ? positive(patrimonialSum(lines.pair())) : Money();
    lines.openBlock(PairPosting::Patrimonial);
    if (amount.isZero())
        return;
    forward(lines, QStringLiteral("391101"), amount, 203, 209);
    backward(lines, QStringLiteral("325101"), amount, 202, 205);
}

// The zero total line stays for the cleanup to remove, as every other zero line.
void DespesaCategory::economic(PairPosting &lines, Money financialTotal)
{
    const QStringList list = classifications(lines.pair());
    lines.openBlock(PairPosting::Economico);
    if (committed())
        lines.debit(QStringLiteral("491101"), 203, financialTotal);
    Money total;
    for (const QString &classification : list) {
        const Money s = positive(classificationSum(lines.pair(), classification));
        if (!isPositive(s))
            continue;
        backward(lines, accountWarned(classification), s, 201, 201);
        total += s;
    }
    if (!committed())
        lines.credit(QStringLiteral("491101"), 209, total);
}

QString DespesaCategory::accountWarned(const QString &classification)
{
    const QString warning = classificationWarning(classification);
    if (!warning.isEmpty())
        ctx.ui.message(warning, QStringLiteral("Atenção"), Interaction::Icon::Warning);
    return classificationAccount(classification);
}

QString DespesaCategory::classificationAccount(const QString &k)
{
    if (k.size() < 3 || (k[0] != u'3' && k[0] != u'4'))
        return k;
    return (k[0] == u'3' ? QStringLiteral("42110") : QStringLiteral("42120")) + k[2];
}

QString DespesaCategory::classificationWarning(const QString &k)
{
    if (k.size() < 3 || (k[0] != u'3' && k[0] != u'4'))
        return {};
    const bool fits = k[0] == u'3' ? k[2] < u'4' : k[2] >= u'4';
    if (fits)
        return {};
    return QStringLiteral("A classificação ") + k + QStringLiteral(" esta incorreta! Não pode existir a composição da categoria ") +
           k[0] + QStringLiteral(" com o grupo de despesa ") + k[2] +
           QStringLiteral(". Favor corrigir a classificação das fichas da despesa!");
}
