#include "routine/ReceitasExtras.h"

#include "data/Database.h"
#include "routine/ExtraBudgetAccounts.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"
#include "routine/RunState.h"

namespace {

const QString Passed = QStringLiteral("Repasse devido");

} // namespace

QString ReceitasExtras::linkPairsSql() const
{
    return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES UNION SELECT VINGRUPO,VINCODIGO FROM RECDIS ");
}

QString ReceitasExtras::receiptText(const QString &balco)
{
    const QChar kind = balco.size() > 1 ? balco.at(1) : QChar();
    if (kind == u'1' || kind == u'3' || kind == u'7')
        return QStringLiteral("S/credito pelo recolhimento conforme comprovantes.  ");
    if (kind == u'2' || kind == u'4')
        return QStringLiteral("Recebidas conforme registros ");
    return {};
}

QString ReceitasExtras::paymentText(const QString &balco)
{
    const QChar kind = balco.size() > 1 ? balco.at(1) : QChar();
    if (kind == u'1' || kind == u'3' || kind == u'8')
        return QStringLiteral("S/debito pelo pagamento conforme comprovantes.  ");
    if (kind == u'2' || kind == u'4')
        return QStringLiteral("Recolhimento conforme registros");
    return {};
}

QList<ReceitasExtras::Entry> ReceitasExtras::entries(const QString &sql, TextOf textOf)
{
    QList<Entry> r;
    QSqlQuery query = ctx.db.query(sql);
    while (query.next()) {
        const QString balco = query.value(0).toString().trimmed();
        r.append({balco, textOf(balco), Money::fromVariant(query.value(1), 4)});
    }
    return r;
}

void ReceitasExtras::postPair(const QString &g, const QString &c)
{
    const QString pair = QStringLiteral("A.VINGRUPO='") + q(g) + QStringLiteral("' AND ");
    const Money r = sum(QStringLiteral("select cast(sum(b.varec) as double precision) as varec from receit b INNER join "
                                       "recdis a on a.ficha=b.ficha  where extract(month from b.dtlan)=")
                        + month()
                        + QStringLiteral(" and a.extra='S' AND a.balco not like '3237%' AND a.balco not like '3236%' and ")
                        + pair + QStringLiteral("A.VINCODIGO='") + q(c) + QStringLiteral("' "));
    const QList<Entry> receipts = entries(
        QStringLiteral("select a.balco,CAST(sum(b.varec) AS DOUBLE PRECISION) as varec from receit b  INNER join recdis a "
                       "on a.ficha=b.ficha  where extract(month from b.dtlan)=")
            + month()
            + QStringLiteral(" and  a.extra='S' AND a.balco not like '3237%' AND a.balco not like '3236%' AND ") + pair
            + QStringLiteral("VINCODIGO='") + q(c) + QStringLiteral("' group by A.balco order by 1"),
        receiptText);
    const Money p = sum(QStringLiteral("SELECT cast(SUM(B.VAPAG) as double precision) AS VAPAG FROM VIEWVAPAG B INNER "
                                       "JOIN DESDIS A ON A.FICHA=B.FICHA   WHERE A.EXTRA='S' AND B.VINGRUPO='")
                        + q(g) + QStringLiteral("' AND B.VINCODIGO='") + q(c)
                        + QStringLiteral("' and EXTRACT(MONTH FROM B.DTPAG)=") + month() + QStringLiteral(" "));
    const QList<Entry> payments = entries(
        QStringLiteral("SELECT A.BALCO,CAST(SUM(B.VAPAG) AS DOUBLE PRECISION) AS VAPAG FROM VIEWVAPAG B INNER JOIN "
                       "DESDIS A ON A.FICHA=B.FICHA and EXTRACT(MONTH FROM B.DTPAG)=")
            + month() + QStringLiteral("   where B.VINGRUPO='") + q(g) + QStringLiteral("' AND B.VINCODIGO='") + q(c)
            + QStringLiteral("' AND A.EXTRA='S' GROUP BY A.BALCO"),
        paymentText);

    postFinancial(g, c, r, receipts, payments, p);
    for (const Entry &e : payments) {
        if (!e.amount.isZero() && (e.balco.startsWith(u"3236") || e.balco.startsWith(u"3237")))
            postPassedOn(g, c, e);
    }
    postPatrimonial(g, c, r, receipts, payments, p);
}

