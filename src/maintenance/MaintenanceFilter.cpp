#include "maintenance/MaintenanceFilter.h"

#include "data/Database.h"
#include "data/JournalStore.h"
#include "data/Sql.h"

#include <QStringList>

namespace {

QString upperQuoted(const QString &text)
{
    return Sql::quote(text.toUpper());
}

QString kindCondition(int item)
{
    const auto &items = MaintenanceFilter::kindItems();
    return item >= 0 && item < items.size() ? items[item].condition : QString();
}

} // namespace

MaintenanceFilter::BadAmount::BadAmount(const QString &typed)
    : std::runtime_error("bad amount"), m_text(QStringLiteral("'") + typed + QStringLiteral("' não é um valor numérico válido."))
{
}

const QList<MaintenanceFilter::KindItem> &MaintenanceFilter::kindItems()
{
    static const QList<KindItem> items = {
        {QStringLiteral("-----SEM FILTRO-----"), {}},
        {QStringLiteral("Saldo de Balanço"), QStringLiteral("(IE=1 OR IE=2 OR IE=3)")},
        {QStringLiteral("Despesa Empenhada"), QStringLiteral("IE=7")},
        {QStringLiteral("Despesa Anulada"), QStringLiteral("IE=8")},
        {QStringLiteral("Créditos Suplementares"), QStringLiteral("IE=6")},
        {QStringLiteral("Receita Realizada"), QStringLiteral("IE=9")},
        {QStringLiteral("Extra-Orçamentário"), QStringLiteral("IE=11")},
        {QStringLiteral("Conta Corrente e Caixa"), QStringLiteral("IE=12")},
        {QStringLiteral("Pagamento Orçamentário"), QStringLiteral("IE=13")},
        {QStringLiteral("Dívida Ativa"), QStringLiteral("IE=16")},
        {QStringLiteral("Causões"), QStringLiteral("IE=18")},
        {QStringLiteral("Adiantamento"), QStringLiteral("IE=24")},
        {QStringLiteral("Valores em Guarda"), QStringLiteral("IE=22")},
        {QStringLiteral("Restos a Pagar"), QStringLiteral("IE=26")},
        {QStringLiteral("Amortizações"), QStringLiteral("IE=27")},
        {QStringLiteral("Manual p/ usuário"), QStringLiteral("IE=33")},
        {QStringLiteral("Automático p/ usuário"), QStringLiteral("IE=30")},
        {QStringLiteral("Incorporação de Bens Patrimoniais"), QStringLiteral("IE=37")},
        {QStringLiteral("Baixa de Bens Patrimoniais"), QStringLiteral("IE=38")},
        {QStringLiteral("Contribuição Patronal"), QStringLiteral("IE=19")},
        {QStringLiteral("Finais"), QStringLiteral("(IE=35 OR IE=36)")},
    };
    return items;
}

QString MaintenanceFilter::gridCondition(const Fields &f)
{
    QStringList parts;
    const QString vingrupo = f.vingrupo.trimmed();
    const QString vincodigo = f.vincodigo.trimmed();
    const QString conta = f.conta.trimmed();
    const QString valor = f.valor.trimmed();
    // The journal's filter ignores case.
    if (!vingrupo.isEmpty())
        parts << QStringLiteral("UPPER(VINGRUPO)=") + upperQuoted(vingrupo);
    if (!vincodigo.isEmpty())
        parts << QStringLiteral("UPPER(VINCODIGO) = ") + upperQuoted(vincodigo);
    if (!conta.isEmpty())
        parts << QStringLiteral("BALCO LIKE '") + Sql::escape(conta) + QStringLiteral("%'");
    if (!valor.isEmpty()) {
        bool ok = false;
        const Money amount = Money::parseBr(valor, &ok);
        if (!ok)
            throw BadAmount(valor);
        parts << QStringLiteral("(DEBIT =") + amount.toSql(4) + QStringLiteral(" OR CREDI=") + amount.toSql(4) + u')';
    }
    if (const QString kind = kindCondition(f.kindItem); !kind.isEmpty())
        parts << kind;
    return parts.join(QStringLiteral(" AND "));
}

namespace {

QString journalWhere(const QString &range, const QString &condition)
{
    QString sql = QStringLiteral("SELECT J.* FROM (") + JournalStore::Query + QStringLiteral(") J");
    QStringList parts;
    if (!range.isEmpty())
        parts << range;
    if (!condition.isEmpty())
        parts << u'(' + condition + u')';
    if (!parts.isEmpty())
        sql += QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
    return sql + JournalStore::OrderBy;
}

} // namespace

QString MaintenanceFilter::gridQuery(const QString &condition)
{
    return journalWhere({}, condition);
}

QString MaintenanceFilter::gridQueryWithoutDate(const QString &condition)
{
    return journalWhere(QStringLiteral("J.DATAE IS NULL"), condition);
}

QString MaintenanceFilter::gridQueryOfDay(const QString &condition)
{
    return journalWhere(QStringLiteral("J.DATAE >= ? AND J.DATAE < ?"), condition);
}

QString MaintenanceFilter::totalsCondition(const Fields &f)
{
    QStringList parts;
    const QString vingrupo = f.vingrupo.trimmed();
    const QString vincodigo = f.vincodigo.trimmed();
    const QString conta = f.conta.trimmed();
    if (!vingrupo.isEmpty())
        parts << QStringLiteral("VINGRUPO=") + Sql::quote(vingrupo);
    if (!vincodigo.isEmpty())
        parts << QStringLiteral("VINCODIGO = ") + Sql::quote(vincodigo);
    if (!conta.isEmpty())
        parts << QStringLiteral("CONPLA.BALCO = ") + Sql::quote(conta);
    if (const QString kind = kindCondition(f.kindItem); !kind.isEmpty())
        parts << kind;
    return parts.join(QStringLiteral(" AND "));
}

QString MaintenanceFilter::totalsQuery(const QString &condition)
{
    return QStringLiteral("SELECT CONDIA.BALCO,CONPLA.D_C,SUM(CONDIA.CREDI) CREDIT,SUM(CONDIA.DEBIT) DEBIT,"
                          "SUM(CONDIA.CREDI)-SUM(CONDIA.DEBIT) SALDOC,SUM(CONDIA.DEBIT)-SUM(CONDIA.CREDI) SALDOD "
                          "FROM CONDIA INNER JOIN CONPLA ON CONPLA.BALCO=CONDIA.BALCO WHERE ") +
           condition + QStringLiteral(" GROUP BY CONDIA.BALCO,CONPLA.D_C");
}

std::optional<MaintenanceFilter::Totals> MaintenanceFilter::firstTotals(Database &db, const QString &condition)
{
    QSqlQuery q = db.query(totalsQuery(condition));
    if (!q.next())
        return std::nullopt;
    Totals t;
    t.balco = q.value(0).toString().trimmed();
    t.d_c = q.value(1).toString().trimmed();
    t.credit = Money::fromVariant(q.value(2), 2);
    t.debit = Money::fromVariant(q.value(3), 2);
    t.saldoc = Money::fromVariant(q.value(4), 2);
    t.saldod = Money::fromVariant(q.value(5), 2);
    return t;
}

QString MaintenanceFilter::totalText(Money amount)
{
    if (amount < Money())
        return u'(' + (-amount).toBr() + u')';
    return amount.toBr();
}
