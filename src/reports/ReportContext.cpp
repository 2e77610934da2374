#include "reports/ReportContext.h"

#include <QDateTime>

QDate ReportContext::date(const QString &column) const
{
    const QVariant v = m_row.value(column);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

QString ReportContext::dateText(const QString &column) const
{
    const QDate d = date(column);
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}
