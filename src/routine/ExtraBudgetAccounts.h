#pragma once

#include <QString>
#include <optional>

// The financial account that an extra-budget movement goes to, chosen by the
// prefix of its allocation account. Receipts (consignments collected) and
// payments (their passing on) have tables of their own; the extra-budget run,
// the employer contribution and the financial transfers read the same tables.
namespace ExtraBudgetAccounts {

// Financial account credited for a receipt; nothing when no prefix matches.
std::optional<QString> receipt(const QString &allocation);
// Financial account debited for a payment; nothing when no prefix matches.
std::optional<QString> payment(const QString &allocation);
// Characters 5 and 6 of an allocation account: the detail that several derived
// accounts carry over ("2113" + DD, "1414" + XY...).
QString detail(const QString &allocation);

} // namespace ExtraBudgetAccounts
