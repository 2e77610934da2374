#include "yearend/OpeningGroups.h"

#include "data/ChartOfAccounts.h"
#include "data/Database.h"
#include "data/Interaction.h"
#include "data/JournalRow.h"
#include "data/Sql.h"
#include "routine/PostingRoutine.h"
#include "yearend/OpeningContext.h"

#include <algorithm>
#include <exception>

namespace {

QString q(const QString &value)
{
    return Sql::escape(value);
}

QString orDefault(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("001") : value;
}

// The availability accounts of the financial system and the DESCON accounts that
// open them.
struct Availability {
    const char *debit;
    const char *credit;
    const char *title;
    const char *pattern;
};

const Availability availabilities[] = {
    {"251101", "261101", "TESOURARIA", "3111%"},
    {"251102", "261102", "BANCOS, CONTA MOVIMENTO", "3112%"},
    {"251103", "261103", "BANCOS, CONTA ESPECIAL", "3113%"},
    {"251104", "261104", "APLICAÇÕES FINANCEIRAS", "3114%"},
    {"251105", "261105", "BANCOS, CONTA VINCULADA", "312%"},
    {"251106", "261106", "OUTRAS DISPONIBILIDADES", "3115%"},
};

} // namespace

OpeningGroups::OpeningGroups(OpeningContext &ctx) : ctx(ctx) {}

QString OpeningGroups::noPreviousYearMessage()
{
    return QStringLiteral(
        "Balanço patrimonial do ano anterior inexistente! Serão efetuados somente os lançamentos de saldo inicial das "
        "contas correntes encontradas no exercício atual! Efetue Manualmente o restante dos Lançamentos Iniciais de acordo "
        "com o balanço patrimonial do exercício anterior!");
}

QString OpeningGroups::currentAccountsOnlyMessage()
{
    return QStringLiteral("Foram lançados somente as contas correntes. Efetue manualmente o restante dos lançamentos com "
                          "base no fechamento do balanço patrimonial do exercício anterior!");
}

QString OpeningGroups::unlinkedRecordsMessage()
{
    return QStringLiteral("Existem fichas de Receita ou Despesa sem classificação de vínculo! Verifique e classifique o "
                          "vínculo das fichas!");
}

Money OpeningGroups::sum(const QString &sql)
{
    QSqlQuery query = ctx.db.query(sql);
    return query.next() ? Money::fromVariant(query.value(0), 2) : Money();
}

// The link of the patrimonial lines: the one the previous year was closed for,
// when the new year knows it; else the first code of its group; else 001/001.
OpeningGroups::Link OpeningGroups::patrimonialLink()
{
    const QString group = ctx.finalGroup;
    const QString code = ctx.finalCode;
    QSqlQuery exact = ctx.db.query(QStringLiteral("SELECT VINGRUPO,VINCODIGO FROM VINCODIGO WHERE VINGRUPO='") + q(group) +
                                   QStringLiteral("' AND VINCODIGO='") + q(code) + u'\'');
    if (exact.next())
        return {orDefault(group), orDefault(code)};
    QSqlQuery inGroup =
        ctx.db.query(QStringLiteral("SELECT VINGRUPO,VINCODIGO FROM VINCODIGO WHERE VINGRUPO='") + q(group) + u'\'');
    if (!inGroup.next())
        return {QStringLiteral("001"), QStringLiteral("001")};
    return {orDefault(inGroup.value(0).toString().trimmed()), orDefault(inGroup.value(1).toString().trimmed())};
}

QList<OpeningGroups::Balance> OpeningGroups::previousBalances(const QString &side)
{
    QList<Balance> balances;
    bool added = false;
    QSqlQuery prev = ctx.previous->query(
        QStringLiteral("select * from conpla where balco not like '%00' and balco like '3%' and saldo<>0 and D_C='") + side +
        QStringLiteral("' order by balco"));
    while (prev.next()) {
        const QString balco = prev.value(QStringLiteral("BALCO")).toString().trimmed();
        if (!ctx.chart.contains(balco)) {
            ctx.db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C, CREDIT, DEBIT, SALDO) VALUES "
                                       "(?, ?, ?, ?, 0, 0, 0)"),
                        {balco, prev.value(QStringLiteral("TIP")).toString().trimmed(),
                         prev.value(QStringLiteral("TITCO")).toString().trimmed(),
                         prev.value(QStringLiteral("D_C")).toString().trimmed()});
            added = true;
        }
        balances.append({balco, Money::fromVariant(prev.value(QStringLiteral("SALDO")), 2)});
    }
    if (added)
        ctx.reloadChart();
    return balances;
}

