#pragma once

#include <QString>
#include <QStringList>

// Splits an isql-style script into statements: ";" ends a statement unless
// "SET TERM" chose another terminator; "--" comments and blank lines go.
namespace SqlScript {
QStringList split(const QString &script);
}
