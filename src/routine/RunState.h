#pragma once

#include <QDate>
#include <QString>

// What one monthly run knows besides the journal: the fiscal year, the month and
// its last day, and whether the entity is a town hall (name beginning with P).
struct RunState {
    QString fiscalYear;
    int month = 0;
    int runDay = 0;
    bool pEntity = false;

    // Month as it enters SQL text: no leading zero.
    QString monthText() const { return QString::number(month); }
    QDate runDate() const { return QDate(fiscalYear.toInt(), month, runDay); }
};
