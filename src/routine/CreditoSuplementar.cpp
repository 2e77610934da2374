#include "routine/CreditoSuplementar.h"

#include "data/Database.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"
#include "routine/RunState.h"

namespace {

const QString Opened = QStringLiteral("Credito Aberto, cfe, ");
const QString Fixed = QStringLiteral("Fixação da Despesa, cfe, ");

Money absolute(Money m)
{
    return m < Money() ? -m : m;
}

} // namespace

QString CreditoSuplementar::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES UNION SELECT VINGRUPO,VINCODIGO FROM RECDIS "
                          "UNION SELECT VINGRUPO,VINCODIGO FROM DESDIS ");
}

void CreditoSuplementar::postPair(const QString &vingrupo, const QString &vincodigo)
{
    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 1);
    if (ctx.state.pEntity)
        postPEntity(vingrupo, vincodigo);
    else
        postOtherEntity(vingrupo, vincodigo);
    postTransfer(vingrupo, vincodigo);
}

QString CreditoSuplementar::pairCondition(const QString &g, const QString &c) const
{
    return QStringLiteral("B.VINGRUPO='") + q(g) + QStringLiteral("' AND B.VINCODIGO='") + q(c) + QStringLiteral("' AND ");
}

QList<CreditoSuplementar::Movement> CreditoSuplementar::movements(const QString &sql)
{
    QList<Movement> r;
    QSqlQuery query = ctx.db.query(sql);
    while (query.next()) {
        const QVariant ie = query.value(QStringLiteral("IE"));
        r.append({Money::fromVariant(query.value(QStringLiteral("DOTAC")), 4),
                  Money::fromVariant(query.value(QStringLiteral("VALOR")), 4),
                  ie.isNull() ? std::nullopt : std::optional<int>(ie.toInt()),
                  query.value(QStringLiteral("HISTORICO")).toString(),
                  query.value(QStringLiteral("ESPECIAL")).toString().trimmed()});
    }
    return r;
}

QString CreditoSuplementar::byAllocation(const Movement &m, const char *ordinary, const char *special)
{
    const bool ordinaryAccount = m.dotac > Money() || m.especial == u"N";
    return QLatin1String(ordinaryAccount ? ordinary : special);
}

void CreditoSuplementar::line(const QString &g, const QString &c, const QString &balco, const char *column,
                              Money amount, const QString &prefix, const Movement &m)
{
    ctx.post.salva_condia_HIST(g, c, balco, QLatin1String(column), entryKind(), amount, prefix + m.historico);
}

void CreditoSuplementar::postOtherEntity(const QString &g, const QString &c)
{
    const QString mon = month();
    const auto opened = movements(
        QStringLiteral("select B.DOTAC,A.FICHA,A.VALOR,A.IE,caddecreto.HISTORICO,A.DTLAN,b.especial from desald a "
                       "LEFT JOIN CADDECRETO ON CADDECRETO.DECRETO=A.DECRETO  INNER JOIN DESDIS b ON A.FICHA=B.FICHA  "
                       "where ")
        + pairCondition(g, c) + QStringLiteral("extract(month from a.dtlan)=") + mon
        + QStringLiteral(" and ((A.VALOR>0 and A.ie<6) or (A.VALOR<0 and A.ie=3))"));
    for (const Movement &m : opened) {
        QString balco = byAllocation(m, "151101", "151102");
        if (m.ie == 2)
            balco = QStringLiteral("112101");
        else if (m.ie == 3)
            balco = QStringLiteral("121101");
        line(g, c, balco, "debit", absolute(m.valor), Opened, m);
    }

    const auto fixed = movements(
        QStringLiteral("select A.FICHA,B.DOTAC,A.VALOR,A.IE,CADDECRETO.HISTORICO,A.DTLAN,B.ESPECIAL from desald a "
                       "LEFT JOIN CADDECRETO ON CADDECRETO.DECRETO=A.DECRETO  INNER JOIN desdis B ON A.FICHA=B.FICHA "
                       "where   ")
        + pairCondition(g, c) + QStringLiteral("extract(month from a.dtlan)=") + mon
        + QStringLiteral(" and ((A.VALOR>0 and A.ie=1) or (A.VALOR>0 and A.ie=2) or (A.VALOR<0 and A.ie=3))"));
    for (const Movement &m : fixed) {
        const QString balco = m.ie == 3 ? QStringLiteral("122101") : byAllocation(m, "121101", "121102");
        line(g, c, balco, "credi", absolute(m.valor), Fixed, m);
    }

    const auto credited = movements(
        QStringLiteral("select A.FICHA,B.DOTAC,A.VALOR,A.IE,CADDECRETO.HISTORICO,A.DTLAN,B.ESPECIAL from desald a "
                       "LEFT JOIN CADDECRETO ON CADDECRETO.DECRETO=A.DECRETO  INNER JOIN DESDIS B ON a.ficha=b.ficha "
                       "WHERE  ")
        + pairCondition(g, c) + QStringLiteral(" extract(month from a.dtlan)=") + mon
        + QStringLiteral(" and ((A.VALOR>0 OR B.ESPECIAL='N') and a.ie=1)"));
    for (const Movement &m : credited)
        line(g, c, QStringLiteral("121101"), "debit", m.valor, Opened, m);
    for (const Movement &m : credited)
        line(g, c, QStringLiteral("161103"), "credi", m.valor, Opened, m);
}

