#pragma once

#include <QString>
#include <optional>

class Database;

// The account typed into the ledger dialog, looked up in the chart.
namespace LedgerAccount {

// TITCO of the account with exactly this code; nothing when the chart lacks it.
std::optional<QString> title(Database &db, const QString &balco);
// A code whose 5th and 6th characters are "00" is a title account: no posting
// is made to it.
bool isTitleAccount(const QString &balco);
QString titleAccountMessage();

} // namespace LedgerAccount
