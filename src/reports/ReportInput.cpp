#include "reports/ReportInput.h"

#include "reports/ReportInputError.h"

#include <QStringList>

namespace ReportInput {

std::optional<QDate> date(const QString &typed)
{
    QString bare = typed;
    bare.remove(u'/').remove(u' ').remove(u'_');
    if (bare.isEmpty())
        return std::nullopt;
    const QDate d = QDate::fromString(typed.trimmed(), QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid())
        throw ReportInputError(QStringLiteral("'%1' não é uma data válida").arg(typed.trimmed()));
    return d;
}

std::optional<int> lineNumber(const QString &typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty() || t == u"0")
        return std::nullopt;
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok)
        throw ReportInputError(QStringLiteral("'%1' não é um número válido").arg(t));
    return n;
}

QString joinConditions(const QStringList &conditions)
{
    return conditions.join(QStringLiteral(" AND "));
}

} // namespace ReportInput
