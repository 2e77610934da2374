#pragma once

#include <QString>
#include <functional>

class Database;
class Interaction;

// The monthly run over the months of the fiscal year, one after the other, up to
// the last month that has cash orders or commitments. The user may stop it
// between months; one end message closes it.
class AllMonthsRun {
public:
    AllMonthsRun(Database &db, Interaction &ui);

    // The last month with cash orders, or with commitments of the fiscal year,
    // whichever is later; 0 when there are none.
    int monthCount();
    // Calls `postMonth` with the index of each month's item (0 is January) until
    // the month count is reached or the user interrupts; progress goes from 0 to
    // count - 1. Returns how many months were posted.
    int run(const std::function<void(int index)> &postMonth);

private:
    Database &m_db;
    Interaction &m_ui;
};
