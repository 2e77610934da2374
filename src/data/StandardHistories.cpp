#include "data/StandardHistories.h"

#include "data/Database.h"

StandardHistories StandardHistories::load(Database &db)
{
    StandardHistories h;
    QSqlQuery q = db.query(QStringLiteral("SELECT HISTO, DISCRI FROM CONHIS"));
    while (q.next())
        h.m_texts.insert(q.value(0).toInt(), q.value(1).toString());
    return h;
}

std::optional<QString> StandardHistories::find(int histo) const
{
    auto it = m_texts.constFind(histo);
    if (it == m_texts.constEnd())
        return std::nullopt;
    return it.value();
}

int StandardHistories::nextCode(Database &db)
{
    const QVariant max = db.scalar(QStringLiteral("SELECT MAX(HISTO) AS HISTO FROM CONHIS"));
    return max.isNull() ? 1 : max.toInt() + 1;
}
