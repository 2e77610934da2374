#include "cli/DemoPreviousYear.h"

#include "cli/DemoRandom.h"
#include "cli/DemoSizes.h"
#include "cli/DemoTown.h"
#include "cli/DemoYear.h"
#include "yearend/StandardChart.h"

#include <QMap>
#include <cmath>

namespace {

using Line = DemoPreviousYear::Line;

struct Share {
    const char *suffix;
    double share;
};

// Revenue by category, as a fraction of the year's revenue: the last four digits
// of the accounts 1111xx/1112xx (estimate), 1411xx/1412xx (collected),
// 2211xx/2212xx (financial) and 4111xx/4112xx (economic).
const QList<Share> revenueShares = {{"1101", 0.18}, {"1102", 0.02}, {"1103", 0.02}, {"1106", 0.01},
                                    {"1107", 0.70}, {"1109", 0.04}, {"1201", 0.02}, {"1204", 0.01}};
const QList<Share> functionShares = {{"04", 0.25}, {"12", 0.30}, {"10", 0.20}, {"15", 0.10},
                                     {"26", 0.05}, {"08", 0.05}, {"09", 0.05}};
const QList<Share> expenseShares = {{"421101", 0.45}, {"421103", 0.45}, {"421204", 0.08}, {"421206", 0.02}};
// Permanent assets and liabilities, as a fraction of the year's budget.
const QList<Share> permanentShares = {
    {"331101", 0.10}, {"331102", 0.08}, {"331103", 0.07}, {"331104", 0.04}, {"331105", 0.05}, {"331106", 0.02},
    {"331201", 0.12}, {"331202", 0.04}, {"331301", 0.03}, {"331302", 0.03}, {"331303", 0.01}, {"334201", 0.03},
    {"332101", 0.07}, {"332102", 0.02}, {"333301", 0.01}, {"342101", 0.12}};
// Memorandum accounts move in pairs.
const QList<QPair<const char *, const char *>> memorandumPairs = {{"372101", "382101"}, {"375201", "385201"}};

QList<qint64> byShares(qint64 total, const QList<Share> &shares)
{
    QList<qint64> out;
    qint64 given = 0;
    for (int i = 0; i < shares.size(); ++i) {
        const qint64 part = i + 1 == shares.size() ? total - given : qint64(double(total) * shares[i].share);
        out << part;
        given += part;
    }
    return out;
}

bool debitNature(const QString &balco)
{
    const auto *a = StandardChart::find(balco);
    return (a ? a->nature : StandardChart::natureByDigit(balco)) == u'D';
}

// The availability account of the financial system that matches a bank or cash
// account of the patrimonial system, as the opening maps them.
QString availability(const QString &balco, const char *system)
{
    static const QList<QPair<const char *, const char *>> kinds = {
        {"3111", "01"}, {"3112", "02"}, {"3113", "03"}, {"3114", "04"}, {"312", "05"}, {"3115", "06"}};
    for (const auto &k : kinds) {
        if (balco.startsWith(QLatin1String(k.first)))
            return QLatin1String(system) + QLatin1String(k.second);
    }
    return QString();
}

class Journal {
public:
    explicit Journal(int year) : m_year(year)
    {
        for (const auto &h : DemoTown::histories())
            m_histories.insert(h.histo, QString::fromUtf8(h.text));
    }

    void block(const QDate &date, int ie, const QString &imp, const char *system, bool linked = false,
               const QString &tipo = QString())
    {
        m_date = date;
        m_ie = ie;
        m_imp = imp;
        Line header;
        header.date = date;
        header.ie = ie;
        header.imp = imp;
        header.titco = QLatin1String(system);
        header.tipo = tipo;
        if (linked) {
            header.group = QStringLiteral("001");
            header.code = QStringLiteral("001");
        }
        m_lines.append(header);
    }
    // A monthly block: IMP runs from 100 within each month.
    void monthly(int month, int ie, const char *system)
    {
        const QDate date = QDate(m_year, month, 1).addMonths(1).addDays(-1);
        if (date != m_date)
            m_nextImp = 100;
        block(date, ie, QString::number(++m_nextImp), system);
    }

