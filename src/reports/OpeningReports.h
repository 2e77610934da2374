#pragma once

#include "reports/Report.h"

#include <QString>
#include <memory>

class Database;

// The two printouts of the opening verification: the problems found
// ("Imprimir ERROS", report `relatorio2`) and the conference of the extra-budget
// records against the chart ("Conferência Extra", report `relatorio1`, with its
// cross reference printed as a section after it).
namespace OpeningReports {

// The problem text as the opening window's memo holds it, one printed line per
// line of text; an empty text prints only the headers and "F I M".
std::unique_ptr<Report> errors(const QString &problems);
// Throws DbError when a query is refused.
std::unique_ptr<Report> extraConference(Database &db);

// The statements of the conference, as the suite has always run them.
QString fichasSql();
QString crossReferenceSql();

} // namespace OpeningReports
