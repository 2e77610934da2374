#pragma once

#include "routine/Category.h"

#include <QList>
#include <optional>

// Extra-budget receipts and payments of the month (entry kind 11): per link pair
// a financial and a patrimonial block, and for payments that pass on employer
// contributions (3236) or financial transfers (3237) their budgetary, economic
// and patrimonial blocks. The receipts on 3236 and 3237 belong to `Patronal` and
// `TransferenciaFinanceira`.
class ReceitasExtras : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 11; }

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

private:
    // One allocation account's total of the month.
    struct Entry {
        QString balco;
        QString text;
        Money amount;
    };
    using TextOf = QString (*)(const QString &balco);

    QList<Entry> entries(const QString &sql, TextOf textOf);
    void postFinancial(const QString &g, const QString &c, Money r, const QList<Entry> &receipts,
                       const QList<Entry> &payments, Money p);
    void postPassedOn(const QString &g, const QString &c, const Entry &payment);
    void postPatrimonial(const QString &g, const QString &c, Money r, const QList<Entry> &receipts,
                         const QList<Entry> &payments, Money p);
    // A line on the financial account the mapping gives, or without account when
    // the allocation's prefix is in no mapping.
    void mapped(const QString &g, const QString &c, const std::optional<QString> &account, const char *column,
                const Entry &e);
    void text(const QString &g, const QString &c, const QString &balco, const char *column, Money amount,
              const QString &text);
    void history(const QString &g, const QString &c, const QString &balco, int histo, const char *column, Money amount);

    static QString receiptText(const QString &balco);
    static QString paymentText(const QString &balco);
};
