#pragma once

#include "routine/Category.h"

// Outstanding payables of the previous year cancelled in the month (entry kind
// 26): negative commitments on 32110 allocations leave the payable and, in
// total, close in the economic system.
class RestosPagar : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 26; }

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;
};
