#pragma once

#include "routine/RunState.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Category;
class Database;
class Interaction;
struct MonthlyContext;

// The monthly posting run: the sixteen status rows in order, each running its
// category, each category's rows written in a transaction of their own; between
// categories the user may interrupt; at the end the zero-line cleanup.
class MonthlyRun {
public:
    using Factory = std::function<std::unique_ptr<Category>(MonthlyContext &)>;
    struct StatusRow {
        QString caption;
        QString operation; // the category's name, empty for the row that posts nothing
        Factory make;      // empty while the category is not available
    };
    enum class Outcome { NoMonth, EmptyJournal, AllMonthsRequested, Interrupted, Completed };
    // Called after each status row: its index (0-15) and the result.
    using Mark = std::function<void(int row, bool ok)>;
    // What a window shows of the run as it goes; every member may be left empty.
    struct Events {
        // The journal holds rows: the run is accepted (the interruption flag is
        // cleared here, also when all months are asked for).
        std::function<void()> starting;
        // The month's categories are about to run.
        std::function<void()> posting;
        Mark marked;
        // No category runs any more: after the last one, before the zero-line
        // cleanup, or after the interruption has been told.
        std::function<void()> postingDone;
    };

    static const QList<StatusRow> &statusRows();
    // " 1- Janeiro" ... "12- Dezembro", "TODOS".
    static const QStringList &monthItems();
    // "1".."12" from an item, 0 for "TODOS" or nothing.
    static int monthOf(const QString &item);

    MonthlyRun(Database &db, Interaction &ui);

    // `item` is the chosen entry of the month list (empty when none). When
    // `allMonths` is set, the run is one month of an all-months run and does not
    // show its end message.
    Outcome run(const QString &item, const Events &events, bool allMonths = false);
    Outcome run(const QString &item, const Mark &mark, bool allMonths = false);
    const RunState &state() const { return m_state; }

    static constexpr const char *Caption = "Atenção";
    static QString noMonthMessage();
    static QString emptyJournalMessage();
    static QString interruptedMessage();
    static QString endMessage();

private:
    void readEntity();
    void cleanZeroLines();

    Database &m_db;
    Interaction &m_ui;
    RunState m_state;
};
