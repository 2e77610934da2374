#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>

class ChartOfAccounts;
class Interaction;
class JournalWriter;
class StandardHistories;
struct JournalRow;

// Appends journal lines for the automatic postings: the account's title from the
// chart, the history's text, the date and block number in force. The monthly
// run, the opening, the closing, the manual postings and the incorporation all
// post through this one routine; each sets the date and block numbers it uses.
//
// An account missing from the chart is told to the user and the line is still
// written, with its amount and without account. A category that cannot map a
// code to an account passes the code itself, so the warning names it.
class PostingRoutine {
public:
    // A code the category's rules have no account for. Its line is written with
    // its amount and without account, and the warning names the code, even when
    // the chart happens to hold an account of that number (an allocation account
    // in no mapping is often a real account of another system).
    struct Unmapped {
        QString code;
    };
    PostingRoutine(JournalWriter &writer, const ChartOfAccounts &chart, const StandardHistories &histories, Interaction &ui);

    void setDate(const QDate &date) { m_date = date; }
    QDate date() const { return m_date; }
    void setBlock(int block) { m_block = block; }
    int block() const { return m_block; }
    // Raises the block number by one and returns the new value.
    int raiseBlock() { return ++m_block; }
    // The opening leaves out lines of amount zero instead of writing them.
    void setSkipZeroAmounts(bool skip) { m_skipZero = skip; }
    // The opening writes a line without account silently; only the mapping rules
    // that cannot place a code ask for the warning.
    void setWarnMissingAccount(bool warn) { m_warnMissing = warn; }
    bool warnsMissingAccount() const { return m_warnMissing; }

    // Line with a standard history. `column` is "debit" or "credi" in any case.
    void Salva_condia(const QString &vingrupo, const QString &vincodigo, const QString &balco, int histo,
                      const QString &column, int ie, Money amount);
    // Line with a description text instead of a standard history.
    void salva_condia_HIST(const QString &vingrupo, const QString &vincodigo, const QString &balco, const QString &column,
                           int ie, Money amount, const QString &text);
    void Salva_condia(const QString &vingrupo, const QString &vincodigo, const Unmapped &account, int histo,
                      const QString &column, int ie, Money amount);
    void salva_condia_HIST(const QString &vingrupo, const QString &vincodigo, const Unmapped &account,
                           const QString &column, int ie, Money amount, const QString &text);
    // A line written as the caller gives it, on the date in force: the account is
    // not looked up (the title is the caller's), and it has no history and no
    // block number.
    void direct(const QString &vingrupo, const QString &vincodigo, const QString &balco, const QString &titco,
                const QString &column, int ie, Money amount, const QString &text);
    // System header row of a block: no account, no amounts, no link pair, the
    // current block number. Returned so that a caller may add the columns its
    // headers carry besides (a link pair, TIPO); valid until the next append.
    JournalRow &header(int ie, int system);

    // "SISTEMA ORCAMENTARIO" ... "SISTEMA ECONOMICO" for systems 1 to 4.
    static QString systemTitle(int system);
    static QString missingAccountMessage(const QString &balco, bool withHistory);
    static constexpr const char *MissingAccountCaption = "Erro de lançamento";

private:
    struct Line;
    void post(const Line &line);

    JournalWriter &m_writer;
    const ChartOfAccounts &m_chart;
    const StandardHistories &m_histories;
    Interaction &m_ui;
    QDate m_date;
    int m_block = 100;
    bool m_skipZero = false;
    bool m_warnMissing = true;
};
