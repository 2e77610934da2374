#pragma once

#include "routine/Category.h"

#include <vector>

// The economic variations of the month's revenue from active debt (193x), credit
// operations (211x) and sales of assets (221x, 222x), per four-character revenue
// code (entry kind 16): a patrimonial and an economic block per link pair.
class Divida_Ativa : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 16; }

    // One revenue code of the pair and how it is credited. A code the mappings do
    // not know keeps itself as account, so that the missing-account warning names it.
    struct Entry {
        QString code;
        Money amount;
        QString account;
        int histo = 0;
        QString text;
    };
    static void mapPatrimonial(Entry &entry);
    static void mapEconomic(Entry &entry);

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

    // The month's figures; posting rules only go through these.
    virtual QStringList codes(const LinkPair &pair);
    virtual Money codeSum(const LinkPair &pair, const QString &code);

private:
    void ensureContributionsAccount();
};
