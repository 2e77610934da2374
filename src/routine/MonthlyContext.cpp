#include "routine/MonthlyContext.h"

#include "data/ChartOfAccounts.h"
#include "data/Database.h"

QString MonthlyContext::RD(const QString &alias)
{
    if (!leaveRdOut) {
        QSqlQuery q = db.query(QStringLiteral("SELECT RD FROM PARAMEDU"));
        leaveRdOut = q.next() && q.value(0).toString().trimmed() == u"F";
    }
    if (!*leaveRdOut)
        return QStringLiteral(" ");
    // A commitment that refers to none has no PKEMPA: NOT IN alone would leave it
    // out as soon as one RD commitment exists.
    return QStringLiteral(" AND ((%1.TPEM<>'RD' OR %1.TPEM IS NULL) AND (%1.PKEMPA IS NULL OR %1.PKEMPA NOT IN (SELECT PKEMP FROM "
                          "DESPES WHERE TPEM='RD'))) ")
        .arg(alias);
}

void MonthlyContext::reloadChart()
{
    chart = ChartOfAccounts::load(db);
}
