#include "yearend/OpeningContext.h"

#include "data/ChartOfAccounts.h"

void OpeningContext::reloadChart()
{
    chart = ChartOfAccounts::load(db);
}
