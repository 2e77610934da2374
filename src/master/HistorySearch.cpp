#include "master/HistorySearch.h"

#include "data/Sql.h"

QString HistorySearch::all()
{
    return QStringLiteral("select * from conhis ");
}

QString HistorySearch::byCode(const QString &typed)
{
    return QStringLiteral("select * from conhis where histo like '") + Sql::escape(typed.trimmed()) + QStringLiteral("%'");
}

QString HistorySearch::byText(const QString &typed)
{
    return QStringLiteral("select * from conhis where upper(discri) like '%") + Sql::escape(typed.toUpper()) +
           QStringLiteral("%'");
}

std::optional<SearchStep> HistorySearch::keyReleased(Box box, const QString &text, bool enter)
{
    if (enter || text.trimmed().isEmpty())
        return std::nullopt;
    return SearchStep{box == Box::Code ? byCode(text) : byText(text), true};
}

QString HistorySearch::displayed(const QString &sql)
{
    // Without an order of its own the list would follow the table's storage.
    return QStringLiteral("SELECT H.* FROM (") + sql + QStringLiteral(") H ORDER BY H.HISTO");
}

HistorySearch::History HistorySearch::fromRecord(const QSqlRecord &r)
{
    return {r.value(QStringLiteral("HISTO")).toInt(), r.value(QStringLiteral("DISCRI")).toString().trimmed()};
}
