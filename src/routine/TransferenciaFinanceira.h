#pragma once

#include "routine/TransferReceipts.h"

// Financial transfers received on allocation accounts 3237 (entry kind 21).
class TransferenciaFinanceira : public TransferReceipts {
public:
    using TransferReceipts::TransferReceipts;
    int entryKind() const override { return 21; }

protected:
    QString prefix() const override { return QStringLiteral("3237"); }
    QString budgetaryAccount(const QString &code) const override;
    void postPatrimonial(const QString &g, const QString &c, const QString &balco, Money v) override;
    void postEconomicClosing(const QString &g, const QString &c, const QString &balco, Money v) override;
};
