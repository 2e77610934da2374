#pragma once

#include <QString>

// What the ledger-by-system dialog holds when "Ok" is pressed, and its statement.
struct LedgerSystemRequest {
    int system = 0; // 1 budgetary .. 4 economic; 0 when none was chosen
    QString dateFrom;
    QString dateTo;
    QString group; // as typed, matched without a wildcard
    QString code;

    // Throws ReportInputError for a date that is not one.
    QString sql() const;
    // The ledger title for the whole book.
    QString title() const;
};
