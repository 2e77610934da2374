#pragma once

#include <QSet>
#include <QString>

class Database;
class Interaction;

// Brings the year's chart up to the standard accounts that the automatic postings
// name, corrects type and nature of every account, adds the rules of the own
// social security regime to CONAUT and derives a few accounts from accounts in
// use. It only adds accounts and rules and corrects TIP and D_C: nothing is
// deleted or renamed, so it can run any number of times.
class ChartRepair {
public:
    ChartRepair(Database &db, Interaction &ui);

    // True when it completes. An error is told to the user and thrown on; what
    // was done before it stays.
    bool corrige_plano();
    // Inserts the account when the chart does not have it.
    void garante_conta(const QString &code, const QString &title, QChar nature);
    // Accounts under `newPrefix` for the journal's accounts under `sourcePrefix`
    // (same last two digits and title), nature "D".
    void copia_contas(const QString &newPrefix, const QString &sourcePrefix);

    static QString errorMessage(const QString &text) { return QStringLiteral("O seguinte erro ocorreu:") + text; }
    static constexpr const char *ErrorCaption = "Diário/Razão";

private:
    void socialSecurityRules();
    void actuarialRules();
    void typeAndNature();
    void standardAccounts();
    void mirrorAccounts();
    void mirror(const QString &sourcePrefix, const QString &newPrefix, QChar nature);

    Database &m_db;
    Interaction &m_ui;
    QSet<QString> m_existing;
};
