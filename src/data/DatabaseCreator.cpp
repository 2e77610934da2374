#include "data/DatabaseCreator.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Sql.h"

#include <ibase.h>

namespace {

QString statusText(const ISC_STATUS *status)
{
    QStringList parts;
    char buffer[1024];
    const ISC_STATUS *p = status;
    while (fb_interpret(buffer, sizeof buffer, &p) > 0)
        parts << QString::fromLocal8Bit(buffer);
    return parts.join(u'\n');
}

} // namespace

namespace DatabaseCreator {

void create(const QString &name)
{
    const QString sql = QStringLiteral("CREATE DATABASE %1 USER %2 PASSWORD %3 PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1252")
                            .arg(Sql::quote(name), Sql::quote(QString::fromLatin1(Database::UserName)),
                                 Sql::quote(QString::fromLatin1(Database::Password)));
    const QByteArray text = sql.toLocal8Bit();
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, text.constData(), SQL_DIALECT_V6, nullptr)) {
        throw DbError(sql, statusText(status));
    }
    ISC_STATUS_ARRAY detachStatus{};
    isc_detach_database(detachStatus, &db);
}

} // namespace DatabaseCreator
