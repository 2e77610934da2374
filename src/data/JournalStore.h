#pragma once

#include "data/JournalRow.h"
#include "data/JournalWriter.h"
#include "data/KeyedUpdates.h"

#include <QString>
#include <vector>

class Database;
class Interaction;

// The shared journal (`cdscondia`): CONDIA rows with the nature of their account
// joined from the chart, read in journal order, and the changes windows make to
// them until they are written back together. Rows can be read all at once or a
// range at a time, so that a window over a large journal fetches only what it
// shows; pending changes are kept by key and do not need the rows in memory.
class JournalStore {
public:
    // The dataset's query, as every workstation of the suite sends it.
    static const QString Query;
    // The journal order as an ORDER BY over the query taken as the derived table J.
    static const QString OrderBy;

    explicit JournalStore(Database &db);

    // Opening the journal restarts the line counter at the number of CONDIA rows
    // and forgets what was pending.
    void open();
    qint64 lineCounter() const { return m_writer.lineCounter(); }

    // Every row, in journal order.
    std::vector<JournalRow> readAll();
    // `count` rows from position `first` (0-based) of the journal order.
    std::vector<JournalRow> readRange(qint64 first, int count);
    qint64 rowCount();

    // DATAE, IE, IMP as a number, VINGRUPO, VINCODIGO, nature descending (the
    // header row "T" first, then "D", then "C"), BALCO; SEQ and SEQUENCIA keep
    // rows that tie in a fixed order.
    static bool journalOrder(const JournalRow &a, const JournalRow &b);
    // LANCAMENTO: the label of the row's entry kind, empty when it has none.
    static QString label(const JournalRow &row);

    // A new row: SEQUENCIA 0 (the database gives the key) and the next line
    // number as SEQ. Returns the row as it will be written.
    JournalRow insert(JournalRow row);
    // `original` is the row as read (or as inserted); `changed` the same row
    // after the user's edits. D_C and AUTOMA are never written.
    void change(const JournalRow &original, const JournalRow &changed);
    void remove(const JournalRow &row);

    bool hasPendingChanges() const;
    const std::vector<JournalRow> &pendingInserts() const { return m_writer.pending(); }
    void cancelUpdates();

    // Writes every pending change in the shared transaction (started when none is
    // in course, committed when this call started it). A refused row is told,
    // skipped and stays pending; the others are written. Returns the rows written.
    int applyUpdates(Interaction &ui);

    static KeyedUpdates::Columns columns(const JournalRow &row);

private:
    JournalRow *pendingInsert(const JournalRow &row);

    Database &m_db;
    JournalWriter m_writer;
    KeyedUpdates m_updates;
};
