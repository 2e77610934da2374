#pragma once

#include <QString>

// Firebird writes every page to disk synchronously by default ("forced writes"),
// which makes a bulk load many times slower than the rows themselves cost. The
// demo switches it off while it fills a new database it alone uses, and on again
// before handing the database over.
namespace DemoForcedWrites {

// Throws DbError when the database cannot be attached.
void set(const QString &path, bool on);

} // namespace DemoForcedWrites
