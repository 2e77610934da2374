#pragma once

#include "data/KeyedUpdates.h"

#include <QStringList>
#include <vector>

class Database;
class Interaction;

// A shared dataset over one table read whole ("select * from" the table), every
// column as the table holds it, ordered locally, with the changes windows make
// kept until they are written back. A changed or deleted row is found by the key
// column alone.
class RecordStore {
public:
    using Row = KeyedUpdates::Columns;

    // Every row, in the dataset's order.
    std::vector<Row> readAll();
    // A row with every column of the table, all NULL.
    Row newRow();

    void insert(Row row) { m_updates.insert(std::move(row)); }
    void change(const Row &original, const Row &current) { m_updates.change(original, current); }
    void remove(const Row &original) { m_updates.remove(original); }
    bool hasPendingChanges() const { return !m_updates.isEmpty(); }
    void cancelUpdates() { m_updates.clear(); }

    // Sends the pending changes in the transaction in course, or in one started
    // here. That transaction is committed only when no row was refused; after a
    // refusal it stays open, so that the window decides between saving again and
    // rolling back.
    KeyedUpdates::Result applyUpdates(Interaction &ui, KeyedUpdates::OnRefusal policy);

    const QString &query() const { return m_query; }

protected:
    RecordStore(Database &db, QString table, QString key, QStringList order);
    virtual ~RecordStore() = default;
    // What the database decides when a new row is written.
    virtual void beforeInsert(Row &) {}

    Database &m_db;

private:
    QString m_table;
    QString m_query;
    QStringList m_order;
    KeyedUpdates m_updates;
};
