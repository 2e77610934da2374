#pragma once

#include "data/Interaction.h"

#include <QString>
#include <array>
#include <exception>
#include <functional>
#include <memory>

class Database;
class PathResolver;
class PreviousYear;

// The opening entries of a fiscal year: the previous year's patrimonial balances,
// the cash and bank balances and the new budget become the first journal rows,
// dated 1 January; then the chart is brought up to the standard accounts and the
// classification of the budget records is checked.
//
// The three groups are posted in one transaction: either the whole opening is
// written or, when something outside the groups fails, nothing is. An error that
// is not a group's own escapes as an exception after the rollback.
class OpeningRun {
public:
    // The steps in the order of the window's check boxes.
    enum class Step { Patrimonial, Financial, Budget, Repair, Conference };
    static constexpr std::array<Step, 5> steps = {Step::Patrimonial, Step::Financial, Step::Budget, Step::Repair,
                                                  Step::Conference};

    struct Options {
        bool patrimonial = true;
        bool financial = true;
        bool budget = true;
        bool repair = true;
        bool conference = true;

        bool anyGroup() const { return patrimonial || financial || budget; }
    };
    enum class Outcome { Declined, Completed };
    // Called when a step ends: true shows "OK", false "Erro".
    using Mark = std::function<void(Step, bool ok)>;
    // Asks with the buttons "Apagar" (Yes), "Não Apagar" (No) and Cancel.
    using ThreeWayQuestion = std::function<Interaction::Button(const QString &text, const QString &caption)>;

    OpeningRun(Database &db, const PathResolver &paths, Interaction &ui);
    ~OpeningRun();

    // A window asks the keep-or-delete question with its own button captions;
    // without one the question goes to the interaction with Yes, No and Cancel.
    void setThreeWayQuestion(ThreeWayQuestion ask) { m_threeWay = std::move(ask); }

    Outcome run(const Options &options, const Mark &mark);

    // After a run: was the previous year's database found, and the link it was closed for.
    bool previousYearFound() const { return m_previousFound; }
    const QString &finalGroup() const { return m_finalGroup; }

    // Which of the kinds 1, 2 and 3 have no opening rows yet.
    static std::array<bool, 3> groupsWithoutRows(Database &db);
    // Recomputes every balance of the chart from its totals, by the account's nature.
    static void atualiza_saldo_conpla(Database &db);

    static QString caption(Step step);
    static QString doneMessage() { return QStringLiteral("LANÇAMENTOS EFETUADOS!"); }
    static constexpr const char *ConfirmCaption = "Continua?";
    static QString existingRowsQuestion();
    static QString manualRowsQuestion();
    static constexpr const char *KeepCaption = "Lançamentos iniciais já existentes! O que fazer?";
    static QString keepQuestion();
    // An error that escapes the run reaches the user as any error no step
    // handles: the program's title as caption, the error's own words.
    static constexpr const char *ErrorCaption = "Diário/Razão";
    static QString errorText(const std::exception &error);

private:
    void readFiscalYear();
    bool confirm(const Options &options);
    void findPreviousYear();
    void clearOldRows(const Options &options);

    Database &m_db;
    const PathResolver &m_paths;
    Interaction &m_ui;
    ThreeWayQuestion m_threeWay;
    QString m_fiscalYear;
    std::unique_ptr<PreviousYear> m_previous;
    bool m_previousFound = false;
    QString m_finalGroup;
    QString m_finalCode;
};
