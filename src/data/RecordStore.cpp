#include "data/RecordStore.h"

#include "data/Database.h"

#include <QSqlRecord>
#include <algorithm>

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Short:
        return true;
    default:
        return false;
    }
}

// NULL first, as the database sorts it.
int compare(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    if (isNumber(a) && isNumber(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    return a.toString().trimmed().compare(b.toString().trimmed());
}

} // namespace

RecordStore::RecordStore(Database &db, QString table, QString key, QStringList order)
    : m_db(db), m_table(table), m_query(QStringLiteral("select * from ") + table), m_order(std::move(order)),
      m_updates(std::move(table), std::move(key))
{
}

std::vector<RecordStore::Row> RecordStore::readAll()
{
    QSqlQuery q = m_db.query(m_query);
    std::vector<Row> rows;
    while (q.next())
        rows.push_back(KeyedUpdates::fromRecord(q.record()));
    std::stable_sort(rows.begin(), rows.end(), [this](const Row &a, const Row &b) {
        for (const QString &column : m_order)
            if (const int c = compare(KeyedUpdates::value(a, column), KeyedUpdates::value(b, column)))
                return c < 0;
        return false;
    });
    return rows;
}

RecordStore::Row RecordStore::newRow()
{
    Row row = KeyedUpdates::fromRecord(m_db.connection().record(m_table));
    for (auto &column : row)
        column.second = QVariant(column.second.metaType());
    return row;
}

KeyedUpdates::Result RecordStore::applyUpdates(Interaction &ui, KeyedUpdates::OnRefusal policy)
{
    if (!hasPendingChanges())
        return {};
    const bool started = !m_db.inTransaction();
    m_db.begin();
    KeyedUpdates::Result result;
    try {
        result = m_updates.send(m_db, ui, policy, [this](Row &row) { beforeInsert(row); });
    } catch (...) {
        if (started)
            m_db.rollback();
        throw;
    }
    if (started && result.refused == 0)
        m_db.commit();
    return result;
}
