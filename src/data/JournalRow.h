#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>
#include <optional>

// One CONDIA row: a debit or credit line of an entry, or a system header row.
// Empty optionals and empty texts are NULL in the database.
struct JournalRow {
    double sequencia = 0; // the database gives rows that arrive with 0 their key
    QString balco;
    QString titco;
    QDate datae;
    std::optional<int> histo;
    std::optional<Money> debit;
    std::optional<Money> credi;
    std::optional<Money> saldo;
    std::optional<int> ie;
    QString discri;
    QString imp;
    std::optional<qint64> seq;
    QString tipo;
    QString vingrupo;
    QString vincodigo;
    std::optional<int> automa;
    // Joined from the chart, never written: the account's nature, "T" without one.
    QString d_c;

    bool isHeader() const { return balco.isEmpty(); }
    Money amount() const { return debit.value_or(Money()) + credi.value_or(Money()); }
};
