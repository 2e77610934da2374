#pragma once

#include <QString>

// What the journal printing dialog holds when "Ok" is pressed, and the statement
// it gives. The final journal ("DIARIO") and the preliminary one by period use the
// dates; the preliminary one by record uses the line numbers.
struct JournalRequest {
    enum class Mode { Diario, RascunhoPeriodo, RascunhoRegistro };

    Mode mode = Mode::Diario;
    QString dateFrom; // "dd/mm/aaaa" as the masked field holds it
    QString dateTo;
    QString seqFrom;
    QString seqTo;
    QString group; // VINGRUPO as typed
    QString code;  // VINCODIGO as typed

    // The mode names the main window passes: "DIARIO", "RASCUNHO PERIODO", "RASCUNHO REGISTRO".
    static Mode modeFromName(const QString &name);
    bool isDraft() const { return mode != Mode::Diario; }
    bool usesPeriod() const { return mode != Mode::RascunhoRegistro; }

    // " WHERE ..." or empty. Throws ReportInputError for a date or number that is not one.
    QString filter() const;
    // The whole statement, in the order of the chosen form.
    QString sql() const;
};
