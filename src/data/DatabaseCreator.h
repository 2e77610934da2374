#pragma once

#include <QString>

// Creates an empty fiscal-year database through the Firebird client library (the
// Qt driver cannot create databases), owned by the suite's fixed user, dialect 3,
// character set WIN1252. `name` is a path (embedded) or "host:path" (server).
namespace DatabaseCreator {

// Throws DbError when the engine refuses (file exists, no rights, server down).
void create(const QString &name);

} // namespace DatabaseCreator
