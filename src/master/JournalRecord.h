#pragma once

#include "data/JournalRow.h"

#include <QSqlRecord>

// A journal row as a query over CONDIA (whole rows, with or without the nature
// D_C of the journal query) brings it: texts trimmed, amounts exact, a missing
// nature read as "T".
namespace JournalRecord {

JournalRow read(const QSqlRecord &record);

} // namespace JournalRecord
