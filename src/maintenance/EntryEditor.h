#pragma once

#include "data/ChartOfAccounts.h"
#include "data/JournalRow.h"

#include <QDate>
#include <QString>
#include <optional>

class Database;
class Interaction;
class JournalStore;

// The rules of the entry editor (`Tfrmmanu`): what happens when the user leaves
// a field, the checks of "Ok" and the values a new manual entry takes. The
// dialog only moves the texts between its fields and this class.
//
// A title entry is a system header row being changed: no account and a title
// beginning with "SISTE". It may carry neither account nor amount, and it keeps
// its title. Every other entry is an account entry.
class EntryEditor {
public:
    enum class Mode { Inclusao, Alteracao };
    static QString modeText(Mode mode);

    // What the dialog does after a field was left.
    enum class Next { Stay, OpenAccountLookup, ClearAccount, OpenHistoryLookup, OpenLinkLookup };
    // The field that gets the focus after a refused "Ok".
    enum class Field { None, Account, Date };

    // The texts of the dialog's fields when "Ok" is pressed.
    struct Input {
        QString seq;
        QString vingrupo;
        QString vincodigo;
        QString balco;
        QDate datae; // invalid: the date field is empty
        QString debit;
        QString credit;
        QString histo;
        QString discri;
    };

    struct AmountFields {
        QString debit;
        QString credit;
        bool debitEnabled = true;
        bool creditEnabled = true;
    };

    EntryEditor(Database &db, Interaction &ui, Mode mode, JournalRow row);

    Mode mode() const { return m_mode; }
    const JournalRow &row() const { return m_row; }
    const JournalRow &original() const { return m_original; }
    bool isTitleEntry() const { return m_titleEntry; }
    Input input() const;

    // Leaving the account field: the label beside it and what follows.
    struct AccountOutcome {
        QString label;
        Next next = Next::Stay;
    };
    AccountOutcome accountLeft(const QString &balco);
    // An account chosen in the look-up: the label beside the field.
    QString accountChosen(const ChartOfAccounts::Account &account);
    static QString accountLabel(const ChartOfAccounts::Account &account);
    static QString noAccountLabel();

    // Filling one amount zeroes and locks the other.
    static AmountFields debitLeft(const QString &debit, const QString &credit);
    static AmountFields creditLeft(const QString &debit, const QString &credit);
    // Neither empty nor zero.
    static bool amountFilled(const QString &text);

    // Every date of this dialog falls on the last day of its month.
    static QDate dateLeft(const QDate &date);

    // Leaving the history code: the text of the history, or the look-up.
    struct HistoryOutcome {
        std::optional<QString> discri;
        Next next = Next::Stay;
    };
    HistoryOutcome historyLeft(const QString &code);

    // Leaving the link fields: the name beside the field, or the look-up.
    struct LinkOutcome {
        QString name;
        Next next = Next::Stay;
    };
    LinkOutcome groupLeft(const QString &vingrupo);
    LinkOutcome codeLeft(const QString &vingrupo, const QString &vincodigo);

    // The checks of "Ok" in order; the first that fails is told and nothing
    // changes. On success the row holds what will be written.
    struct Refusal {
        QString text;
        Field focus = Field::None;
    };
    std::optional<Refusal> ok(const Input &input);

    // Writes the row "Ok" accepted: a new entry is added to the journal, a changed
    // one is written by its key. A refusal is told and stays pending in the journal.
    void save(JournalStore &journal);
    // "Cancela": the edit and every change of the journal not yet written go.
    static void cancel(JournalStore &journal);

    // The system title and block number of a new manual entry on this account.
    struct System {
        QString title;
        int imp = 0;
    };
    static System systemOf(const QString &balco);

    static constexpr const char *Caption = "Atenção";

private:
    std::optional<Refusal> refuse(const QString &text, Field focus = Field::None);
    std::optional<ChartOfAccounts::Account> findAccount(const QString &balco);
    void deriveNewEntry();

    Database &m_db;
    Interaction &m_ui;
    Mode m_mode;
    JournalRow m_original;
    JournalRow m_row;
    bool m_titleEntry;
};
