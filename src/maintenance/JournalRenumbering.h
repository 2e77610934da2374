#pragma once

#include <QString>
#include <functional>
#include <vector>
#include <stdexcept>

class Database;
class Interaction;

// Puts the journal in order (`Reorganizar`): removes the rows that carry nothing,
// writes one system header row at the head of every run of rows of one date,
// entry kind, system and link, and numbers every row SEQ 1, 2, 3, ... in the
// journal order.
//
// Three passes, each in a transaction of its own:
//  1. purge: old header rows, rows without date, rows without amounts;
//  2. headers: one per run, committed together (the rows keep their SEQ);
//  3. numbering: all or nothing; a refused row rolls the whole pass back and
//     the headers of pass 2 stay until the next run removes them.
class JournalRenumbering {
public:
    // A header the database refused: the run stops and the window's error
    // handling shows the text. The purge and the headers written before stay.
    class HeaderRefused : public std::runtime_error {
    public:
        HeaderRefused(const QString &driverText, const QString &seq);
        const QString &text() const { return m_text; }

    private:
        QString m_text;
    };

    // The rows of the current pass (value of maximum) and the whole run in percent.
    using Progress = std::function<void(int row, int rows, int overall)>;

    JournalRenumbering(Database &db, Interaction &ui);
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // True when the new numbers were written; false when pass 3 was refused and
    // rolled back. Throws HeaderRefused when a header insertion failed.
    bool Reorganizar();

    struct Counts {
        int purged = 0;
        int headers = 0;
        int renumbered = 0;
    };
    const Counts &counts() const { return m_counts; }

    static QString successText();
    static QString cancelledText();

private:
    struct Row;

    void purge();
    void deleteOneByOne(const QString &condition);
    void writeHeaders();
    void writeHeadersOneByOne();
    bool renumber();
    std::vector<Row> readInJournalOrder();
    void report(int row, int rows, int overall);

    Database &m_db;
    Interaction &m_ui;
    Progress m_progress;
    Counts m_counts;
};