    void post(const QString &balco, qint64 amount, bool debit, int histo, const QString &text = QString())
    {
        if (amount == 0)
            return;
        if (amount < 0) {
            amount = -amount;
            debit = !debit;
        }
        Line l;
        l.date = m_date;
        l.ie = m_ie;
        l.imp = m_imp;
        l.balco = balco;
        const auto *a = StandardChart::find(balco);
        l.titco = a ? a->title.left(30) : QString();
        l.histo = histo;
        l.discri = histo ? m_histories.value(histo) : text;
        (debit ? l.debit : l.credit) = amount;
        l.group = QStringLiteral("001");
        l.code = QStringLiteral("001");
        m_lines.append(l);
        m_balance[balco] += debit ? amount : -amount;
    }
    void debit(const QString &balco, qint64 amount, int histo, const QString &text = QString())
    {
        post(balco, amount, true, histo, text);
    }
    void credit(const QString &balco, qint64 amount, int histo, const QString &text = QString())
    {
        post(balco, amount, false, histo, text);
    }

    // Debits minus credits so far.
    qint64 balance(const QString &balco) const { return m_balance.value(balco); }
    const QMap<QString, qint64> &balances() const { return m_balance; }
    const QList<Line> &lines() const { return m_lines; }

private:
    int m_year;
    QMap<int, QString> m_histories;
    QList<Line> m_lines;
    QMap<QString, qint64> m_balance;
    QDate m_date;
    int m_ie = 0;
    QString m_imp;
    int m_nextImp = 100;
};

class PreviousYear {
public:
    PreviousYear(const DemoYear &current, const DemoSizes &sizes, DemoRandom &random)
        : m_current(current), m_random(random), m_year(current.year - 1),
          m_budget(qint64(double(sizes.budget) * 0.94)), m_journal(current.year - 1)
    {
    }

    QList<Line> build()
    {
        setTargets();
        setOpening();
        openYear();
        for (int m = 1; m <= 12; ++m)
            postMonth(m);
        closeYear();
        return m_journal.lines();
    }

private:
    qint64 ofBudget(double share) const { return qint64(double(m_budget) * share) / 100 * 100; }

    // The balances the year must close with.
    void setTargets()
    {
        for (const auto &b : m_current.bankAccounts)
            m_target[b.balco] += b.opening;
        for (const auto &c : m_current.carried)
            m_target[c.balco] += c.amount;
        for (const auto &s : permanentShares)
            m_target[QLatin1String(s.suffix)] += ofBudget(s.share * m_random.between(0.8, 1.2));
        m_memorandum = {ofBudget(0.004), ofBudget(0.002)};
    }

    void setOpening()
    {
        for (auto it = m_target.cbegin(); it != m_target.cend(); ++it) {
            if (it.key().startsWith(u"3211"))
                continue; // this year's payables are made at the closing
            m_opening[it.key()] = qint64(double(it.value()) * m_random.between(0.75, 1.15));
        }
        m_opening[QStringLiteral("321101")] = ofBudget(0.03);
    }

    static qint64 net(const QMap<QString, qint64> &balances)
    {
        qint64 n = 0;
        for (auto it = balances.cbegin(); it != balances.cend(); ++it)
            n += debitNature(it.key()) ? it.value() : -it.value();
        return n;
    }

