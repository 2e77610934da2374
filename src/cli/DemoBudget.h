#pragma once

class DemoRandom;
struct DemoSizes;
struct DemoYear;

// The town's structure and its budget law: link groups and pairs, spending units,
// suppliers, the revenue table, the expenditure allocations and revenue estimates
// (budget and extra-budget), and the supplementary and special credits opened
// during the year with their decrees.
namespace DemoBudget {

void plan(DemoYear &year, const DemoSizes &sizes, DemoRandom &random);

} // namespace DemoBudget
