#pragma once

#include "data/Money.h"

#include <QList>
#include <QString>
#include <optional>
#include <stdexcept>

class Database;

// The filters of the routine entries maintenance: what the grid shows and which
// accounts the totals panel adds up. The grid takes the account as a prefix and
// the amount too; the totals take the account exactly and ignore the amount, so
// the account "1" lists every account beginning with 1 while its totals look for
// an account "1" and find none.
class MaintenanceFilter {
public:
    struct Fields {
        QString vingrupo;
        QString vincodigo;
        QString conta;
        QString valor;
        int kindItem = -1; // -1: nothing chosen in the entry kind list
    };

    struct KindItem {
        QString text;
        QString condition; // empty: no condition
    };

    // The amount field holds something that is not an amount.
    class BadAmount : public std::runtime_error {
    public:
        explicit BadAmount(const QString &typed);
        const QString &text() const { return m_text; }

    private:
        QString m_text;
    };

    // One row of the totals dataset.
    struct Totals {
        QString balco;
        QString d_c;
        Money credit;
        Money debit;
        Money saldoc;
        Money saldod;
        // SALDOC for an account of nature "C", SALDOD otherwise.
        Money saldo() const { return d_c == u"C" ? saldoc : saldod; }
    };

    // The entry kind list "TIPO DE LANÇAMENTO", item 0 first.
    static const QList<KindItem> &kindItems();

    // The grid's condition over the journal's columns, empty when nothing is
    // filled in. Throws BadAmount.
    static QString gridCondition(const Fields &fields);
    // The grid's rows: the shared journal query, narrowed by `condition` when it
    // is not empty, in journal order.
    static QString gridQuery(const QString &condition);
    // The same a day at a time (the journal order begins with the date, so the
    // days one after the other give the whole order): the rows without date, or
    // those of the day between the two bound timestamps [day, next day).
    static QString gridQueryWithoutDate(const QString &condition);
    static QString gridQueryOfDay(const QString &condition);
    // The totals' condition, empty when no field but the amount is filled in.
    static QString totalsCondition(const Fields &fields);
    // The totals query for a non-empty totals condition.
    static QString totalsQuery(const QString &condition);
    // The first row of the totals, nothing when the query finds no account.
    static std::optional<Totals> firstTotals(Database &db, const QString &condition);

    // "#,0.00;(#,0.00)": negative amounts between parentheses.
    static QString totalText(Money amount);
};
