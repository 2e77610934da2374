#pragma once

#include "routine/TransferReceipts.h"

// Employer contributions received on allocation accounts 3236 (entry kind 19).
class Patronal : public TransferReceipts {
public:
    using TransferReceipts::TransferReceipts;
    int entryKind() const override { return 19; }

protected:
    QString prefix() const override { return QStringLiteral("3236"); }
    QString budgetaryAccount(const QString &code) const override;
    void postPatrimonial(const QString &g, const QString &c, const QString &balco, Money v) override;
    void postEconomicClosing(const QString &g, const QString &c, const QString &balco, Money v) override;
};
