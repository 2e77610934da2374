#include "data/Database.h"

#include "data/TransactionGuard.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QSqlError>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("diario-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString driverText(const QSqlError &error)
{
    QString t = error.databaseText().trimmed();
    if (t.isEmpty())
        t = error.text().trimmed();
    if (!error.driverText().isEmpty() && !t.contains(error.driverText()))
        t = error.driverText() + QStringLiteral(": ") + t;
    return t;
}

void configure(QSqlDatabase &db, const QString &name)
{
    db.setDatabaseName(name);
    db.setUserName(QString::fromLatin1(Database::UserName));
    db.setPassword(QString::fromLatin1(Database::Password));
}

void bindAll(QSqlQuery &q, const QVariantList &values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        q.bindValue(int(i), values[i]);
}

} // namespace

Database::Database(const QString &name)
    : m_name(name), m_connectionName(nextConnectionName())
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_connectionName);
    configure(m_db, name);
}

Database::~Database()
{
    if (m_inTransaction)
        m_db.rollback();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Database::open()
{
    if (m_db.isOpen())
        return;
    if (!m_db.open())
        throw DbError(QStringLiteral("CONNECT ") + m_name, driverText(m_db.lastError()));
}

bool Database::canConnect(const QString &name)
{
    const QString connectionName = nextConnectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), connectionName);
        configure(db, name);
        ok = db.open();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return ok;
}

bool Database::isOpen() const
{
    return m_db.isOpen();
}

// Outside a transaction the driver commits each statement on its own and drops
// the error of that commit, so a statement refused at commit (a unique index over
// duplicates, a table whose definition cannot be completed) would pass for done.
// Such statements run in a transaction of their own whose commit is checked.
template <typename Run>
void Database::inOwnTransaction(const QString &sql, Run run)
{
    TransactionGuard tx(*this);
    run();
    try {
        tx.commit();
    } catch (const DbError &e) {
        throw DbError(sql, e.driverText());
    }
}

void Database::exec(const QString &sql)
{
    inOwnTransaction(sql, [&] {
        QSqlQuery q(m_db);
        if (!q.exec(sql))
            throw DbError(sql, driverText(q.lastError()));
    });
}

void Database::exec(const QString &sql, const QVariantList &values)
{
    inOwnTransaction(sql, [&] {
        QSqlQuery q = prepare(sql);
        execPrepared(q, values);
    });
}

QSqlQuery Database::query(const QString &sql)
{
    QSqlQuery q(m_db);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.setForwardOnly(true);
    if (!q.exec(sql))
        throw DbError(sql, driverText(q.lastError()));
    return q;
}

QSqlQuery Database::query(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = prepare(sql);
    execPrepared(q, values);
    return q;
}

QSqlQuery Database::prepare(const QString &sql)
{
    QSqlQuery q(m_db);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError(sql, driverText(q.lastError()));
    return q;
}

void Database::execPrepared(QSqlQuery &query, const QVariantList &values)
{
    bindAll(query, values);
    if (!query.exec())
        throw DbError(query.lastQuery(), driverText(query.lastError()));
}

QVariant Database::scalar(const QString &sql)
{
    QSqlQuery q = query(sql);
    return q.next() ? q.value(0) : QVariant();
}

QVariant Database::scalar(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = query(sql, values);
    return q.next() ? q.value(0) : QVariant();
}

bool Database::columnExists(const QString &table, const QString &column)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME=? AND RDB$FIELD_NAME=?"),
                  {table.toUpper(), column.toUpper()})
               .toInt() > 0;
}

bool Database::tableExists(const QString &table)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME=?"), {table.toUpper()})
               .toInt() > 0;
}

void Database::begin()
{
    if (m_inTransaction)
        return;
    if (!m_db.transaction())
        throw DbError(QStringLiteral("START TRANSACTION"), driverText(m_db.lastError()));
    m_inTransaction = true;
}

void Database::commit()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    if (!m_db.commit())
        throw DbError(QStringLiteral("COMMIT"), driverText(m_db.lastError()));
}

void Database::rollback()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    m_db.rollback();
}
