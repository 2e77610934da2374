#include "cli/DemoWriter.h"

#include "cli/DemoProgress.h"
#include "cli/DemoTown.h"
#include "cli/DemoYear.h"
#include "data/Database.h"
#include "yearend/StandardChart.h"

#include <QDateTime>

namespace {

QVariant money(qint64 cents)
{
    return QVariant(double(cents) / 100.0);
}

QVariant day(const QDate &date)
{
    return date.isValid() ? QVariant(QDateTime(date, QTime(0, 0))) : QVariant();
}

// An empty text is stored as NULL, as the suite leaves unset columns.
QVariant text(const QString &value)
{
    return value.isEmpty() ? QVariant() : QVariant(value);
}

QVariant text(const char *value)
{
    return text(QString::fromUtf8(value));
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("S") : QStringLiteral("N");
}

} // namespace

template <typename Row>
void DemoWriter::insert(const QString &label, const QString &sql, const QList<Row> &rows,
                        const std::function<QVariantList(const Row &)> &bind)
{
    m_progress.stage(label);
    QSqlQuery q = m_db.prepare(sql);
    for (const Row &row : rows) {
        Database::execPrepared(q, bind(row));
        m_progress.tick();
    }
}

qint64 DemoWriter::entityRows(const DemoYear &y)
{
    return 3 + DemoTown::histories().size() + DemoTown::rules().size() + StandardChart::complete().size()
           + y.groups.size() + y.links.size();
}

qint64 DemoWriter::executionRows(const DemoYear &y)
{
    return y.units.size() + y.suppliers.size() + y.revenueCodes.size() + y.allocations.size() + y.revenues.size()
           + y.decrees.size() + y.credits.size() + y.commitments.size() + y.payments.size() + y.receipts.size()
           + y.bankAccounts.size() + y.cashOrders.size() + y.goods.size() + y.movements.size() + y.payables.size();
}

void DemoWriter::entity(const DemoYear &y, const QString &fiscalYear)
{
    m_progress.stage(QStringLiteral("Gravando a entidade do exercício de %1...").arg(fiscalYear));
    const DemoTown::Entity e = DemoTown::entity();
    m_db.exec(QStringLiteral("INSERT INTO CADCLI (MEXER, CLNT1, ENDERE, CGC, RODAPE) VALUES (?, ?, ?, ?, ?)"),
              {fiscalYear, e.name, e.address, e.cnpj, e.footer});
    m_db.exec(QStringLiteral("INSERT INTO LOGO (LOGO, MOSTRA) VALUES (?, ?)"), {DemoTown::logoBitmap(), QStringLiteral("S")});
    // The suite's parameter that leaves reservations (commitments of type RD) out of the postings.
    m_db.exec(QStringLiteral("INSERT INTO PARAMEDU (RD) VALUES ('F')"));
    insert<DemoTown::History>(QStringLiteral("Gravando os históricos padrão..."),
                              QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (?, ?)"), DemoTown::histories(),
                              [](const DemoTown::History &h) { return QVariantList{h.histo, QString::fromUtf8(h.text)}; });
    insert<DemoTown::Rule>(QStringLiteral("Gravando as regras de lançamento manual..."),
                           QStringLiteral("INSERT INTO CONAUT (GRUPO, D_C, CONDI, BALCO, DISCRI) VALUES (?, ?, ?, ?, ?)"),
                           DemoTown::rules(), [](const DemoTown::Rule &r) {
                               return QVariantList{text(r.grupo), text(r.d_c), text(r.condi), text(r.balco), text(r.discri)};
                           });
    insert<StandardChart::Account>(
        QStringLiteral("Gravando o plano de contas..."),
        QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C, CREDIT, DEBIT, SALDO) VALUES (?, ?, ?, ?, 0, 0, 0)"),
        StandardChart::complete(), [](const StandardChart::Account &a) {
            return QVariantList{a.code, a.code.left(1), a.title, QString(a.nature)};
        });
    insert<DemoYear::Group>(QStringLiteral("Gravando os vínculos..."),
                            QStringLiteral("INSERT INTO VINGRUPO (VINGRUPO, VINGRUPONOME) VALUES (?, ?)"), y.groups,
                            [](const DemoYear::Group &g) { return QVariantList{g.group, g.name}; });
    insert<DemoYear::Link>(
        QStringLiteral("Gravando os vínculos..."),
        QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO, VINCODIGONOME, CLASSE) VALUES (?, ?, ?, ?)"), y.links,
        [](const DemoYear::Link &l) {
            return QVariantList{l.group, l.code, l.name, l.indirect ? QStringLiteral("A") : QStringLiteral("D")};
        });
}

