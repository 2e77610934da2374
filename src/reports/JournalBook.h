#pragma once

#include "reports/JournalRequest.h"
#include "reports/LinkLines.h"
#include "reports/Report.h"
#include "reports/ReportEntity.h"

#include <memory>

class Database;

// The journal ("Diário"): the final book (report `relatorio`) and the
// preliminary one with line numbers (report `relatorio2`), both totalled per
// run of IMP.
namespace JournalBook {

std::unique_ptr<ReportDefinition> finalDefinition(const ReportEntity &entity, const LinkLines &links);
std::unique_ptr<ReportDefinition> draftDefinition(const ReportEntity &entity, const LinkLines &links);

// Runs the request's statement and returns the book, not yet laid out.
// Throws ReportInputError for a bad typed value and DbError for a refused query.
std::unique_ptr<Report> make(Database &db, const JournalRequest &request, const LinkLines &links);

} // namespace JournalBook