    void openYear()
    {
        Journal &j = m_journal;
        const QDate first(m_year, 1, 1);
        j.block(first, 1, QStringLiteral("2"), "SISTEMA PATRIMONIAL", false, QStringLiteral("2"));
        for (auto it = m_opening.cbegin(); it != m_opening.cend(); ++it)
            j.post(it.key(), it.value(), debitNature(it.key()), 101);
        const qint64 equity = net(m_opening);
        j.post(equity >= 0 ? QStringLiteral("361101") : QStringLiteral("351101"), equity, false, 101);

        j.block(first, 2, QStringLiteral("403"), "SISTEMA FINANCEIRO", true);
        QMap<QString, qint64> cash;
        for (auto it = m_opening.cbegin(); it != m_opening.cend(); ++it) {
            if (!availability(it.key(), "2511").isEmpty())
                cash[it.key().left(4)] += it.value();
        }
        for (auto it = cash.cbegin(); it != cash.cend(); ++it)
            j.debit(availability(it.key(), "2511"), it.value(), 102);
        for (auto it = cash.cbegin(); it != cash.cend(); ++it)
            j.credit(availability(it.key(), "2611"), it.value(), 103);

        j.block(first, 3, QStringLiteral("405"), "SISTEMA ORCAMENTARIO", true);
        const QList<qint64> estimate = byShares(m_budget, revenueShares);
        for (int i = 0; i < revenueShares.size(); ++i)
            j.debit(QStringLiteral("11") + QLatin1String(revenueShares[i].suffix), estimate[i], 104);
        j.credit(QStringLiteral("162101"), m_budget, 105);
        j.debit(QStringLiteral("152101"), m_budget, 105);
        j.credit(QStringLiteral("121101"), m_budget, 106);
    }

    // Totals of the year, split over the months.
    void planFlows()
    {
        const qint64 payables = m_target.value(QStringLiteral("321102")) + m_target.value(QStringLiteral("321104"));
        const qint64 paid = ofBudget(0.90);
        const qint64 priorPayables = m_opening.value(QStringLiteral("321101"));
        const qint64 priorPaid = priorPayables * 9 / 10;
        m_cancelled = priorPayables - priorPaid;
        qint64 moved = 0;
        for (auto it = m_target.cbegin(); it != m_target.cend(); ++it) {
            if (availability(it.key(), "2511").isEmpty() || it.key() == u"311101")
                continue;
            m_delta[it.key()] = m_random.split(it.value() - m_opening.value(it.key()), 12, 0);
            moved += it.value() - m_opening.value(it.key());
        }
        // Cash ends where the next year begins: what came in covers what went out.
        const qint64 received = m_target.value(QStringLiteral("311101")) - m_opening.value(QStringLiteral("311101")) + paid
                                + priorPaid + moved;
        m_revenue = m_random.split(received, 12, 100);
        m_payments = m_random.split(paid, 12, 100);
        m_commitments = m_random.split(paid + payables, 12, 100);
        m_priorPaid = m_random.split(priorPaid, 6, 100);
        for (auto it = m_target.cbegin(); it != m_target.cend(); ++it) {
            if (!availability(it.key(), "2511").isEmpty() || it.key().startsWith(u"3211"))
                continue;
            m_delta[it.key()] = m_random.split(it.value() - m_opening.value(it.key()), 12, 0);
        }
    }

