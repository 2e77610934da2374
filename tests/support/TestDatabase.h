#pragma once

#include "data/Database.h"

#include <QString>
#include <memory>

// Fresh fiscal-year databases for tests. The schema is applied once per test
// process to a template file; every fresh() copies it, so each test starts from
// an empty database of its own. The embedded engine of the process keeps its
// lock files in a directory of its own.
namespace TestDatabase {

// The directory that holds this process's databases (created on first use).
QString workDir();
// Path of a new empty database made from the schema (the connection is not opened).
QString freshFile(const QString &stem = QStringLiteral("t"));
// An open connection to a new empty database.
std::unique_ptr<Database> fresh(const QString &stem = QStringLiteral("t"));

} // namespace TestDatabase
