#include "data/ChartOfAccounts.h"

#include "data/Database.h"

ChartOfAccounts ChartOfAccounts::load(Database &db)
{
    ChartOfAccounts chart;
    QSqlQuery q = db.query(QStringLiteral("SELECT BALCO, TIP, TITCO, D_C, CREDIT, DEBIT, SALDO FROM CONPLA"));
    while (q.next()) {
        Account a;
        a.balco = q.value(0).toString().trimmed();
        a.tip = q.value(1).toString().trimmed();
        a.titco = q.value(2).toString().trimmed();
        a.d_c = q.value(3).toString().trimmed();
        a.credit = Money::fromVariant(q.value(4), 2);
        a.debit = Money::fromVariant(q.value(5), 2);
        a.saldo = Money::fromVariant(q.value(6), 2);
        chart.m_accounts.insert(a.balco, a);
    }
    return chart;
}

const ChartOfAccounts::Account *ChartOfAccounts::find(const QString &balco) const
{
    auto it = m_accounts.constFind(balco);
    return it == m_accounts.constEnd() ? nullptr : &it.value();
}