void ReceitasExtras::postFinancial(const QString &g, const QString &c, Money r, const QList<Entry> &receipts,
                                   const QList<Entry> &payments, Money p)
{
    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 2);
    if (!r.isZero())
        history(g, c, QStringLiteral("251101"), 312, "debit", r);
    for (const Entry &e : receipts) {
        if (!e.amount.isZero())
            mapped(g, c, ExtraBudgetAccounts::receipt(e.balco), "credi", e);
    }
    for (const Entry &e : payments) {
        if (!e.amount.isZero())
            mapped(g, c, ExtraBudgetAccounts::payment(e.balco), "debit", e);
    }
    if (!p.isZero())
        history(g, c, QStringLiteral("251101"), 212, "credi", p);
}

// The contribution or transfer paid on is recognised in the budget and the
// economic system; a transfer also leaves the patrimony of its own account.
void ReceitasExtras::postPassedOn(const QString &g, const QString &c, const Entry &e)
{
    const Money a = e.amount;
    const QString dd = ExtraBudgetAccounts::detail(e.balco);
    const bool contribution = e.balco.startsWith(u"3236");
    const QString budgetCredit = contribution ? QStringLiteral("163201") : QStringLiteral("1633") + dd;
    const QString budgetDebit = contribution ? QStringLiteral("131201") : QStringLiteral("1313") + dd;

    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 1);
    history(g, c, budgetCredit, 301, "credi", a);
    history(g, c, budgetDebit, 301, "debit", a);
    if (ctx.state.pEntity && contribution) {
        history({}, {}, budgetCredit, 301, "debit", a);
        history({}, {}, budgetDebit, 301, "credi", a);
    } else if (ctx.state.pEntity) {
        text({}, {}, budgetCredit, "debit", a, Passed);
        text({}, {}, budgetDebit, "credi", a, Passed);
    }
    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 4);
    text(g, c, QStringLiteral("421301"), "credi", a, Passed);
    text(g, c, contribution ? QStringLiteral("441102") : QStringLiteral("491101"), "debit", a, Passed);
    if (contribution)
        return;
    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 3);
    text(g, c, e.balco, "credi", a, Passed);
    text(g, c, QStringLiteral("391101"), "debit", a, Passed);
}

void ReceitasExtras::postPatrimonial(const QString &g, const QString &c, Money r, const QList<Entry> &receipts,
                                     const QList<Entry> &payments, Money p)
{
    ctx.post.raiseBlock();
    ctx.post.header(entryKind(), 3);
    if (!r.isZero())
        history(g, c, QStringLiteral("311101"), 312, "debit", r);
    for (const Entry &e : receipts) {
        if (!e.amount.isZero())
            text(g, c, e.balco, "credi", e.amount, e.text);
    }
    for (const Entry &e : payments) {
        if (!e.amount.isZero())
            text(g, c, e.balco, "debit", e.amount, e.text);
    }
    if (!p.isZero())
        history(g, c, QStringLiteral("311101"), 212, "credi", p);
}

void ReceitasExtras::mapped(const QString &g, const QString &c, const std::optional<QString> &account,
                            const char *column, const Entry &e)
{
    if (account)
        text(g, c, *account, column, e.amount, e.text);
    else
        ctx.post.salva_condia_HIST(g, c, PostingRoutine::Unmapped{e.balco}, QLatin1String(column), entryKind(),
                                   e.amount, e.text);
}

void ReceitasExtras::text(const QString &g, const QString &c, const QString &balco, const char *column, Money amount,
                          const QString &text)
{
    ctx.post.salva_condia_HIST(g, c, balco, QLatin1String(column), entryKind(), amount, text);
}

void ReceitasExtras::history(const QString &g, const QString &c, const QString &balco, int histo, const char *column,
                             Money amount)
{
    ctx.post.Salva_condia(g, c, balco, histo, QLatin1String(column), entryKind(), amount);
}
