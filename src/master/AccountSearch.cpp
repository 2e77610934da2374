#include "master/AccountSearch.h"

#include "data/CommonRoutines.h"
#include "data/Money.h"
#include "data/Sql.h"

QString AccountSearch::all()
{
    return QStringLiteral("select * from conpla");
}

QString AccountSearch::byCode(const QString &typed)
{
    return QStringLiteral("select * from conpla where balco like '") + Sql::escape(typed.trimmed()) + QStringLiteral("%'");
}

QString AccountSearch::byDescription(const QString &typed)
{
    return QStringLiteral("select * from conpla where ") + CommonRoutines::filtro_like(QStringLiteral("TITCO"), typed);
}

QString AccountSearch::reset()
{
    return QStringLiteral("select * from conpla ");
}

std::optional<SearchStep> AccountSearch::keyReleased(Box box, const QString &text, bool enter)
{
    const bool blank = text.trimmed().isEmpty();
    if (box == Box::Code) {
        if (enter || blank)
            return std::nullopt;
        return SearchStep{byCode(text), true};
    }
    if (enter || blank)
        return SearchStep{reset(), false};
    return SearchStep{byDescription(text), true};
}

QString AccountSearch::displayed(const QString &sql, const QStringList &prefixes)
{
    QString where;
    for (const QString &prefix : prefixes) {
        where += where.isEmpty() ? QStringLiteral(" WHERE (") : QStringLiteral(" OR ");
        where += QStringLiteral("A.BALCO LIKE '") + Sql::escape(prefix) + QStringLiteral("%'");
    }
    if (!where.isEmpty())
        where += u')';
    return QStringLiteral("SELECT A.* FROM (") + sql + QStringLiteral(") A") + where +
           QStringLiteral(" ORDER BY A.TIP, A.D_C, A.BALCO");
}

ChartOfAccounts::Account AccountSearch::fromRecord(const QSqlRecord &r)
{
    ChartOfAccounts::Account a;
    a.balco = r.value(QStringLiteral("BALCO")).toString().trimmed();
    a.tip = r.value(QStringLiteral("TIP")).toString().trimmed();
    a.titco = r.value(QStringLiteral("TITCO")).toString().trimmed();
    a.d_c = r.value(QStringLiteral("D_C")).toString().trimmed();
    a.credit = Money::fromVariant(r.value(QStringLiteral("CREDIT")), 2);
    a.debit = Money::fromVariant(r.value(QStringLiteral("DEBIT")), 2);
    a.saldo = Money::fromVariant(r.value(QStringLiteral("SALDO")), 2);
    return a;
}
