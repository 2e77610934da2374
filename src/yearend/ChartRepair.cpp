#include "yearend/ChartRepair.h"

#include "data/Database.h"
#include "data/Interaction.h"
#include "data/TransactionGuard.h"
#include "yearend/StandardChart.h"

#include <QList>
#include <exception>

namespace {

struct Rule {
    const char *grupo;
    const char *balco;
    const char *side;
};

// Actuarial provisions of the own social security regime.
const Rule actuarial[] = {
    {"343101", "441108", "C"},
    {"343102", "441108", "C"},
    {"343103", "441108", "C"},
    {"334601", "431201", "D"},
};

// Transfers of the own social security regime: journal accounts under 3237 give
// their twins under these prefixes, next to the standard account named.
const QList<QPair<QString, QString>> derivedAfter = {
    {QStringLiteral("131300"), QStringLiteral("1313")},
    {QStringLiteral("141400"), QStringLiteral("1414")},
    {QStringLiteral("163300"), QStringLiteral("1633")},
    {QStringLiteral("211300"), QStringLiteral("2113")},
};

const QString insertRule = QStringLiteral("INSERT INTO CONAUT (GRUPO,BALCO,D_C,DISCRI) VALUES(?,?,?,?)");

} // namespace

ChartRepair::ChartRepair(Database &db, Interaction &ui) : m_db(db), m_ui(ui) {}

void ChartRepair::garante_conta(const QString &code, const QString &title, QChar nature)
{
    if (m_existing.contains(code))
        return;
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM CONPLA WHERE BALCO=?"), {code}).toInt() == 0)
        m_db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C, CREDIT, DEBIT, SALDO) VALUES (?, ?, ?, ?,0,0,0)"),
                  {code, code.left(1), title.left(50), QString(nature)});
    m_existing.insert(code);
}

void ChartRepair::copia_contas(const QString &newPrefix, const QString &sourcePrefix)
{
    QList<QPair<QString, QString>> rows;
    {
        QSqlQuery q = m_db.query(QStringLiteral("select BALCO,TITCO from condia where balco like ?"),
                                 {sourcePrefix + u'%'});
        while (q.next())
            rows.append({q.value(0).toString().trimmed(), q.value(1).toString().trimmed()});
    }
    for (const auto &[balco, titco] : rows)
        garante_conta(newPrefix + balco.mid(4, 2), titco, u'D');
}

void ChartRepair::socialSecurityRules()
{
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM CONAUT WHERE GRUPO LIKE '3236%' AND BALCO='441102'")).toInt() > 0)
        return;
    const QString text = QStringLiteral("Inscrição de contribuição ao RPP");
    m_db.exec(insertRule, {QStringLiteral("3236"), QStringLiteral("441102"), QStringLiteral("C"), text});
    m_db.exec(insertRule, {QStringLiteral("3236"), QStringLiteral("431102"), QStringLiteral("D"), text});
}

// Each rule is recognised by its own group and account, so a rule already there
// is never added twice.
void ChartRepair::actuarialRules()
{
    QList<const Rule *> missing;
    for (const Rule &r : actuarial)
        if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM CONAUT WHERE GRUPO=? AND BALCO=?"),
                        {QLatin1String(r.grupo), QLatin1String(r.balco)})
                .toInt() == 0)
            missing << &r;
    if (missing.isEmpty())
        return;
    // Older installations kept longer group codes; the rules match on six digits.
    m_db.exec(QStringLiteral("UPDATE CONAUT SET GRUPO=CAST(SUBSTRING(GRUPO FROM 1 FOR 6) AS VARCHAR(6))"));
    for (const Rule *r : missing)
        m_db.exec(insertRule, {QLatin1String(r->grupo), QLatin1String(r->balco), QLatin1String(r->side),
                               QStringLiteral("Inscr. calculo Atuarial- RPPS")});
}

void ChartRepair::typeAndNature()
{
    m_db.exec(QStringLiteral("UPDATE CONPLA SET TIP=SUBSTRING(BALCO FROM 1 FOR 1), D_C= 'C' WHERE SUBSTRING(BALCO FROM 2 "
                             "FOR 1) IN ('0','2','4','6','8')"));
    m_db.exec(QStringLiteral("UPDATE CONPLA SET TIP=SUBSTRING(BALCO FROM 1 FOR 1), D_C= 'D' WHERE SUBSTRING(BALCO FROM 2 "
                             "FOR 1) IN ('1','3','5','7','9')"));
}

void ChartRepair::standardAccounts()
{
    for (const StandardChart::Account &a : StandardChart::standard()) {
        garante_conta(a.code, a.title, a.nature);
        for (const auto &[after, prefix] : derivedAfter)
            if (a.code == after)
                copia_contas(prefix, QStringLiteral("3237"));
    }
}

void ChartRepair::mirror(const QString &sourcePrefix, const QString &newPrefix, QChar nature)
{
    QList<QPair<QString, QString>> accounts;
    {
        QSqlQuery q = m_db.query(QStringLiteral("select BALCO, TITCO from conpla WHERE (BALCO IN (SELECT BALCO FROM DESDIS) "
                                                "OR BALCO IN (SELECT BALCO FROM RECDIS)) AND balco like ?"),
                                 {sourcePrefix + u'%'});
        while (q.next())
            accounts.append({q.value(0).toString().trimmed(), q.value(1).toString().trimmed()});
    }
    for (const auto &[balco, titco] : accounts)
        garante_conta(newPrefix + balco.right(2), titco, nature);
}

// Pending items in use get the financial accounts that mirror them.
void ChartRepair::mirrorAccounts()
{
    mirror(QStringLiteral("3242"), QStringLiteral("2442"), u'C');
    mirror(QStringLiteral("3134"), QStringLiteral("2444"), u'C');
    mirror(QStringLiteral("3134"), QStringLiteral("2344"), u'D');
    mirror(QStringLiteral("3242"), QStringLiteral("2342"), u'D');
}

bool ChartRepair::corrige_plano()
{
    TransactionGuard tx(m_db);
    try {
        m_existing.clear();
        {
            QSqlQuery q = m_db.query(QStringLiteral("SELECT BALCO FROM CONPLA"));
            while (q.next())
                m_existing.insert(q.value(0).toString().trimmed());
        }
        socialSecurityRules();
        actuarialRules();
        typeAndNature();
        standardAccounts();
        mirrorAccounts();
        tx.commit();
        return true;
    } catch (const std::exception &e) {
        // Each statement stands on its own: what ran before the error is kept.
        tx.commit();
        const auto *db = dynamic_cast<const DbError *>(&e);
        m_ui.message(errorMessage(db ? db->driverText() : QString::fromUtf8(e.what())), QString::fromUtf8(ErrorCaption),
                     Interaction::Icon::Error);
        throw;
    }
}
