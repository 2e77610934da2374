#include "data/Sql.h"

namespace Sql {

QString escape(const QString &text)
{
    QString s = text;
    s.replace(u'\'', QStringLiteral("''"));
    return s;
}

QString quote(const QString &text)
{
    return u'\'' + escape(text) + u'\'';
}

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

QString date(const QDate &date)
{
    return u'\'' + dateText(date) + u'\'';
}

} // namespace Sql
