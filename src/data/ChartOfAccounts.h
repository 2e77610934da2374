#pragma once

#include "data/Money.h"

#include <QHash>
#include <QString>
#include <optional>

class Database;

// The chart of accounts (CONPLA) as read at one moment: postings look accounts up
// here and do not reread the table while they run.
class ChartOfAccounts {
public:
    struct Account {
        QString balco;
        QString tip;
        QString titco;
        QString d_c;
        Money credit;
        Money debit;
        Money saldo;
    };

    static ChartOfAccounts load(Database &db);

    const Account *find(const QString &balco) const;
    bool contains(const QString &balco) const { return find(balco) != nullptr; }
    qsizetype size() const { return m_accounts.size(); }

    // A title account groups the accounts below it and takes no postings.
    static bool isTitle(const QString &balco) { return balco.size() >= 6 && balco.mid(4, 2) == u"00"; }

private:
    QHash<QString, Account> m_accounts;
};
