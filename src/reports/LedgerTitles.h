#pragma once

#include <QChar>
#include <QString>

// The ledger titles by system (first digit of the account).
namespace LedgerTitles {

// "R A Z Ã O   O R Ç A M E N T A R I O" .. "R A Z Ã O   E C O N O M I C O"; empty
// for a digit that names no system.
QString forSystem(QChar digit);
// The title a ledger starts with.
QString initial();

} // namespace LedgerTitles