    void postMonth(int m)
    {
        if (m == 1)
            planFlows();
        Journal &j = m_journal;
        const qint64 r = m_revenue[m - 1];
        const QList<qint64> byCategory = byShares(r, revenueShares);
        j.monthly(m, 9, "SISTEMA ORCAMENTARIO");
        j.debit(QStringLiteral("153101"), r, 301);
        for (int i = 0; i < revenueShares.size(); ++i)
            j.credit(QStringLiteral("14") + QLatin1String(revenueShares[i].suffix), byCategory[i], 302);
        j.monthly(m, 9, "SISTEMA FINANCEIRO");
        j.debit(QStringLiteral("251101"), r, 303);
        for (int i = 0; i < revenueShares.size(); ++i)
            j.credit(QStringLiteral("22") + QLatin1String(revenueShares[i].suffix), byCategory[i], 302);
        j.monthly(m, 9, "SISTEMA PATRIMONIAL");
        j.debit(QStringLiteral("311101"), r, 303);
        j.credit(QStringLiteral("391101"), r, 304);
        j.monthly(m, 9, "SISTEMA ECONOMICO");
        for (int i = 0; i < revenueShares.size(); ++i)
            j.debit(QStringLiteral("41") + QLatin1String(revenueShares[i].suffix), byCategory[i], 302);
        j.credit(QStringLiteral("491101"), r, 304);

        const qint64 c = m_commitments[m - 1];
        j.monthly(m, 7, "SISTEMA ORCAMENTARIO");
        j.debit(QStringLiteral("131101"), c, 201);
        j.credit(QStringLiteral("163101"), c, 201);
        j.monthly(m, 7, "SISTEMA FINANCEIRO");
        const QList<qint64> byFunction = byShares(c, functionShares);
        for (int i = 0; i < functionShares.size(); ++i)
            j.debit(QStringLiteral("2111") + QLatin1String(functionShares[i].suffix), byFunction[i], 201);
        j.credit(QStringLiteral("242101"), c, 202);
        j.monthly(m, 7, "SISTEMA PATRIMONIAL");
        j.debit(QStringLiteral("391101"), c, 203);
        j.credit(QStringLiteral("325101"), c, 202);
        j.monthly(m, 7, "SISTEMA ECONOMICO");
        j.debit(QStringLiteral("491101"), c, 203);
        const QList<qint64> byExpense = byShares(c, expenseShares);
        for (int i = 0; i < expenseShares.size(); ++i)
            j.credit(QLatin1String(expenseShares[i].suffix), byExpense[i], 201);

        const qint64 p = m_payments[m - 1];
        j.monthly(m, 13, "SISTEMA FINANCEIRO");
        j.debit(QStringLiteral("242101"), p, 216);
        j.credit(QStringLiteral("251101"), p, 217);
        j.monthly(m, 13, "SISTEMA PATRIMONIAL");
        j.debit(QStringLiteral("325101"), p, 216);
        j.credit(QStringLiteral("311101"), p, 217);

        if (m <= 6) {
            const qint64 rp = m_priorPaid[m - 1];
            j.monthly(m, 11, "SISTEMA FINANCEIRO");
            j.debit(QStringLiteral("231101"), rp, 212);
            j.credit(QStringLiteral("251101"), rp, 212);
            j.monthly(m, 11, "SISTEMA PATRIMONIAL");
            j.debit(QStringLiteral("321101"), rp, 212);
            j.credit(QStringLiteral("311101"), rp, 212);
        }
        if (m == 9 && m_cancelled > 0) {
            const QString text = QStringLiteral("Cancelamento de Restos a pagar de %1").arg(m_year - 1);
            j.monthly(m, 26, "SISTEMA PATRIMONIAL");
            j.debit(QStringLiteral("321101"), m_cancelled, 0, text);
            j.credit(QStringLiteral("391101"), m_cancelled, 0, text);
            j.monthly(m, 26, "SISTEMA ECONOMICO");
            j.debit(QStringLiteral("431104"), m_cancelled, 0, text);
            j.credit(QStringLiteral("491101"), m_cancelled, 0, text);
        }
        postMovements(m);
    }

    // Money moved between the town's accounts, and the patrimonial accounts'
    // variations of the month.
    void postMovements(int m)
    {
        Journal &j = m_journal;
        bool first = true;
        for (auto it = m_delta.cbegin(); it != m_delta.cend(); ++it) {
            const QString fin = availability(it.key(), "2511");
            if (fin.isEmpty())
                continue;
            const qint64 d = it.value()[m - 1];
            if (d == 0)
                continue;
            if (first) {
                j.monthly(m, 12, "SISTEMA FINANCEIRO");
                first = false;
            }
            j.debit(fin, d, 214);
            j.credit(QStringLiteral("251101"), d, 214);
        }
        first = true;
        for (auto it = m_delta.cbegin(); it != m_delta.cend(); ++it) {
            const qint64 d = it.value()[m - 1];
            if (availability(it.key(), "2511").isEmpty() || d == 0)
                continue;
            if (first) {
                j.monthly(m, 12, "SISTEMA PATRIMONIAL");
                first = false;
            }
            j.debit(it.key(), d, 214);
            j.credit(QStringLiteral("311101"), d, 214);
        }
        const QString text = QStringLiteral("Variações patrimoniais do mês conforme registros");
        first = true;
        for (auto it = m_delta.cbegin(); it != m_delta.cend(); ++it) {
            const qint64 d = it.value()[m - 1];
            if (!availability(it.key(), "2511").isEmpty() || d == 0)
                continue;
            if (first) {
                j.monthly(m, 37, "SISTEMA PATRIMONIAL");
                first = false;
            }
            // An increase of an asset or a decrease of a liability is a gain.
            const bool asset = debitNature(it.key());
            j.post(it.key(), d, asset, 0, text);
            j.post(QStringLiteral("391101"), d, !asset, 0, text);
        }
        if (m == 6) {
            j.monthly(m, 22, "SISTEMA PATRIMONIAL");
            const QString memo = QStringLiteral("Registro de garantias e valores sob guarda");
            for (int i = 0; i < memorandumPairs.size(); ++i) {
                j.debit(QLatin1String(memorandumPairs[i].first), m_memorandum[i], 0, memo);
                j.credit(QLatin1String(memorandumPairs[i].second), m_memorandum[i], 0, memo);
            }
        }
    }

