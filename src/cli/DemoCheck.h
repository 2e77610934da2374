#pragma once

#include <QString>
#include <QStringList>

class Database;

// The demo town's own consistency, read back from its databases: every rule the
// generator promises (payments within commitments, commitments within
// allocations, every account in the chart, every link pair named, the bank
// balances the previous year closed with, ...) and every kind of record the
// postings need. Each finding is one line; none means consistent.
class DemoCheck {
public:
    static QStringList currentYear(Database &db, int year);
    static QStringList previousYear(Database &db, int year);
    static QStringList betweenYears(Database &previous, Database &current);
    // The three checks on the two databases of a demo folder.
    static QStringList folder(const QString &dir, int year);
};
