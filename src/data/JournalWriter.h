#pragma once

#include "data/JournalRow.h"

#include <QString>
#include <vector>

class Database;
class Interaction;

// Appends new journal rows: each gets SEQUENCIA 0 (the database gives the key)
// and the next value of the writer's line counter as SEQ. Rows wait in memory and
// reach the database together, in the order they were appended, in one
// transaction. A row the database refuses is told to the user and stays pending;
// the others are written.
class JournalWriter {
public:
    explicit JournalWriter(Database &db);

    // The line counter starts at the number of rows the journal holds.
    void resetCounter();
    qint64 lineCounter() const { return m_counter; }

    JournalRow &append(JournalRow row);
    const std::vector<JournalRow> &pending() const { return m_pending; }
    // For a dataset that lets the user edit a new row before it is written.
    std::vector<JournalRow> &pending() { return m_pending; }
    void discardPending() { m_pending.clear(); }

    // Writes the pending rows; joins a transaction in course, otherwise runs and
    // commits one of its own. Returns how many rows were written.
    int flush(Interaction &ui);

    static QString refusalMessage(const QString &driverText);
    static constexpr const char *RefusalCaption = "Atenção";

private:
    Database &m_db;
    qint64 m_counter = 0;
    std::vector<JournalRow> m_pending;
};
