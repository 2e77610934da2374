#pragma once

#include "data/ChartOfAccounts.h"
#include "master/SearchStep.h"

#include <QSqlRecord>
#include <QStringList>
#include <optional>

// The queries of the account look-up ("Pesquisar Conta do Plano"). Every query
// selects whole CONPLA rows; typed text is escaped, so an apostrophe finds the
// titles that hold one.
class AccountSearch {
public:
    enum class Box { Code, Description };

    static QString all();
    // The account code box: accounts whose code starts with the trimmed digits.
    static QString byCode(const QString &typed);
    // The description box: the first ";"-separated word starts the title, the
    // others appear anywhere in it.
    static QString byDescription(const QString &typed);
    // Where the description box sends the list back when it is emptied or left
    // with Enter.
    static QString reset();

    // The list after a key was released in a box; nothing when it stays as it is.
    static std::optional<SearchStep> keyReleased(Box box, const QString &text, bool enter);

    // The list as the grid shows it: ordered by system, nature and code and, when
    // prefixes are given, only the accounts that begin with one of them.
    static QString displayed(const QString &sql, const QStringList &prefixes = {});

    static ChartOfAccounts::Account fromRecord(const QSqlRecord &record);
};
