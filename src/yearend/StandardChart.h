#pragma once

#include <QChar>
#include <QList>
#include <QString>

// The standard chart of accounts: every fixed account the automatic postings
// (monthly run, opening, closing) name, with its title and nature, kept in one
// place so that the chart repair and the demo municipality build the same chart.
class StandardChart {
public:
    struct Account {
        QString code;  // six digits; a code ending in "00" is a title account
        QString title; // up to 50 characters
        QChar nature;  // 'D' or 'C'
    };

    // The standard accounts, systems 1 to 4, in code order: what the chart repair
    // guarantees in every chart.
    static const QList<Account> &standard();
    // Accounts outside the standard list that the postings still reach (copies of
    // the financial-transfer accounts, the contributions' active debt, ...). The
    // repair does not insert them; a new entity's chart holds them.
    static const QList<Account> &postingExtras();
    // Both lists in code order: the full chart of a new entity.
    static const QList<Account> &complete();
    // The account of either list, or nullptr.
    static const Account *find(const QString &code);

    // Nature a standard account is inserted with: the second digit's (below), save
    // five exceptions (163200, 163201, 163300 are "D"; 411900, 411907 are "C").
    static QChar nature(const QString &code);
    // Even second digit gives "C"; odd, 9 included, gives "D".
    static QChar natureByDigit(const QString &code);
};
