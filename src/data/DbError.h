#pragma once

#include <QString>
#include <stdexcept>

// A statement the database refused: carries the statement and the driver's text,
// so that the caller can show the driver's words and a developer can see the SQL.
class DbError : public std::runtime_error {
public:
    DbError(QString statement, QString driverText);

    const QString &statement() const { return m_statement; }
    const QString &driverText() const { return m_driverText; }

private:
    QString m_statement;
    QString m_driverText;
};
