#pragma once

#include "routine/MonthlyRun.h"

// The status rows of the monthly run with the category each one runs. A row whose
// category is not built yet has no factory and stays unmarked.
namespace CategoryCatalog {

const QList<MonthlyRun::StatusRow> &statusRows();

} // namespace CategoryCatalog
