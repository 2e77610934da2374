#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Reading what the printing dialogs' fields hold, the way their masks give it.
namespace ReportInput {

// A date field with the mask "99/99/9999" (day/month/year): blank (only blanks
// and separators) gives nothing; anything else must be a real date or
// ReportInputError is thrown.
std::optional<QDate> date(const QString &typed);
// A line-number field: empty or "0" gives nothing; otherwise a whole number.
std::optional<int> lineNumber(const QString &typed);
// " AND "-joined conditions; empty when there are none.
QString joinConditions(const QStringList &conditions);

} // namespace ReportInput
