#pragma once

#include "data/Database.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Inserts the rows of the suite's tables that a test needs, one call a row, with
// the columns that matter and plain defaults for the rest. Amounts are in reais.
class CategoryRows {
public:
    explicit CategoryRows(Database &db) : m_db(db) {}

    CategoryRows &entity(const QString &name, const QString &year);
    // CONPLA rows titled "Conta <code>".
    CategoryRows &accounts(const QStringList &codes);
    CategoryRows &account(const QString &balco, const QString &title);
    // CONHIS rows whose text is "H<code>".
    CategoryRows &histories(const QList<int> &codes);
    // PARAMEDU.RD.
    CategoryRows &rd(const QString &value);

    // DESDIS.
    CategoryRows &expenditureAllocation(int ficha, const QString &balco, const QString &vingrupo, const QString &vincodigo,
                                     const QString &extra = QStringLiteral("N"), double dotac = 0,
                                     const QString &especial = QStringLiteral("N"));
    // RECDIS.
    CategoryRows &revenueAllocation(int ficha, const QString &balco, const QString &vingrupo, const QString &vincodigo,
                                 const QString &extra = QStringLiteral("S"));
    // RECEIT.
    CategoryRows &receipt(int ficha, double varec, const QDate &date);
    // CADDECRETO.
    CategoryRows &decree(const QString &decreto, const QString &historico);
    // DESALD; an empty decree is NULL.
    CategoryRows &creditMovement(int ficha, double valor, int ie, const QDate &date, const QString &decreto = {});
    // DESPES; returns the commitment's key through `pkemp` when asked.
    CategoryRows &commitment(int ficha, double vadem, const QDate &date, const QString &vingrupo, const QString &vincodigo,
                          const QString &tpem = {}, int *pkemp = nullptr);
    // DESFOR.
    CategoryRows &supplier(int codif, const QString &nome);
    // A payment of a commitment made for it (DESPES and PAGAMENTO), seen through VIEWVAPAG.
    CategoryRows &payment(int ficha, double vapag, const QDate &date, const QString &vingrupo, const QString &vincodigo,
                       int codif = 0);

private:
    void exec(const QString &sql, const QVariantList &values);

    Database &m_db;
    int m_nextKey = 1;
};
