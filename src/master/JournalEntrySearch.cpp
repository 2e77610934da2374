#include "master/JournalEntrySearch.h"

#include "data/Money.h"
#include "data/Sql.h"
#include "master/JournalRecord.h"


namespace {

QString capitals(const QString &typed)
{
    return Sql::escape(typed.toUpper());
}

// The bound as a plain decimal with a point and no trailing zeros: 149.97.
QString bound(Money value)
{
    QString s = value.toSql(4);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s;
}

const Money tolerance = Money::fromCents(3);

} // namespace

JournalEntrySearch::BadValue::BadValue(const QString &text)
    : std::runtime_error("bad value"), m_text(QStringLiteral("'") + text + QStringLiteral("' não é um valor numérico válido."))
{
}

QString JournalEntrySearch::all()
{
    return QStringLiteral("select * from condia");
}

QString JournalEntrySearch::byCode(const QString &typed)
{
    return QStringLiteral("select * from condia where balco like '") + Sql::escape(typed.trimmed()) + QStringLiteral("%'");
}

QString JournalEntrySearch::byTitle(const QString &typed)
{
    return QStringLiteral("select * from condia where upper(titco) like '%") + capitals(typed) + QStringLiteral("%'");
}

QString JournalEntrySearch::byDescription(const QString &typed)
{
    return QStringLiteral("select * from condia where upper(discri) like '%") + capitals(typed) + QStringLiteral("%'");
}

QString JournalEntrySearch::byValue(const QString &typed)
{
    QString text = typed.trimmed();
    text.replace(u'.', u',');
    bool ok = false;
    const Money value = Money::parseBr(text, &ok);
    if (!ok)
        throw BadValue(typed.trimmed());
    const QString low = bound(value - tolerance);
    const QString high = bound(value + tolerance);
    return QStringLiteral("select * from condia where (cast(credi as double precision) >=") + low +
           QStringLiteral(" and cast(credi as double precision) <=") + high +
           QStringLiteral(") or (cast(debit as double precision) >=") + low +
           QStringLiteral(" and cast(debit as double precision) <=") + high + u')';
}

QString JournalEntrySearch::reset()
{
    return QStringLiteral("select * from condia ");
}

bool JournalEntrySearch::valueGiven(const QString &text)
{
    const QString t = text.trimmed();
    return !t.isEmpty() && t != u"-";
}

std::optional<SearchStep> JournalEntrySearch::keyReleased(Box box, const QString &text, bool enter)
{
    if (box == Box::Value) {
        if (!valueGiven(text))
            return SearchStep{reset(), false};
        if (enter)
            return std::nullopt;
        return SearchStep{byValue(text), true};
    }
    if (enter || text.trimmed().isEmpty())
        return std::nullopt;
    switch (box) {
    case Box::Code:
        return SearchStep{byCode(text), true};
    case Box::Title:
        return SearchStep{byTitle(text), true};
    default:
        return SearchStep{byDescription(text), true};
    }
}

QString JournalEntrySearch::displayed(const QString &sql)
{
    return QStringLiteral("SELECT E.* FROM (") + sql + QStringLiteral(") E ORDER BY E.DATAE, E.IE, E.IMP, E.SEQ, E.BALCO");
}

JournalRow JournalEntrySearch::fromRecord(const QSqlRecord &r)
{
    return JournalRecord::read(r);
}
