#include "routine/Divida_Ativa.h"

#include "data/ChartOfAccounts.h"
#include "data/Database.h"
#include "routine/MonthlyContext.h"
#include "routine/PairPosting.h"

namespace {

const QString variations = QStringLiteral("Variacoes economicas diversas");

void credit(PairPosting &lines, const Divida_Ativa::Entry &e)
{
    if (e.text.isEmpty())
        lines.credit(e.account, e.histo, e.amount);
    else
        lines.creditText(e.account, e.text, e.amount);
}

bool isActiveDebt(const QString &code)
{
    return code == u"1931" || code == u"1932" || code == u"1933";
}

} // namespace

QString Divida_Ativa::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM RECDIS");
}

QStringList Divida_Ativa::codes(const LinkPair &p)
{
    return list(QStringLiteral("select distinct CAST(substring(B.codre FROM 1 FOR 4) AS VARCHAR(4)) as codre from receit a "
                               "INNER join recdis b on b.ficha=a.ficha where extract(month from a.dtlan)=") +
                month() + QStringLiteral(" and B.VINGRUPO='") + q(p.vingrupo) + QStringLiteral("' AND B.VINCODIGO='") +
                q(p.vincodigo) +
                QStringLiteral("' AND (substring(B.codre FROM 1 FOR 3)='193' or substring(B.codre FROM 1 FOR 3)='221' "
                               "or substring(B.codre FROM 1 FOR 3)='222' or substring(B.codre FROM 1 FOR 3)='211' ) ORDER BY 1 "));
}

Money Divida_Ativa::codeSum(const LinkPair &p, const QString &code)
{
    return sum(QStringLiteral("select CAST(sum(varec) AS DOUBLE PRECISION) as varec from receit inner JOIN RECDIS ON "
                              "RECDIS.FICHA=RECEIT.FICHA where extract(month from RECEIT.dtlan)=") +
               month() + QStringLiteral(" and substring(RECDIS.codre from 1 for 4)='") + q(code) +
               QStringLiteral("' and RECDIS.vingrupo='") + q(p.vingrupo) + QStringLiteral("' and recdis.vincodigo='") +
               q(p.vincodigo) + QStringLiteral("' "));
}

void Divida_Ativa::mapPatrimonial(Entry &e)
{
    const QString family = e.code.left(3);
    e.account = e.code;
    if (isActiveDebt(e.code)) {
        e.account = QStringLiteral("33210") + e.code[3];
        e.histo = 427;
    } else if (family == u"211") {
        e.account = QStringLiteral("341101");
        e.histo = 402;
    } else if (family == u"221") {
        e.account = QStringLiteral("331101");
        e.text = QStringLiteral("xxxxxxxxxxxxxxxxx C/Financiam");
    } else if (family == u"222") {
        e.account = QStringLiteral("331201");
        e.text = QStringLiteral("Baixa por alienação de ??????");
    }
}

void Divida_Ativa::mapEconomic(Entry &e)
{
    const QString family = e.code.left(3);
    if (isActiveDebt(e.code)) {
        e.account = QStringLiteral("422101");
        e.histo = 427;
    } else if (family == u"211") {
        e.account = QStringLiteral("422106");
        e.histo = 431;
    } else if (family == u"221" || family == u"222") {
        e.account = family == u"221" ? QStringLiteral("422102") : QStringLiteral("422103");
        e.text = QStringLiteral("Baixa por alienacao de ??????");
    }
}

// Databases made before the contributions were taxed lack this account; the
// suite expects the journal to create it.
void Divida_Ativa::ensureContributionsAccount()
{
    if (ctx.chart.contains(QStringLiteral("332103")))
        return;
    ctx.db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TITCO,DEBIT,CREDIT,SALDO,D_C,TIP) VALUES('332103','Dívida Ativa das "
                               "Contribuições',0,0,0,'D',3)"));
    ctx.reloadChart();
}

void Divida_Ativa::postPair(const QString &vingrupo, const QString &vincodigo)
{
    PairPosting lines(ctx.post, entryKind(), {vingrupo, vincodigo});
    const QStringList list = codes(lines.pair());
    if (list.isEmpty())
        return;

    lines.openBlock(PairPosting::Patrimonial);
    std::vector<Entry> entries;
    Money total;
    for (const QString &code : list) {
        Entry e{code, codeSum(lines.pair(), code)};
        mapPatrimonial(e);
        if (code == u"1933")
            ensureContributionsAccount();
        entries.push_back(e);
        total += e.amount;
    }
    if (!total.isZero())
        lines.debitText(QStringLiteral("391101"), variations, total);
    for (const Entry &e : entries)
        credit(lines, e);

    lines.openBlock(PairPosting::Economico);
    total = Money();
    for (Entry &e : entries) {
        total += e.amount;
        mapEconomic(e);
        credit(lines, e);
    }
    if (!total.isZero())
        lines.debitText(QStringLiteral("491101"), variations, total);
}
