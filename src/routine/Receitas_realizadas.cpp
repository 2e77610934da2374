#include "routine/Receitas_realizadas.h"

#include "routine/MonthlyContext.h"
#include "routine/PairPosting.h"

QString Receitas_realizadas::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM RECDIS ");
}

Money Receitas_realizadas::budgetTotal(const LinkPair &p)
{
    return sum(QStringLiteral("select CAST(sum(B.varec) AS DOUBLE PRECISION) as varec from RECEIT B INNER JOIN RECDIS A ON "
                              "A.FICHA=B.FICHA where extract(month from B.dtlan)=") +
               month() + QStringLiteral(" and A.EXTRA='N' AND A.VINGRUPO='") + q(p.vingrupo) +
               QStringLiteral("' AND A.VINCODIGO='") + q(p.vincodigo) + QStringLiteral("' "));
}

QStringList Receitas_realizadas::prefixes(const LinkPair &p)
{
    return list(QStringLiteral("select distinct CAST(substring(A.codre FROM 1 FOR 2) AS VARCHAR(2)) as codre from RECEIT B "
                               "INNER JOIN RECDIS A ON A.FICHA=B.FICHA where A.VINGRUPO='") +
                q(p.vingrupo) + QStringLiteral("' AND A.VINCODIGO='") + q(p.vincodigo) +
                QStringLiteral("' AND extract(month from B.dtlan)=") + month() +
                QStringLiteral(" and substring(A.codre FROM 1 FOR 2) is not null AND A.EXTRA='N' "));
}

Money Receitas_realizadas::prefixSum(const LinkPair &p, const QString &prefix)
{
    return sum(QStringLiteral("select CAST(sum(B.varec) AS DOUBLE PRECISION) as varec from RECEIT B INNER JOIN RECDIS A ON "
                              "A.FICHA=B.FICHA where extract(month from B.dtlan)=") +
               month() + QStringLiteral(" and substring(A.codre from 1 for 2)='") + q(prefix) +
               QStringLiteral("' AND A.VINGRUPO='") + q(p.vingrupo) + QStringLiteral("' AND A.VINCODIGO='") + q(p.vincodigo) +
               QStringLiteral("' "));
}

QString Receitas_realizadas::prefixAccount(const QString &system, const QString &prefix)
{
    if (prefix.size() != 2)
        return prefix;
    return system + prefix[0] + u'0' + prefix[1];
}

// Every block takes a new number, with or without its header.
void Receitas_realizadas::postPair(const QString &vingrupo, const QString &vincodigo)
{
    PairPosting lines(ctx.post, entryKind(), {vingrupo, vincodigo});
    const Money total = budgetTotal(lines.pair());

    lines.raiseBlock();
    if (!total.isZero()) {
        lines.header(PairPosting::Orcamentario);
        lines.debit(QStringLiteral("153101"), 301, total);
    }
    const QStringList list = prefixes(lines.pair());
    for (const QString &prefix : list)
        lines.credit(prefixAccount(QStringLiteral("141"), prefix), 302, prefixSum(lines.pair(), prefix));

    lines.openBlock(PairPosting::Financeiro);
    lines.debit(QStringLiteral("251101"), 303, total);
    for (const QString &prefix : list)
        lines.credit(prefixAccount(QStringLiteral("221"), prefix), 302, prefixSum(lines.pair(), prefix));

    lines.openBlock(PairPosting::Patrimonial);
    lines.debit(QStringLiteral("311101"), 303, total);
    lines.credit(QStringLiteral("391101"), 304, total);

    lines.raiseBlock();
    if (!list.isEmpty())
        lines.header(PairPosting::Economico);
    for (const QString &prefix : list)
        lines.debit(prefixAccount(QStringLiteral("411"), prefix), 302, prefixSum(lines.pair(), prefix));
    lines.credit(QStringLiteral("491101"), 304, total);
}
