#pragma once

#include <QDate>
#include <QList>
#include <QString>

class DemoRandom;
struct DemoSizes;
struct DemoYear;

// The journal of the year before the demo year, closed: its opening entries,
// twelve months of postings in the four systems and the closing entries, built
// so that its patrimonial balances are what the demo year starts from (cash
// and bank balances, the payables carried over, the extra-budget items' balances).
namespace DemoPreviousYear {

struct Line { // CONDIA
    QDate date;
    int ie = 0;
    QString imp;
    QString balco; // empty for a system header row
    QString titco;
    int histo = 0; // 0: DISCRI is a text of its own
    QString discri;
    qint64 debit = 0;
    qint64 credit = 0;
    QString tipo;
    QString group;
    QString code;
};

// `current` is the demo year, already planned.
QList<Line> journal(const DemoYear &current, const DemoSizes &sizes, DemoRandom &random);

} // namespace DemoPreviousYear
