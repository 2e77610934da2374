#pragma once

class DemoRandom;
struct DemoSizes;
struct DemoYear;

// The town's bank and cash accounts of every kind, each with its opening balance
// (a cash order dated 1 January, as the suite registers it) and the cash orders
// of every month, which follow the money its link received and paid.
namespace DemoTreasury {

void run(DemoYear &year, const DemoSizes &sizes, DemoRandom &random);

} // namespace DemoTreasury
