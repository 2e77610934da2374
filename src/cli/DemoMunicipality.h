#pragma once

#include "cli/DemoPreviousYear.h"
#include "cli/DemoYear.h"
#include "data/Money.h"

#include <QList>
#include <QString>

class Database;
class Interaction;

struct DemoOptions {
    QString dir;
    int year = 0;       // the demo (current) fiscal year
    double scale = 1;   // 1: a small town; 10: a mid-size city
    quint64 seed = 1;   // the same seed gives the same town
};

// A fictional town hall with two fiscal years of realistic data, for trying the
// program out and for the tests and benchmarks: in DIR a Zolv.ini (local mode)
// and the databases ARQ<year-1>/ZOLV<year-1>.FDB (closed: final balances and
// the FINAL row) and ARQ<year>/ZOLV<year>.FDB (twelve months of budget
// execution, journal empty).
class DemoMunicipality {
public:
    struct Plan {
        DemoYear current;
        QList<DemoPreviousYear::Line> previousJournal;
    };
    struct Total {
        QString table;
        qint64 rows = 0;
        Money amount;
    };

    // Refuses (message, nothing touched) when DIR already holds a Zolv.ini or
    // either database; also false when the user stopped it, with everything it
    // had made removed. Database errors are passed on, after the same clean-up.
    static bool create(const DemoOptions &options, Interaction &ui);
    // Both years' data, drawn but not written.
    static Plan plan(int year, double scale, quint64 seed);

    static QString iniPath(const QString &dir);
    static QString databasePath(const QString &dir, int year);
    // Rows and main amount of every table the demo fills, to compare two towns.
    static QList<Total> totals(Database &db);
};
