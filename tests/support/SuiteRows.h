#pragma once

#include "data/Database.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Inserts the rows of the suite's tables that a test needs, one call a row, with
// the columns that matter and plain defaults for the rest. Amounts are in reais.
class SuiteRows {
public:
    explicit SuiteRows(Database &db) : m_db(db) {}

    SuiteRows &entity(const QString &name, const QString &year);
    // CONPLA rows titled "Conta <code>".
    SuiteRows &accounts(const QStringList &codes);
    SuiteRows &account(const QString &balco, const QString &title);
    // CONHIS rows whose text is "H<code>".
    SuiteRows &histories(const QList<int> &codes);
    // PARAMEDU.RD.
    SuiteRows &rd(const QString &value);

    // DESDIS.
    SuiteRows &expenditureAllocation(int ficha, const QString &balco, const QString &vingrupo, const QString &vincodigo,
                                     const QString &extra = QStringLiteral("N"), double dotac = 0,
                                     const QString &especial = QStringLiteral("N"));
    // RECDIS.
    SuiteRows &revenueAllocation(int ficha, const QString &balco, const QString &vingrupo, const QString &vincodigo,
                                 const QString &extra = QStringLiteral("S"));
    // RECEIT.
    SuiteRows &receipt(int ficha, double varec, const QDate &date);
    // CADDECRETO.
    SuiteRows &decree(const QString &decreto, const QString &historico);
    // DESALD; an empty decree is NULL.
    SuiteRows &creditMovement(int ficha, double valor, int ie, const QDate &date, const QString &decreto = {});
    // DESPES; returns the commitment's key through `pkemp` when asked.
    SuiteRows &commitment(int ficha, double vadem, const QDate &date, const QString &vingrupo, const QString &vincodigo,
                          const QString &tpem = {}, int *pkemp = nullptr);
    // DESFOR.
    SuiteRows &supplier(int codif, const QString &nome);
    // A payment of a commitment made for it (DESPES and PAGAMENTO), seen through VIEWVAPAG.
    SuiteRows &payment(int ficha, double vapag, const QDate &date, const QString &vingrupo, const QString &vincodigo,
                       int codif = 0);

private:
    void exec(const QString &sql, const QVariantList &values);

    Database &m_db;
    int m_nextKey = 1;
};