void DemoWriter::execution(const DemoYear &y)
{
    insert<DemoYear::Unit>(QStringLiteral("Gravando as unidades orçamentárias..."),
                           QStringLiteral("INSERT INTO UNIDADE (CODLO, NUNIDADE) VALUES (?, ?)"), y.units,
                           [](const DemoYear::Unit &u) { return QVariantList{u.codlo, u.name}; });
    insert<DemoYear::Supplier>(QStringLiteral("Gravando os fornecedores..."),
                               QStringLiteral("INSERT INTO DESFOR (CODIF, NOME) VALUES (?, ?)"), y.suppliers,
                               [](const DemoYear::Supplier &s) { return QVariantList{s.codif, s.name}; });
    insert<DemoYear::RevenueCode>(QStringLiteral("Gravando a classificação da receita..."),
                                  QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES (?, ?)"), y.revenueCodes,
                                  [](const DemoYear::RevenueCode &r) { return QVariantList{r.codre, r.name}; });
    insert<DemoYear::Allocation>(
        QStringLiteral("Gravando as fichas da despesa..."),
        QStringLiteral("INSERT INTO DESDIS (FICHA, BALCO, DOTAC, ESPECIAL, EXTRA, FUNCAO, CODLO, VINGRUPO, VINCODIGO) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        y.allocations, [](const DemoYear::Allocation &a) {
            return QVariantList{a.ficha, text(a.balco), money(a.dotac), a.especial, yesNo(a.extra),
                                text(a.funcao), a.codlo, a.group, a.code};
        });
    insert<DemoYear::Revenue>(
        QStringLiteral("Gravando as fichas da receita..."),
        QStringLiteral("INSERT INTO RECDIS (FICHA, CODRE, TOTOR, BALCO, EXTRA, VINGRUPO, VINCODIGO) VALUES (?, ?, ?, ?, ?, ?, ?)"),
        y.revenues, [](const DemoYear::Revenue &r) {
            return QVariantList{r.ficha, r.codre, money(r.totor), text(r.balco), yesNo(r.extra), r.group, r.code};
        });
    insert<DemoYear::Decree>(QStringLiteral("Gravando os decretos..."),
                             QStringLiteral("INSERT INTO CADDECRETO (DECRETO, HISTORICO) VALUES (?, ?)"), y.decrees,
                             [](const DemoYear::Decree &d) { return QVariantList{d.number, d.text}; });
    insert<DemoYear::Credit>(QStringLiteral("Gravando os créditos adicionais..."),
                             QStringLiteral("INSERT INTO DESALD (FICHA, VALOR, IE, DECRETO, DTLAN) VALUES (?, ?, ?, ?, ?)"),
                             y.credits, [](const DemoYear::Credit &c) {
                                 return QVariantList{c.ficha, money(c.valor), c.ie, text(c.decree), day(c.date)};
                             });
    insert<DemoYear::Commitment>(
        QStringLiteral("Gravando os empenhos..."),
        QStringLiteral("INSERT INTO DESPES (PKEMP, PKEMPA, TPEM, FICHA, VADEM, DATAE, CATEC, VINGRUPO, VINCODIGO) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        y.commitments, [](const DemoYear::Commitment &c) {
            return QVariantList{c.pkemp, c.pkempa, c.tpem, c.ficha, money(c.vadem), day(c.date), text(c.catec),
                                c.group, c.code};
        });
    insert<DemoYear::Payment>(QStringLiteral("Gravando os pagamentos..."),
                              QStringLiteral("INSERT INTO PAGAMENTO (PKPAG, PKEMP, CODIF, VAPAG, DTPAG) VALUES (?, ?, ?, ?, ?)"),
                              y.payments, [](const DemoYear::Payment &p) {
                                  return QVariantList{p.pkpag, p.pkemp, p.codif, money(p.vapag), day(p.date)};
                              });
    insert<DemoYear::Receipt>(QStringLiteral("Gravando as receitas arrecadadas..."),
                              QStringLiteral("INSERT INTO RECEIT (FICHA, VAREC, DTLAN) VALUES (?, ?, ?)"), y.receipts,
                              [](const DemoYear::Receipt &r) { return QVariantList{r.ficha, money(r.varec), day(r.date)}; });
    insert<DemoYear::BankAccount>(
        QStringLiteral("Gravando as contas bancárias..."),
        QStringLiteral("INSERT INTO DESCON (CONTA, RECUR, BALCO, SALDOINICIAL, CREDI, DEBIT, SALDO, VINGRUPO, VINCODIGO) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        y.bankAccounts, [](const DemoYear::BankAccount &b) {
            return QVariantList{b.conta,          b.recur,        b.balco,   money(b.opening), money(b.deposits),
                                money(b.withdrawals), money(b.deposits - b.withdrawals), b.group, b.code};
        });
    insert<DemoYear::CashOrder>(QStringLiteral("Gravando as ordens de caixa..."),
                                QStringLiteral("INSERT INTO ORDCAI (CONTA, DEBIT, CREDI, DTLAN) VALUES (?, ?, ?, ?)"),
                                y.cashOrders, [](const DemoYear::CashOrder &o) {
                                    return QVariantList{o.conta, money(o.debit), money(o.credi), day(o.date)};
                                });
    insert<DemoYear::Good>(
        QStringLiteral("Gravando os bens patrimoniais..."),
        QStringLiteral("INSERT INTO CADPAT (CHAPA, NATUR, DISCR, DATAE, BALCO, VATO3, ORIG, DTPAG, NOTA, CODLO, DESDO, "
                       "CODIF, QUAN1, REQUI) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?)"),
        y.goods, [](const DemoYear::Good &g) {
            return QVariantList{g.chapa, g.natur, g.discr, day(g.acquired), g.balco, money(g.value), g.orig,
                                day(g.paid),  g.nota,  g.codlo, g.desdo,          g.codif, g.requi};
        });
    insert<DemoYear::Movement>(QStringLiteral("Gravando as movimentações de bens..."),
                               QStringLiteral("INSERT INTO MOVBEM (BEM, NATUR, DATA, TIPO) VALUES (?, ?, ?, ?)"),
                               y.movements, [](const DemoYear::Movement &m) {
                                   return QVariantList{m.bem, m.natur, day(m.date), m.tipo};
                               });
    insert<DemoYear::Payable>(
        QStringLiteral("Gravando os restos a pagar..."),
        QStringLiteral("INSERT INTO FRESPA (PKEMP, FICHA, PROCESSADO, NPROCESSADO, DATAE, CATEC, INSC, TPEM, VINGRUPO, "
                       "VINCODIGO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        y.payables, [](const DemoYear::Payable &p) {
            return QVariantList{p.pkemp, p.ficha, money(p.processado), money(p.nprocessado), day(p.date), p.catec,
                                p.insc,  p.tpem,  p.group,            p.code};
        });
}

void DemoWriter::journal(const QList<DemoPreviousYear::Line> &lines)
{
    int seq = 0;
    QList<QPair<int, const DemoPreviousYear::Line *>> numbered;
    for (const auto &l : lines)
        numbered.append({++seq, &l});
    using Numbered = QPair<int, const DemoPreviousYear::Line *>;
    insert<Numbered>(
        QStringLiteral("Gravando o diário do exercício anterior..."),
        QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, TITCO, DATAE, HISTO, DEBIT, CREDI, IE, DISCRI, IMP, SEQ, TIPO, "
                       "VINGRUPO, VINCODIGO) VALUES (0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        numbered, [](const Numbered &n) {
            const DemoPreviousYear::Line &l = *n.second;
            return QVariantList{text(l.balco),
                                l.titco,
                                day(l.date),
                                l.histo ? QVariant(l.histo) : QVariant(),
                                l.debit ? money(l.debit) : QVariant(),
                                l.credit ? money(l.credit) : QVariant(),
                                l.ie,
                                text(l.discri),
                                l.imp,
                                n.first,
                                text(l.tipo),
                                text(l.group),
                                text(l.code)};
        });
}
