#include "routine/CONTAS_CAIXA.h"

#include "data/Database.h"
#include "routine/MonthlyContext.h"
#include "routine/PairPosting.h"

#include <array>
#include <map>

namespace {

const QString withdrawn = QStringLiteral("Retiradas bancarias conforme contas correntes");
const QString deposited = QStringLiteral("Depositos bancarios conforme contas correntes");
const QString cash = QStringLiteral("3111");

// Kinds of bank account (first four characters of the chart account) with their
// own financial account, in the order their lines are written. Cash (3111) nets
// into 251101.
struct Kind {
    const char16_t *kind;
    const char16_t *account;
};
constexpr std::array<Kind, 5> kinds{{{u"3112", u"251102"},
                                     {u"3113", u"251103"},
                                     {u"3114", u"251104"},
                                     {u"3121", u"251105"},
                                     {u"3115", u"251106"}}};

bool counted(const QString &kind)
{
    if (kind == cash)
        return true;
    for (const Kind &k : kinds) {
        if (kind == QStringView(k.kind))
            return true;
    }
    return false;
}

// An account the bank account has no chart account for is named by its number.
QString accountOf(const CONTAS_CAIXA::Movement &m)
{
    return m.balco.isEmpty() ? m.conta : m.balco;
}

} // namespace

QString CONTAS_CAIXA::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESCON");
}

std::vector<CONTAS_CAIXA::Movement> CONTAS_CAIXA::movements(const QString &sql)
{
    std::vector<Movement> r;
    QSqlQuery query = ctx.db.query(sql);
    while (query.next())
        r.push_back({query.value(0).toString().trimmed(), query.value(1).toString().trimmed(), Money::fromVariant(query.value(2), 4)});
    return r;
}

std::vector<CONTAS_CAIXA::Movement> CONTAS_CAIXA::withdrawals(const LinkPair &p)
{
    return movements(QStringLiteral("SELECT A.CONTA,B.BALCO,CAST(SUM(A.DEBIT) AS DOUBLE PRECISION) AS DEBIT FROM ORDCAI A INNER "
                                    "JOIN DESCON B ON A.CONTA=B.CONTA where B.VINGRUPO='") +
                     q(p.vingrupo) + QStringLiteral("' AND B.VINCODIGO='") + q(p.vincodigo) +
                     QStringLiteral("' AND EXTRACT(MONTH FROM A.DTLAN)=") + month() +
                     QStringLiteral(" AND A.DEBIT<>0 AND NOT (extract(month from a.dtlan)=1 AND extract(DAY from a.dtlan)=1) "
                                    "GROUP BY A.CONTA, B.BALCO"));
}

std::vector<CONTAS_CAIXA::Movement> CONTAS_CAIXA::deposits(const LinkPair &p)
{
    return movements(QStringLiteral("select a.conta,b.balco,CAST(sum(a.credi) AS DOUBLE PRECISION) as credi from ordcai a INNER "
                                    "JOIN descon b ON A.CONTA=B.CONTA where B.VINGRUPO='") +
                     q(p.vingrupo) + QStringLiteral("' AND B.VINCODIGO='") + q(p.vincodigo) +
                     QStringLiteral("' AND extract(month from a.dtlan)=") + month() +
                     QStringLiteral(" and a.credi is not null AND NOT (extract(month from a.dtlan)=1 AND extract(DAY from "
                                    "a.dtlan)=1) group by a.conta,b.balco"));
}

// Both blocks take two numbers each: the header's, raised only when the block has
// movement, and the lines', raised always.
void CONTAS_CAIXA::postPair(const QString &vingrupo, const QString &vincodigo)
{
    PairPosting lines(ctx.post, entryKind(), {vingrupo, vincodigo});
    const std::vector<Movement> out = withdrawals(lines.pair());
    const std::vector<Movement> in = deposits(lines.pair());

    Money totalOut, totalIn;
    std::map<QString, Money> outByKind, inByKind;
    for (const Movement &m : out) {
        totalOut += m.amount;
        if (counted(m.balco.left(4)))
            outByKind[m.balco.left(4)] += m.amount;
    }
    for (const Movement &m : in) {
        totalIn += m.amount;
        if (counted(m.balco.left(4)))
            inByKind[m.balco.left(4)] += m.amount;
    }

    const Money debitTotal = totalOut + inByKind[cash];
    const Money creditTotal = totalIn + outByKind[cash];
    if (!debitTotal.isZero() || !creditTotal.isZero())
        lines.openBlock(PairPosting::Financeiro);
    lines.raiseBlock();
    if (!debitTotal.isZero())
        lines.debit(QStringLiteral("251101"), 214, debitTotal);
    for (const Kind &k : kinds) {
        const Money m = outByKind[QString::fromUtf16(k.kind)];
        if (!m.isZero())
            lines.creditText(QString::fromUtf16(k.account), withdrawn, m);
    }
    for (const Kind &k : kinds) {
        const Money m = inByKind[QString::fromUtf16(k.kind)];
        if (!m.isZero())
            lines.debitText(QString::fromUtf16(k.account), deposited, m);
    }
    if (!creditTotal.isZero())
        lines.credit(QStringLiteral("251101"), 214, creditTotal);

    if (!totalOut.isZero())
        lines.openBlock(PairPosting::Patrimonial);
    lines.raiseBlock();
    lines.debit(QStringLiteral("311101"), 214, totalOut);
    for (const Movement &m : out) {
        if (!m.amount.isZero())
            lines.creditText(accountOf(m), withdrawn, m.amount);
    }
    for (const Movement &m : in) {
        if (!m.amount.isZero())
            lines.debitText(accountOf(m), deposited, m.amount);
    }
    lines.credit(QStringLiteral("311101"), 214, totalIn);
}
