#pragma once

#include <QString>
#include <optional>

class Database;

// The account typed into the ledger dialog, looked up in the chart.
namespace LedgerAccount {

// TITCO of the account with exactly this code; nothing when the chart lacks it.
std::optional<QString> title(Database &db, const QString &balco);
// Shown when a title account (no postings) is typed.
QString titleAccountMessage();

} // namespace LedgerAccount