bool OpeningGroups::patrimonial()
{
    try {
        const Link link = patrimonialLink();
        const QList<Balance> debits = previousBalances(QStringLiteral("D"));
        ctx.post.raiseBlock();
        ctx.post.header(PatrimonialKind, 3).tipo = QStringLiteral("2");
        for (const Balance &b : debits)
            ctx.post.Salva_condia(link.vingrupo, link.vincodigo, b.balco, 101, QStringLiteral("DEBIT"), PatrimonialKind,
                                  b.saldo);
        // Processed payables carried over are gathered on one account.
        for (const Balance &b : previousBalances(QStringLiteral("C"))) {
            const QString account = b.balco.startsWith(QStringLiteral("3211")) ? QStringLiteral("321101") : b.balco;
            ctx.post.Salva_condia(link.vingrupo, link.vincodigo, account, 101, QStringLiteral("CREDI"), PatrimonialKind,
                                  b.saldo);
        }
        return false;
    } catch (const std::exception &) {
        return true;
    }
}

void OpeningGroups::patrimonialFallback()
{
    const QString caption = QString::fromUtf8(Caption);
    ctx.ui.message(noPreviousYearMessage(), caption, Interaction::Icon::Warning);
    // Only the cash and bank lines go; what was entered by hand for the other
    // patrimonial accounts stays.
    ctx.db.exec(QStringLiteral("Delete from condia where ie=1 and (balco like '311%' or balco like '312%') "));
    {
        QSqlQuery kept = ctx.db.query(QStringLiteral("select imp from condia where ie=1 and balco like '3%' "));
        bool numeric = false;
        const int imp = kept.next() ? kept.value(0).toString().trimmed().toInt(&numeric) : 0;
        ctx.post.setBlock(numeric ? imp : FallbackBlock);
    }
    QSqlQuery accounts = ctx.db.query(QStringLiteral("select * from descon"));
    while (accounts.next())
        ctx.post.Salva_condia(accounts.value(QStringLiteral("VINGRUPO")).toString().trimmed(),
                              accounts.value(QStringLiteral("VINCODIGO")).toString().trimmed(),
                              accounts.value(QStringLiteral("BALCO")).toString().trimmed(), 101, QStringLiteral("DEBIT"),
                              PatrimonialKind, Money::fromVariant(accounts.value(QStringLiteral("SALDOINICIAL")), 2));
    ctx.ui.message(currentAccountsOnlyMessage(), caption, Interaction::Icon::Warning);
}

void OpeningGroups::postAvailability(const Link &link, bool debit)
{
    QStringList branches;
    for (const Availability &a : availabilities)
        branches << QStringLiteral("select '%1' AS balco,cast('%2' as char(30)) as titco,cast(sum(DESCON.SALDOINICIAL) as "
                                   "double precision) as saldo from DESCON where descon.balco like '%3' and "
                                   "DESCON.VINGRUPO='%4' and DESCON.VINCODIGO='%5' ")
                        .arg(QLatin1String(debit ? a.debit : a.credit), QString::fromUtf8(a.title),
                             QLatin1String(a.pattern), q(link.vingrupo), q(link.vincodigo));
    QSqlQuery sums = ctx.db.query(branches.join(QStringLiteral("union ")) + QStringLiteral("order by 1"));
    QList<QPair<QString, Money>> lines;
    while (sums.next())
        lines.append({sums.value(0).toString().trimmed(), Money::fromVariant(sums.value(2), 2)});
    for (const auto &[balco, saldo] : lines)
        ctx.post.Salva_condia(link.vingrupo, link.vincodigo, balco, debit ? 102 : 103,
                              QLatin1String(debit ? "DEBIT" : "CREDI"), FinancialKind, saldo);
}

