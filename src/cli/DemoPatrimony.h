#pragma once

class DemoRandom;
struct DemoSizes;
struct DemoYear;

// The register of patrimonial goods: goods bought or received as donations in
// the year, older goods, and the year's write-offs and transfers between units.
namespace DemoPatrimony {

void run(DemoYear &year, const DemoSizes &sizes, DemoRandom &random);

} // namespace DemoPatrimony
