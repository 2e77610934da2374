#include "data/ChartStore.h"

ChartStore::ChartStore(Database &db)
    : RecordStore(db, QStringLiteral("CONPLA"), QStringLiteral("BALCO"),
                  {QStringLiteral("TIP"), QStringLiteral("D_C"), QStringLiteral("BALCO")})
{
}
