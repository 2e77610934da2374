#pragma once

#include "reports/ReportSource.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

// Rows held in memory, for reports over a text (one row per line) or a fixed list.
class RecordListSource : public ReportSource {
public:
    RecordListSource(const QStringList &columns, const QList<QVariantList> &rows);
    // One row per line of `text`, in a column named `column`.
    static RecordListSource lines(const QString &column, const QString &text);

    bool next() override;
    QSqlRecord record() const override { return m_records.value(m_at); }

private:
    QList<QSqlRecord> m_records;
    qsizetype m_at = -1;
};
