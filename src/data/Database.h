#pragma once

#include "data/DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

// The one wrapper over a Firebird connection. Every statement goes through here;
// a refused statement becomes a DbError carrying the statement and the driver's
// text. Numbers come back in high precision so that money is read exactly.
class Database {
public:
    // The fixed credentials every workstation of the suite uses.
    static constexpr const char *UserName = "QORZOLV8";
    static constexpr const char *Password = "kwbx";

    // `name` is what Firebird opens: a path (embedded) or "host:path" (server).
    explicit Database(const QString &name);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens the connection; throws DbError when it cannot be opened.
    void open();
    // Tries to open and close a separate connection to `name`; never throws.
    static bool canConnect(const QString &name);

    bool isOpen() const;
    const QString &name() const { return m_name; }
    QSqlDatabase &connection() { return m_db; }

    // Runs a statement that returns no rows.
    void exec(const QString &sql);
    // Runs a statement with bound values.
    void exec(const QString &sql, const QVariantList &values);
    // Runs a query and returns it positioned before the first row.
    QSqlQuery query(const QString &sql);
    QSqlQuery query(const QString &sql, const QVariantList &values);
    // Prepares a statement for repeated execution with execPrepared().
    QSqlQuery prepare(const QString &sql);
    static void execPrepared(QSqlQuery &query, const QVariantList &values);
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql);
    QVariant scalar(const QString &sql, const QVariantList &values);

    bool columnExists(const QString &table, const QString &column);
    bool tableExists(const QString &table);

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

private:
    template <typename Run>
    void inOwnTransaction(const QString &sql, Run run);

    QString m_name;
    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_inTransaction = false;
};
