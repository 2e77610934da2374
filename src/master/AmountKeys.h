#pragma once

#include <QChar>
#include <optional>

// What amount boxes accept as the user types: the character to put in the box,
// or nothing when the key is ignored. Backspace and Enter are always let through.
namespace AmountKeys {

// Search and filter boxes: digits, ",", "-"; a "." becomes ",".
std::optional<QChar> search(QChar typed);
// Amount fields of an entry: digits and "," only.
std::optional<QChar> entry(QChar typed);

} // namespace AmountKeys
