#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cmath>

// How big the demo town is at a scale: scale 1 is a small town, scale 10 a
// mid-size city. Counts grow in proportion to the scale; the link pairs grow more
// slowly (20 at scale 1, 100 at scale 10), and every count has a floor so that a
// fractional scale still holds every kind of record.
struct DemoSizes {
    double scale = 1;
    qint64 budget = 0;          // the year's budget in cents
    int linkPairs = 0;
    int allocations = 0;        // budget expenditure allocations with an appropriation
    int specialAllocations = 0; // allocations created by a special credit
    int supplementaryCredits = 0;
    int budgetCommitments = 0;
    int restosCommitments = 0;  // payables of the year before
    int perMonthExtra = 0;      // receipts and payments per extra-budget item and month
    int budgetReceipts = 0;
    int suppliers = 0;
    int newGoods = 0;
    int oldGoods = 0;
    int writeOffs = 0;
    int transfers = 0;          // movements of goods between units

    static DemoSizes at(double scale)
    {
        auto count = [scale](double atOne, int floor) { return std::max(floor, int(std::lround(atOne * scale))); };
        DemoSizes s;
        s.scale = scale;
        s.budget = qint64(std::llround(6.0e9 * scale));
        s.linkPairs = std::max(10, int(std::lround(20.0 * std::pow(scale, 0.699))));
        s.allocations = count(250, 60);
        s.specialAllocations = count(12, 3);
        s.supplementaryCredits = count(40, 12);
        s.budgetCommitments = count(4400, 300);
        s.restosCommitments = count(150, 10);
        s.perMonthExtra = count(1.5, 1);
        s.budgetReceipts = count(3300, 200);
        s.suppliers = count(300, 40);
        s.newGoods = count(300, 30);
        s.oldGoods = count(150, 20);
        s.writeOffs = count(40, 8);
        s.transfers = count(60, 8);
        return s;
    }
};
