#pragma once

#include "yearend/ProblemFile.h"

#include <QString>
#include <QStringList>

class Database;
class Interaction;

// Before a year's journal is opened, every extra-budget record and every bank or
// cash account must carry a patrimonial account that the chart knows, and the
// receipt and payment sides of an extra-budget item must use the same account.
// The findings go to the problem file; a conference that finds nothing deletes it.
class OpeningConference {
public:
    // `directory` is the fiscal year's data directory (path code "D").
    OpeningConference(Database &db, const QString &directory, Interaction &ui);

    // Writes the problem file anew with the verification blocks; true when it
    // wrote at least one. Throws when the file cannot be written.
    bool VerificaProblemas();
    // The verification and then the conference blocks; true when a problem was
    // found or the work failed. Tells the user when problems were found, and
    // deletes the file when there were none.
    bool conferencia();

    const ProblemFile &file() const { return m_file; }

    static constexpr const char *Caption = "ATENÇÃO!";
    static QString problemsMessage();

private:
    bool crossBlocks();
    bool conferenceBlock(const QString &sql, int ruleWidth, const QString &title1, const QString &title2,
                         QString (*rowLine)(const QStringList &));
    // Runs a query and gives every row as texts, trailing blanks removed.
    QList<QStringList> rows(const QString &sql);
    void writeBlock(const QString &title1, const QString &title2, const QStringList &lines, const QStringList &solution);

    Database &m_db;
    ProblemFile m_file;
    Interaction &m_ui;
};
