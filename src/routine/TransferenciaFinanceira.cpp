#include "routine/TransferenciaFinanceira.h"

QString TransferenciaFinanceira::budgetaryAccount(const QString &code) const
{
    return QStringLiteral("1414") + code;
}

// A transfer received is also owed on at once.
void TransferenciaFinanceira::postPatrimonial(const QString &g, const QString &c, const QString &balco, Money v)
{
    history(g, c, QStringLiteral("311101"), 303, "debit", v);
    history(g, c, balco, 304, "credi", v);
    text(g, c, balco, "debit", v, QStringLiteral("Repasse devido"));
    text(g, c, QStringLiteral("391101"), "credi", v, QStringLiteral("repasse devido"));
}

void TransferenciaFinanceira::postEconomicClosing(const QString &g, const QString &c, const QString &, Money v)
{
    history(g, c, QStringLiteral("431102"), 304, "credi", v);
    history(g, c, QStringLiteral("431102"), 304, "debit", v);
    history(g, c, QStringLiteral("491101"), 304, "credi", v);
}
