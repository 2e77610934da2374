#include "reports/RecordListSource.h"

#include <QSqlField>

RecordListSource::RecordListSource(const QStringList &columns, const QList<QVariantList> &rows)
{
    for (const QVariantList &values : rows) {
        QSqlRecord rec;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QVariant v = values.value(i);
            QSqlField f(columns[i], v.metaType());
            f.setValue(v);
            rec.append(f);
        }
        m_records.append(rec);
    }
}

RecordListSource RecordListSource::lines(const QString &column, const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QList<QVariantList> rows;
    if (!t.isEmpty()) {
        QStringList parts = t.split(u'\n');
        if (t.endsWith(u'\n'))
            parts.removeLast();
        for (const QString &line : parts)
            rows.append({line});
    }
    return RecordListSource({column}, rows);
}

bool RecordListSource::next()
{
    if (m_at + 1 >= m_records.size()) {
        m_at = m_records.size();
        return false;
    }
    ++m_at;
    return true;
}