bool OpeningGroups::financeiro()
{
    try {
        ctx.post.setBlock(FinancialBlock);
        QList<Link> links;
        {
            QSqlQuery pairs = ctx.db.query(QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESCON"));
            while (pairs.next())
                links.append({pairs.value(0).toString().trimmed(), pairs.value(1).toString().trimmed()});
        }
        for (const Link &link : links) {
            JournalRow &header = ctx.post.header(FinancialKind, 2);
            header.vingrupo = link.vingrupo;
            header.vincodigo = link.vincodigo;
            postAvailability(link, true);
            postAvailability(link, false);
        }
        return false;
    } catch (const std::exception &) {
        return true;
    }
}

QString OpeningGroups::revenueAccount(const QString &codre)
{
    if (codre.size() < 2)
        return {};
    if (codre.startsWith(QStringLiteral("97")))
        return QStringLiteral("111907");
    // Current, capital and the two intra-budget categories.
    static const QList<QPair<QChar, QString>> byCategory = {{u'1', QStringLiteral("11110")},
                                                            {u'2', QStringLiteral("11120")},
                                                            {u'7', QStringLiteral("11170")},
                                                            {u'8', QStringLiteral("11180")}};
    for (const auto &[first, prefix] : byCategory)
        if (codre[0] == first)
            return prefix + codre[1];
    return {};
}

void OpeningGroups::budgetLink(const Link &link)
{
    const QString where = QStringLiteral("VINGRUPO='") + q(link.vingrupo) + QStringLiteral("' and VINCODIGO='") +
                          q(link.vincodigo) + u'\'';
    const Money revenue = sum(QStringLiteral("select sum(totor) as totor from recdis where ") + where).rounded(2);
    const Money fixed = sum(QStringLiteral("select sum(dotac) as dotac from desdis where EXTRA='N' and ") + where).rounded(2);
    const Money deficit = fixed >= revenue ? fixed - revenue : Money();
    const Money surplus = fixed >= revenue ? Money() : revenue - fixed;

    QStringList prefixes;
    {
        QSqlQuery p = ctx.db.query(QStringLiteral(
            "select distinct CAST(SUBSTRING(codre FROM 1 FOR 2) AS VARCHAR(2)) as codre  from recdis "));
        while (p.next())
            prefixes << p.value(0).toString().trimmed();
    }
    Money total;
    for (const QString &prefix : prefixes) {
        QString codre;
        Money estimate;
        QSqlQuery records = ctx.db.query(QStringLiteral("SELECT RECDIS.*,RECTAB.NOMRE FROM RECDIS INNER JOIN RECTAB ON "
                                                        "RECDIS.CODRE=RECTAB.CODRE WHERE SUBSTRING(RECDIS.CODRE FROM 1 FOR "
                                                        "2)='") +
                                         q(prefix) + QStringLiteral("' AND ") + where);
        while (records.next()) {
            if (codre.isEmpty())
                codre = records.value(QStringLiteral("CODRE")).toString().trimmed();
            estimate += Money::fromVariant(records.value(QStringLiteral("TOTOR")), 2);
        }
        if (codre.isEmpty())
            continue;
        total += estimate;
        QString account = revenueAccount(codre);
        // A code no rule places is posted without account, and the user is told
        // which code it was.
        const bool unplaced = account.isEmpty();
        if (unplaced)
            account = codre;
        ctx.post.setWarnMissingAccount(unplaced);
        ctx.post.Salva_condia(link.vingrupo, link.vincodigo, account, 104, QStringLiteral("DEBIT"), BudgetKind, estimate);
        ctx.post.setWarnMissingAccount(false);
    }
    ctx.reloadChart();
    if (deficit > Money()) {
        ctx.post.Salva_condia(link.vingrupo, link.vincodigo, QStringLiteral("112101"), 104, QStringLiteral("DEBIT"),
                              BudgetKind, deficit);
        total += deficit;
    }
    ctx.post.Salva_condia(link.vingrupo, link.vincodigo, QStringLiteral("162101"), 105, QStringLiteral("CREDI"), BudgetKind,
                          total);
    const Money appropriated =
        sum(QStringLiteral("select sum(dotac)as DOTAC from desdis where EXTRA ='N' and ") + where);
    ctx.post.Salva_condia(link.vingrupo, link.vincodigo, QStringLiteral("152101"), 105, QStringLiteral("DEBIT"), BudgetKind,
                          appropriated + surplus);
    if (surplus > Money())
        ctx.post.Salva_condia(link.vingrupo, link.vincodigo, QStringLiteral("122101"), 106, QStringLiteral("CREDI"),
                              BudgetKind, surplus);
    ctx.post.Salva_condia(link.vingrupo, link.vincodigo, QStringLiteral("121101"), 106, QStringLiteral("CREDI"), BudgetKind,
                          appropriated);
}

bool OpeningGroups::orcamentario()
{
    const bool warned = ctx.post.warnsMissingAccount();
    try {
        ctx.post.setBlock(BudgetBlock);
        QList<Link> links;
        bool unlinked = false;
        {
            QSqlQuery pairs = ctx.db.query(QStringLiteral(
                "SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESDIS UNION SELECT VINGRUPO,VINCODIGO FROM RECDIS"));
            while (pairs.next()) {
                const Link link{pairs.value(0).toString().trimmed(), pairs.value(1).toString().trimmed()};
                unlinked = unlinked || link.vingrupo.isEmpty() || link.vincodigo.isEmpty();
                // NULL and blank read alike: one link, posted once.
                const bool seen = std::any_of(links.cbegin(), links.cend(), [&](const Link &l) {
                    return l.vingrupo == link.vingrupo && l.vincodigo == link.vincodigo;
                });
                if (!seen)
                    links.append(link);
            }
        }
        if (unlinked)
            ctx.ui.message(unlinkedRecordsMessage(), QString::fromUtf8(Caption), Interaction::Icon::Error);
        JournalRow &header = ctx.post.header(BudgetKind, 1);
        header.vingrupo = QStringLiteral("001");
        header.vincodigo = QStringLiteral("001");
        for (const Link &link : links)
            budgetLink(link);
        ctx.post.setWarnMissingAccount(warned);
        return false;
    } catch (const std::exception &) {
        ctx.post.setWarnMissingAccount(warned);
        return true;
    }
}
