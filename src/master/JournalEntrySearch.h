#pragma once

#include "data/JournalRow.h"
#include "master/SearchStep.h"

#include <QSqlRecord>
#include <stdexcept>

// The queries of the journal entry look-up ("Pesquisar Lançamento no Diário
// Razão"). Every query selects whole CONDIA rows; typed text is escaped.
class JournalEntrySearch {
public:
    enum class Box { Code, Title, Description, Value };

    // A value box whose text is not a number.
    class BadValue : public std::runtime_error {
    public:
        explicit BadValue(const QString &text);
        QString text() const { return m_text; }

    private:
        QString m_text;
    };

    static QString all();
    static QString byCode(const QString &typed);
    static QString byTitle(const QString &typed);
    static QString byDescription(const QString &typed);
    // Lines whose debit or credit lies within 0,03 of the typed value ("150,00" or
    // "150.00"). Throws BadValue when the text is not a number.
    static QString byValue(const QString &typed);
    static QString reset();

    // True when the value box holds something to search for: neither blank nor a lone "-".
    static bool valueGiven(const QString &text);
    static std::optional<SearchStep> keyReleased(Box box, const QString &text, bool enter);

    // The list as the grid shows it: by date, entry kind, block, order number and account.
    static QString displayed(const QString &sql);

    static JournalRow fromRecord(const QSqlRecord &record);
};