void CreditoSuplementar::postPEntity(const QString &g, const QString &c)
{
    const auto moves = movements(
        QStringLiteral("select A.FICHA,B.DOTAC,A.VALOR,A.IE,CADDECRETO.HISTORICO,A.DTLAN,B.ESPECIAL from desald a "
                       "LEFT JOIN CADDECRETO ON CADDECRETO.DECRETO=A.DECRETO INNER JOIN DESDIS B ON a.ficha=b.ficha "
                       "WHERE ")
        + pairCondition(g, c) + QStringLiteral(" extract(month from a.dtlan)=") + month()
        + QStringLiteral(" and ((a.VALOR>0 and a.ie<6) or (a.VALOR<0 and a.ie=2))"));
    for (const Movement &m : moves)
        line(g, c, byAllocation(m, "151101", "151102"), "debit", m.valor, Opened, m);
    for (const Movement &m : moves)
        line(g, c, byAllocation(m, "121101", "121102"), "credi", m.valor, Fixed, m);
    for (const Movement &m : moves)
        line(g, c, m.ie == 1 ? QStringLiteral("121101") : QStringLiteral("112101"), "debit", m.valor, Opened, m);
    // The credit account follows the kind of movement; a kind outside 1-5 has
    // none, and its line names the kind instead of borrowing another account.
    static const char *const byKind[] = {"161103", "161102", "161101", "161104", "161105"};
    for (const Movement &m : moves) {
        const QString text = Opened + m.historico;
        if (m.ie && *m.ie >= 1 && *m.ie <= 5)
            ctx.post.salva_condia_HIST(g, c, QLatin1String(byKind[*m.ie - 1]), QStringLiteral("credi"), entryKind(),
                                       m.valor, text);
        else
            ctx.post.salva_condia_HIST(g, c, PostingRoutine::Unmapped{m.ie ? QString::number(*m.ie) : QString()},
                                       QStringLiteral("credi"), entryKind(), m.valor, text);
    }
}

void CreditoSuplementar::postTransfer(const QString &g, const QString &c)
{
    const Money annulled = sum(
        QStringLiteral("select CAST(sum(valor) AS DOUBLE PRECISION) as anulacao from desald  where ie=1 and VALOR<0 and "
                       "ficha in (select ficha from desdis where VINGRUPO='")
        + q(g) + QStringLiteral("' AND VINCODIGO='") + q(c)
        + QStringLiteral("' AND (dotac=0 AND (ESPECIAL<>'N' OR ESPECIAL IS NULL)) and EXTRA='N') and extract(month from "
                         "dtlan)=")
        + month());
    const Money t = -annulled;
    ctx.post.salva_condia_HIST(g, c, QStringLiteral("121102"), QStringLiteral("debit"), entryKind(), t,
                               QStringLiteral("Valor Transferido p/a conta 121101 "));
    ctx.post.salva_condia_HIST(g, c, QStringLiteral("121101"), QStringLiteral("credi"), entryKind(), t,
                               QStringLiteral("Valor Transferido da conta 121102 "));
}
