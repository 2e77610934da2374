#pragma once

#include <QString>

class Database;

// The entity the database belongs to, as the status bar shows it (CADCLI.CLNT1).
namespace EntityName {

// Empty when the table has no row.
QString read(Database &db);

} // namespace EntityName
