#include "data/HistoryStore.h"

#include "data/StandardHistories.h"

HistoryStore::HistoryStore(Database &db)
    : RecordStore(db, QStringLiteral("CONHIS"), QStringLiteral("HISTO"), {QStringLiteral("HISTO")})
{
}

RecordStore::Row HistoryStore::newHistory()
{
    Row row = newRow();
    KeyedUpdates::setValue(row, QStringLiteral("HISTO"), 0);
    return row;
}

void HistoryStore::beforeInsert(Row &row)
{
    KeyedUpdates::setValue(row, QStringLiteral("HISTO"), StandardHistories::nextCode(m_db));
}
