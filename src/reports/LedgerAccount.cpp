#include "reports/LedgerAccount.h"

#include "data/ChartOfAccounts.h"

namespace LedgerAccount {

std::optional<QString> title(Database &db, const QString &balco)
{
    const ChartOfAccounts chart = ChartOfAccounts::load(db);
    if (const ChartOfAccounts::Account *a = chart.find(balco))
        return a->titco;
    return std::nullopt;
}

QString titleAccountMessage()
{
    return QStringLiteral("Selecione uma conta, esse código é de um titulo!");
}

} // namespace LedgerAccount
