#pragma once

class DemoRandom;
struct DemoSizes;
struct DemoYear;

// Twelve months of execution of the planned budget: commitments and annulments
// within what each allocation holds, payments within what each commitment
// holds, revenue collected, the extra-budget items' money in and out, the
// payables of the year before paid and cancelled, and the payables left at the
// end of the year. Also tells which balances the year before must close with.
namespace DemoExecution {

void run(DemoYear &year, const DemoSizes &sizes, DemoRandom &random);

} // namespace DemoExecution
