#include "data/Schema.h"

#include "data/Database.h"
#include "data/SqlScript.h"
#include "data/TransactionGuard.h"

#include <QDir>
#include <QFile>

// The scripts live in a static library: make sure the resource is registered.
static void initSchemaResource()
{
    Q_INIT_RESOURCE(schema);
}

namespace {

QString readResource(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(path, QStringLiteral("Script do banco de dados não encontrado."));
    return QString::fromUtf8(f.readAll());
}

// CONDIA.AUTOMA numbers the manual automatic postings; older databases lack it.
bool addAutoma(Database &db)
{
    QSqlQuery q = db.query(QStringLiteral(
        "SELECT * FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME='CONDIA' AND RDB$FIELD_NAME='AUTOMA' "));
    if (q.next())
        return false;
    db.exec(QStringLiteral("ALTER TABLE CONDIA ADD \"AUTOMA\" INTEGER"));
    return true;
}

// The block number passes 999 in a busy month; a three-character IMP cannot hold it.
bool widenImp(Database &db)
{
    const QVariant length = db.scalar(QStringLiteral(
        "SELECT F.RDB$CHARACTER_LENGTH FROM RDB$RELATION_FIELDS R JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE "
        "WHERE R.RDB$RELATION_NAME='CONDIA' AND R.RDB$FIELD_NAME='IMP'"));
    if (!length.isValid() || length.toInt() >= 6)
        return false;
    db.exec(QStringLiteral("ALTER TABLE CONDIA ALTER COLUMN IMP TYPE VARCHAR(6)"));
    return true;
}

} // namespace

namespace Schema {

void install(Database &db)
{
    initSchemaResource();
    const QStringList scripts = QDir(QStringLiteral(":/schema")).entryList(QStringList{QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    for (const QString &script : scripts) {
        const QStringList statements = SqlScript::split(readResource(QStringLiteral(":/schema/") + script));
        for (const QString &statement : statements)
            db.exec(statement);
    }
}

bool upgrade(Database &db)
{
    const bool automa = addAutoma(db);
    const bool imp = widenImp(db);
    return automa || imp;
}

} // namespace Schema
