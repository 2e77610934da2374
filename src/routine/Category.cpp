#include "routine/Category.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "routine/MonthlyContext.h"
#include "routine/RunState.h"

#include <exception>

namespace {

// Padding of CHAR columns goes; a leading blank is part of the value and must
// reach the pair's statements as stored.
QString unpadded(const QVariant &v)
{
    QString s = v.toString();
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

} // namespace

bool Category::run()
{
    try {
        clearMonth();
        QList<QPair<QString, QString>> pairs;
        {
            QSqlQuery q = ctx.db.query(linkPairsSql());
            while (q.next())
                pairs.append({unpadded(q.value(0)), unpadded(q.value(1))});
        }
        for (const auto &[g, c] : pairs)
            postPair(g, c);
        postAfterPairs();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

void Category::clearMonth()
{
    ctx.db.exec(QStringLiteral("delete from condia where (extract(month from datae)=%1 or datae is null) and ie=%2")
                    .arg(month())
                    .arg(entryKind()));
}

Money Category::sum(const QString &sql)
{
    QSqlQuery q = ctx.db.query(sql);
    return q.next() ? Money::fromVariant(q.value(0), 4) : Money();
}

QStringList Category::list(const QString &sql)
{
    QStringList r;
    QSqlQuery q = ctx.db.query(sql);
    while (q.next())
        r << unpadded(q.value(0));
    return r;
}

QString Category::month() const
{
    return ctx.state.monthText();
}

QString Category::RD(const QString &alias) const
{
    return ctx.RD(alias);
}

QString Category::q(const QString &value)
{
    return Sql::escape(value);
}
