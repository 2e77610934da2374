#include "routine/Patronal.h"

QString Patronal::budgetaryAccount(const QString &code) const
{
    static const QStringList odd = {QStringLiteral("01"), QStringLiteral("03"), QStringLiteral("05"), QStringLiteral("07")};
    static const QStringList even = {QStringLiteral("02"), QStringLiteral("04"), QStringLiteral("06"), QStringLiteral("08")};
    if (odd.contains(code))
        return QStringLiteral("141301");
    if (even.contains(code))
        return QStringLiteral("141302");
    return QStringLiteral("141303");
}

void Patronal::postPatrimonial(const QString &g, const QString &c, const QString &balco, Money v)
{
    history(g, c, QStringLiteral("311101"), 303, "debit", v);
    history(g, c, balco, 304, "credi", v);
}

void Patronal::postEconomicClosing(const QString &g, const QString &c, const QString &, Money v)
{
    history(g, c, QStringLiteral("431102"), 304, "credi", v);
}
