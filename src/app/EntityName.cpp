#include "app/EntityName.h"

#include "data/Database.h"

namespace EntityName {

QString read(Database &db)
{
    QSqlQuery q = db.query(QStringLiteral("select * from cadcli"));
    return q.next() ? q.value(QStringLiteral("CLNT1")).toString().trimmed() : QString();
}

} // namespace EntityName
