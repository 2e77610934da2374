#pragma once

#include "reports/ReportSource.h"

#include <QSqlQuery>
#include <QString>

class Database;

// The rows of a SELECT, fetched forward only while the pages are laid out.
class QueryReportSource : public ReportSource {
public:
    // Runs the statement at once: a refused statement throws DbError here.
    QueryReportSource(Database &db, const QString &sql);
    bool next() override;
    QSqlRecord record() const override;
    const QString &sql() const { return m_sql; }

private:
    QString m_sql;
    QSqlQuery m_query;
    // The driver asks the catalogue for every column each time the query's
    // record is built: built once, then only the values are copied per row.
    QSqlRecord m_record;
};
