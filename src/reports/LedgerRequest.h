#pragma once

#include <QString>

// What the ledger printing dialog holds when "Ok" is pressed, and its statement.
struct LedgerRequest {
    enum class Filter { Consolidados, NaoConsolidados, PorVinculo };

    QString account; // BALCO as typed; empty for every account
    QString dateFrom;
    QString dateTo;
    Filter filter = Filter::Consolidados;
    QString group; // only with PorVinculo
    QString code;

    // Throws ReportInputError for a date that is not one.
    QString sql() const;
};
