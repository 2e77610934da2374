#include "routine/MonthlyContext.h"

#include "data/Database.h"

QString MonthlyContext::RD(const QString &alias)
{
    if (!leaveRdOut) {
        QSqlQuery q = db.query(QStringLiteral("SELECT RD FROM PARAMEDU"));
        leaveRdOut = q.next() && q.value(0).toString().trimmed() == u"F";
    }
    if (!*leaveRdOut)
        return QStringLiteral(" ");
    return QStringLiteral(" AND ((%1.TPEM<>'RD' OR %1.TPEM IS NULL) AND %1.PKEMPA NOT IN (SELECT PKEMP FROM DESPES WHERE TPEM='RD')) ")
        .arg(alias);
}
