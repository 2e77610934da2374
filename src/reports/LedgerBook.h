#pragma once

#include "reports/LedgerRequest.h"
#include "reports/LedgerSystemRequest.h"
#include "reports/LinkLines.h"
#include "reports/Report.h"
#include "reports/ReportEntity.h"

#include <memory>

class Database;

// The ledger ("Razão"): each account on pages of its own with its lines, its
// totals and its balance on the debit or the credit side. The ledger by system
// is the same book with a fixed title and a few measures of its own.
namespace LedgerBook {

enum class Variant { Ledger, BySystem };

// `fixedTitle` empty: the title follows the first digit of the account on the page.
std::unique_ptr<ReportDefinition> definition(const ReportEntity &entity, const LinkLines &links, Variant variant,
                                             const QString &fixedTitle = {});

// Throw ReportInputError for a bad typed value and DbError for a refused query.
std::unique_ptr<Report> make(Database &db, const LedgerRequest &request, const LinkLines &links);
std::unique_ptr<Report> make(Database &db, const LedgerSystemRequest &request, const LinkLines &links);

} // namespace LedgerBook
