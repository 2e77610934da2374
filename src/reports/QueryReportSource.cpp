#include "reports/QueryReportSource.h"

#include "data/Database.h"

QueryReportSource::QueryReportSource(Database &db, const QString &sql)
    : m_sql(sql), m_query(db.query(sql)), m_record(m_query.record())
{
}

bool QueryReportSource::next()
{
    if (!m_query.next())
        return false;
    for (int i = 0; i < m_record.count(); ++i)
        m_record.setValue(i, m_query.value(i));
    return true;
}

QSqlRecord QueryReportSource::record() const
{
    return m_record;
}
