#include "reports/LedgerRequest.h"

#include "data/Sql.h"
#include "reports/ReportInput.h"

#include <QStringList>

QString LedgerRequest::sql() const
{
    QStringList c;
    if (!account.trimmed().isEmpty())
        c << QStringLiteral("balco=") + Sql::quote(account);
    if (const auto from = ReportInput::date(dateFrom))
        c << QStringLiteral("DATAE>=") + Sql::date(*from);
    if (const auto to = ReportInput::date(dateTo))
        c << QStringLiteral("DATAE<=") + Sql::date(*to);
    if (filter == Filter::NaoConsolidados) {
        c << QStringLiteral("VINGRUPO||VINCODIGO NOT IN (SELECT VINGRUPO||VINCODIGO FROM VINCODIGO WHERE "
                            "VINCODIGO.CLASSE='A')  AND VINGRUPO IS NOT NULL ");
    } else if (filter == Filter::PorVinculo) {
        if (!group.trimmed().isEmpty())
            c << QStringLiteral("VINGRUPO LIKE '%1%'").arg(Sql::escape(group.trimmed()));
        if (!code.trimmed().isEmpty())
            c << QStringLiteral("VINCODIGO LIKE '%1%'").arg(Sql::escape(code.trimmed()));
    }
    QString sql = QStringLiteral("select * from condia where not balco is null ");
    for (const QString &condition : c)
        sql += QStringLiteral(" AND ") + condition;
    return sql + QStringLiteral(" order by balco,datae");
}
