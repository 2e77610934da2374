#pragma once

#include <QString>
#include <optional>

class Database;

// The names of a link group and code, as the printing dialogs find them when the
// user leaves "Grupo" and "Codigo": the first group (code) starting with the typed
// text.
namespace LinkNames {

// VINGRUPONOME of the first group starting with `group`; nothing when none does.
std::optional<QString> groupName(Database &db, const QString &group);
// VINCODIGONOME of the first code starting with `code` in a group starting with `group`.
std::optional<QString> codeName(Database &db, const QString &group, const QString &code);

// The messages (caption "Atenção") shown when nothing starts with the typed text.
QString missingGroupMessage(const QString &group);
QString missingCodeMessage(const QString &group, const QString &code);
QString caption();

} // namespace LinkNames
