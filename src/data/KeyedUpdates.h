#pragma once

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <functional>
#include <utility>

class Database;
class Interaction;

// The pending changes of one table, kept in memory until they are sent. A changed
// or deleted row is found by its key column alone and only the columns whose value
// changed are written, so two workstations that change different columns of one
// row do not undo each other's work. A row the database refuses is told to the
// user and stays pending; what happens to the others depends on the policy.
class KeyedUpdates {
public:
    // Column name and value, in the table's column order; a null value is NULL.
    using Columns = QList<std::pair<QString, QVariant>>;

    enum class OnRefusal { SkipRow, Stop };
    struct Result {
        int written = 0;
        int refused = 0;
    };

    KeyedUpdates(QString table, QString keyColumn);

    void insert(Columns row);
    // A second change of a row keeps the first original; a change of a row that is
    // still waiting to be inserted changes what will be inserted.
    void change(const Columns &original, const Columns &current);
    // Removing a row that is still waiting to be inserted just forgets it.
    void remove(const Columns &original);

    bool isEmpty() const { return m_entries.isEmpty(); }
    qsizetype size() const { return m_entries.size(); }
    void clear() { m_entries.clear(); }

    // Sends the pending changes in the order they were made, inside the
    // transaction in course (the caller starts and commits it). `beforeInsert`
    // may fill in what the database decides at the moment of writing.
    Result send(Database &db, Interaction &ui, OnRefusal policy,
                const std::function<void(Columns &)> &beforeInsert = {});

    static Columns fromRecord(const QSqlRecord &record);
    static QVariant value(const Columns &row, const QString &column);
    static void setValue(Columns &row, const QString &column, const QVariant &value);
    // What the user reads when a changed or deleted row is no longer in the table.
    static QString rowGoneText();

private:
    enum class Kind { Insert, Update, Delete };
    struct Entry {
        Kind kind;
        Columns original;
        Columns current;
    };

    Entry *pendingInsertEqualTo(const Columns &row);
    Entry *pendingByKey(const Columns &original);
    void write(Database &db, Entry &entry, const std::function<void(Columns &)> &beforeInsert) const;

    QString m_table;
    QString m_key;
    QList<Entry> m_entries;
};
