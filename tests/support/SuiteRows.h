#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

// Inserts rows of the suite's tables for tests, one call per row with only the
// columns that matter; amounts are decimal texts ("100.00"), an empty text is NULL.
class SuiteRows {
public:
    explicit SuiteRows(Database &db) : m_db(db) {}

    SuiteRows &entity(const QString &year, const QString &name = QStringLiteral("PREFEITURA MUNICIPAL DE TESTE"));
    // Title "Conta <code>" unless given; nature from the second digit.
    SuiteRows &account(const QString &balco, const QString &title = {});
    SuiteRows &accounts(const QStringList &balcos);
    // Text "Histórico <code>" unless given.
    SuiteRows &history(int histo, const QString &text = {});
    SuiteRows &histories(const QList<int> &codes);
    // A journal row of another kind, so that the journal is not empty.
    SuiteRows &openingRow();
    SuiteRows &rd(const QString &value);

    SuiteRows &allocation(int ficha, const QString &funcao, const QString &dotac, const QString &vingrupo,
                          const QString &vincodigo, const QString &extra = QStringLiteral("N"));
    SuiteRows &commitment(int pkemp, int ficha, const QString &vadem, const QDate &date, const QString &catec,
                          const QString &vingrupo, const QString &vincodigo, const QString &tpem = {},
                          std::optional<int> pkempa = std::nullopt);
    SuiteRows &payment(int pkpag, int pkemp, const QString &vapag, const QDate &date);

    SuiteRows &revenueAllocation(int ficha, const QString &codre, const QString &vingrupo, const QString &vincodigo,
                                 const QString &extra = QStringLiteral("N"));
    SuiteRows &receipt(int ficha, const QString &varec, const QDate &date);

    SuiteRows &bankAccount(int conta, const QString &balco, const QString &vingrupo, const QString &vincodigo);
    SuiteRows &cashOrder(int conta, const QString &debit, const QString &credi, const QDate &date);

private:
    Database &m_db;
};