    void closeYear()
    {
        Journal &j = m_journal;
        const QDate last(m_year, 12, 31);
        const QString imp = QStringLiteral("801");
        j.block(last, 36, imp, "SISTEMA PATRIMONIAL");
        j.debit(QStringLiteral("325101"), -j.balance(QStringLiteral("325101")), 462);
        const QString part = QStringLiteral("Parte transf. da conta 325101");
        j.credit(QStringLiteral("321102"), m_target.value(QStringLiteral("321102")), 0, part);
        j.credit(QStringLiteral("321104"), m_target.value(QStringLiteral("321104")), 0, part);

        j.block(last, 36, QStringLiteral("803"), "SISTEMA FINANCEIRO");
        const qint64 toPay = -j.balance(QStringLiteral("242101"));
        j.debit(QStringLiteral("242101"), toPay, 0, QStringLiteral("Saldo desta conta transferido para conta 241101"));
        j.credit(QStringLiteral("241101"), toPay, 0, QStringLiteral("Saldo transferido da conta 242101"));

        j.block(last, 36, QStringLiteral("804"), "SISTEMA ORCAMENTARIO");
        const QMap<QString, qint64> budget = j.balances();
        for (auto it = budget.cbegin(); it != budget.cend(); ++it) {
            if (it.key().startsWith(u'1'))
                j.post(it.key(), -it.value(), true, 471);
        }

        j.block(last, 35, QStringLiteral("805"), "SISTEMA PATRIMONIAL");
        const qint64 result = j.balance(QStringLiteral("391101"));
        if (result <= 0) {
            j.debit(QStringLiteral("391101"), -result, 466);
            j.credit(QStringLiteral("361101"), -result, 468);
        } else {
            j.credit(QStringLiteral("391101"), result, 484);
            j.debit(QStringLiteral("361101"), result, 494);
        }
        j.block(last, 35, QStringLiteral("806"), "SISTEMA ECONOMICO");
        const qint64 economic = j.balance(QStringLiteral("491101"));
        if (economic < 0) {
            j.debit(QStringLiteral("491101"), -economic, 469);
            j.credit(QStringLiteral("461101"), -economic, 470);
        } else {
            j.credit(QStringLiteral("491101"), economic, 492);
            j.debit(QStringLiteral("451101"), economic, 491);
        }
    }

    const DemoYear &m_current;
    DemoRandom &m_random;
    int m_year;
    qint64 m_budget;
    Journal m_journal;
    QMap<QString, qint64> m_target;
    QMap<QString, qint64> m_opening;
    QMap<QString, QList<qint64>> m_delta;
    QList<qint64> m_memorandum;
    QList<qint64> m_revenue, m_payments, m_commitments, m_priorPaid;
    qint64 m_cancelled = 0;
};

} // namespace

namespace DemoPreviousYear {

QList<Line> journal(const DemoYear &current, const DemoSizes &sizes, DemoRandom &random)
{
    return PreviousYear(current, sizes, random).build();
}

} // namespace DemoPreviousYear
