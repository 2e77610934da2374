#include "reports/LedgerAccount.h"

#include "data/Database.h"

namespace LedgerAccount {

std::optional<QString> title(Database &db, const QString &balco)
{
    QSqlQuery q = db.query(QStringLiteral("select TITCO from CONPLA where BALCO = ?"), {balco});
    if (!q.next())
        return std::nullopt;
    return q.value(0).toString().trimmed();
}

bool isTitleAccount(const QString &balco)
{
    return balco.mid(4, 2) == u"00";
}

QString titleAccountMessage()
{
    return QStringLiteral("Selecione uma conta, esse código é de um titulo!");
}

} // namespace LedgerAccount
