#include "reports/LedgerSystemRequest.h"

#include "data/Sql.h"
#include "reports/LedgerTitles.h"
#include "reports/ReportInput.h"

#include <QStringList>

QString LedgerSystemRequest::sql() const
{
    QStringList c;
    if (system >= 1 && system <= 4)
        c << QStringLiteral("balco LIKE '%1%'").arg(system);
    if (const auto from = ReportInput::date(dateFrom))
        c << QStringLiteral("DATAE>=") + Sql::date(*from);
    if (const auto to = ReportInput::date(dateTo))
        c << QStringLiteral("DATAE<=") + Sql::date(*to);
    if (!group.trimmed().isEmpty())
        c << QStringLiteral("VINGRUPO LIKE ") + Sql::quote(group);
    if (!code.trimmed().isEmpty())
        c << QStringLiteral("VINCODIGO LIKE ") + Sql::quote(code);
    QString sql = QStringLiteral("select * from condia where not balco is null ");
    for (const QString &condition : c)
        sql += QStringLiteral(" AND ") + condition;
    return sql + QStringLiteral(" order by balco,datae,ie,imp,seq");
}

QString LedgerSystemRequest::title() const
{
    const QString t = LedgerTitles::forSystem(QChar(u'0' + system));
    return t.isEmpty() ? LedgerTitles::initial() : t;
}
