#include "cli/DemoExecution.h"

#include "cli/DemoRandom.h"
#include "cli/DemoSizes.h"
#include "cli/DemoTown.h"
#include "cli/DemoYear.h"

#include <QMap>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Register numbers of the institutional suppliers (DemoTown::institutionalSuppliers).
enum Supplier {
    Payroll = 1,
    SocialSecurity,
    OwnScheme,
    TaxOffice,
    TownCouncil,
    DevelopmentAgency,
    Pensioners,
    Charities,
    Advances,
    Union,
    Lenders,
    Guarantees,
    FirstFirm
};

// A commitment or annulment before the journal numbers are given.
struct Draft {
    DemoYear::Commitment row;
    int parent = -1; // the commitment an annulment undoes, by draft index
    qint64 annulled = 0;
    qint64 paid = 0;
    bool mustPay = false; // keeps the postings of its account in the data
};

struct PaymentDraft {
    int draft = 0;
    qint64 amount = 0;
    QDate date;
};

class Execution {
public:
    Execution(DemoYear &y, const DemoSizes &sizes, DemoRandom &random) : m_y(y), m_sizes(sizes), m_random(random) {}

    void run()
    {
        DemoRandom commitments = m_random.fork(11), payments = m_random.fork(12), receipts = m_random.fork(13),
                   extra = m_random.fork(14), restos = m_random.fork(15);
        commitBudget(commitments);
        payBudget(payments);
        carryPayables(restos);
        moveExtraItems(extra);
        collectRevenue(receipts);
        number();
        leavePayables(payments);
    }

private:
    QDate yearEnd() const { return QDate(m_y.year, 12, 31); }

    int firm(DemoRandom &r) { return r.between(FirstFirm, int(m_y.suppliers.size())); }

    int supplierFor(const DemoYear::Allocation &a, DemoRandom &r)
    {
        if (a.balco == u"371101" || a.balco == u"381101" || a.catec == u"3.3.90.14")
            return Advances;
        if (a.balco == u"382101")
            return Guarantees;
        const QString c = a.catec;
        if (c == u"3.1.90.11" || c == u"3.1.90.16" || c == u"3.3.90.46")
            return Payroll;
        if (c == u"3.1.90.13")
            return r.chance(0.5) ? SocialSecurity : OwnScheme;
        if (c == u"3.1.90.01" || c == u"3.1.90.03")
            return Pensioners;
        if (c == u"3.2.90.21" || c == u"4.6.90.71")
            return DevelopmentAgency;
        if (c == u"3.3.50.43")
            return Charities;
        return firm(r);
    }

    int addDraft(const DemoYear::Allocation &a, qint64 amount, const QDate &date, const QString &tpem, int supplier)
    {
        Draft d;
        d.row.tpem = tpem;
        d.row.ficha = a.ficha;
        d.row.vadem = amount;
        d.row.date = date;
        d.row.catec = a.catec;
        d.row.group = a.group;
        d.row.code = a.code;
        d.row.supplier = supplier;
        m_drafts.append(d);
        return int(m_drafts.size()) - 1;
    }

    void annul(int draft, qint64 amount, const QDate &date)
    {
        Draft d;
        d.row = m_drafts[draft].row;
        d.row.vadem = -amount;
        d.row.date = date;
        d.parent = draft;
        m_drafts[draft].annulled += amount;
        m_drafts.append(d);
    }

    void pay(int draft, qint64 amount, const QDate &date)
    {
        m_payments.append({draft, amount, date});
        m_drafts[draft].paid += amount;
    }

    // `total` in about `wanted` pieces of at least `minimum` each (fewer when the
    // total is small).
    QList<qint64> pieces(DemoRandom &r, qint64 total, int wanted, qint64 minimum)
    {
        const qint64 room = std::max<qint64>(1, std::abs(total) / minimum);
        QList<qint64> out = r.split(total, int(std::clamp<qint64>(wanted, 1, room)), minimum);
        out.removeAll(0);
        return out;
    }

    // Counts in proportion to the weights, each at least one, adding up to total.
    QList<int> apportion(const QList<double> &weights, int total)
    {
        double sum = 0;
        for (double w : weights)
            sum += w;
        QList<int> counts;
        int given = 0;
        QList<QPair<double, int>> remainders;
        for (int i = 0; i < weights.size(); ++i) {
            const double exact = sum > 0 ? weights[i] / sum * total : 0;
            counts << std::max(1, int(exact));
            given += counts.last();
            remainders.append({exact - std::floor(exact), i});
        }
        std::stable_sort(remainders.begin(), remainders.end(),
                         [](const auto &a, const auto &b) { return a.first > b.first; });
        for (int k = 0; given < total && !remainders.isEmpty(); k = (k + 1) % int(remainders.size()), ++given)
            ++counts[remainders[k].second];
        return counts;
    }

    void commitBudget(DemoRandom &r)
    {
        QList<const DemoYear::Allocation *> budget;
        QList<double> weights;
        for (const auto &a : std::as_const(m_y.allocations)) {
            if (!a.extra && a.dotac + a.credits > 0) {
                budget << &a;
                weights << std::pow(double(a.dotac + a.credits), 0.8);
            }
        }
        const QList<int> counts = apportion(weights, m_sizes.budgetCommitments);
        for (int i = 0; i < budget.size(); ++i) {
            const auto &a = *budget[i];
            const bool staff = a.catec.startsWith(u"3.1");
            const qint64 target = qint64(double(a.dotac + a.credits) * r.between(0.80, 0.96));
            bool first = true;
            for (qint64 amount : pieces(r, target, counts[i], 1000)) {
                // The first commitment of an allocation that names an account
                // (advances, guarantees, debt) is paid in full, so that the
                // postings of that account always have something to show.
                const bool mustPay = first && !a.balco.isEmpty();
                first = false;
                QString tpem = staff ? QStringLiteral("ES") : r.chance(0.7) ? QStringLiteral("OR") : QStringLiteral("GL");
                if (!staff && !mustPay && r.chance(0.03))
                    tpem = QStringLiteral("RD");
                const int d = addDraft(a, amount, r.dayBetween(a.opens, yearEnd()), tpem, supplierFor(a, r));
                m_drafts[d].mustPay = mustPay;
                if (tpem != u"RD" && !mustPay && r.chance(0.08)) {
                    const qint64 back = r.chance(0.3) ? amount : std::max<qint64>(1, qint64(double(amount) * r.between(0.05, 0.6)));
                    annul(d, back, std::min(yearEnd(), m_drafts[d].row.date.addDays(r.between(0, 40))));
                }
            }
        }
        ensureReservationAndAnnulment();
    }

    // A small town may draw neither; the postings must still meet both.
    void ensureReservationAndAnnulment()
    {
        bool reservation = false, annulment = false;
        for (const Draft &d : std::as_const(m_drafts)) {
            reservation = reservation || d.row.tpem == u"RD";
            annulment = annulment || d.parent >= 0;
        }
        for (int d = 0; d < m_drafts.size() && !(reservation && annulment); ++d) {
            Draft &c = m_drafts[d];
            if (c.parent >= 0 || c.annulled > 0 || c.mustPay || c.row.tpem == u"ES" || c.row.tpem == u"RD")
                continue;
            if (!reservation) {
                c.row.tpem = QStringLiteral("RD");
                reservation = true;
            } else {
                annul(d, std::max<qint64>(1, c.row.vadem / 2), std::min(yearEnd(), c.row.date.addDays(10)));
                annulment = true;
            }
        }
    }

    // Reservations (type RD) are never paid; December's commitments are often
    // left for the next year.
    void payBudget(DemoRandom &r)
    {
        const qsizetype drafts = m_drafts.size();
        for (int d = 0; d < drafts; ++d) {
            const Draft &c = m_drafts[d];
            if (c.parent >= 0 || c.row.tpem == u"RD")
                continue;
            const qint64 net = c.row.vadem - c.annulled;
            if (net <= 0)
                continue;
            const double draw = r.unit();
            const double full = c.mustPay ? 1.0 : c.row.date.month() == 12 ? 0.45 : 0.88;
            qint64 toPay = 0;
            if (draw < full)
                toPay = net;
            else if (draw < full + 0.08)
                toPay = std::max<qint64>(1, qint64(double(net) * r.between(0.2, 0.8)));
            if (toPay == 0)
                continue;
            const int parts = c.row.tpem == u"ES" || c.mustPay ? 1 : 1 + r.weighted({0.70, 0.22, 0.08});
            QDate date = c.row.date;
            for (qint64 amount : r.split(toPay, parts, 1)) {
                if (amount == 0)
                    continue;
                date = std::min(yearEnd(), date.addDays(r.between(0, 30)));
                pay(d, amount, date);
            }
        }
    }

    QList<const DemoYear::Allocation *> extraAllocations(const QString &balco) const
    {
        QList<const DemoYear::Allocation *> list;
        for (const auto &a : m_y.allocations) {
            if (a.extra && a.balco == balco)
                list << &a;
        }
        return list;
    }

    // The payables the year before left (suppliers' and staff's), registered on
    // the first day, mostly paid in the first half, some cancelled.
    void carryPayables(DemoRandom &r)
    {
        const auto registers = extraAllocations(QStringLiteral("321101"));
        const qint64 total = qint64(double(m_sizes.budget) * 0.035);
        const qint64 suppliers = total * 4 / 5;
        const int count = m_sizes.restosCommitments;
        const int staffCount = std::max(1, count / 5);
        const QDate janFirst(m_y.year, 1, 1);
        const struct {
            const DemoYear::Allocation *where;
            qint64 total;
            int count;
            const char *closing; // the account the year before closed them on
        } parts[] = {{registers[0], suppliers, std::max(1, count - staffCount), "321102"},
                     {registers[1], total - suppliers, staffCount, "321104"}};
        for (const auto &p : parts) {
            qint64 registered = 0;
            bool first = true;
            for (qint64 amount : pieces(r, p.total, p.count, 10000)) {
                const int d = addDraft(*p.where, amount, janFirst, QStringLiteral("OR"),
                                       p.where == registers[1] ? int(Payroll) : firm(r));
                m_drafts[d].row.catec.clear();
                registered += amount;
                // At least one cancellation, for the cancelled payables' postings.
                const bool cancel = std::exchange(first, false) || r.chance(0.10);
                if (cancel) {
                    annul(d, r.chance(0.5) ? amount : amount / 2,
                          r.dayBetween(QDate(m_y.year, 2, 1), QDate(m_y.year, 12, 15)));
                } else if (r.chance(0.85)) {
                    pay(d, amount, r.dayBetween(QDate(m_y.year, 1, 5), QDate(m_y.year, 6, 30)));
                }
            }
            m_y.carried.append({QLatin1String(p.closing), registered});
        }
    }

    qint64 linkBudget(const QString &group) const
    {
        for (const auto &l : m_y.links) {
            if (l.group == group)
                return qint64(double(m_sizes.budget) * l.weight);
        }
        return 0;
    }

    // Money in and out of the extra-budget items. What is withheld or received in a
    // month is passed on the next month (a liability); what is advanced comes back
    // the next month (an asset). December's amounts stay for the next year, and
    // the year before left January's.
    void moveExtraItems(DemoRandom &r)
    {
        const QDate janSecond(m_y.year, 1, 2);
        for (const auto &item : DemoTown::extraItems()) {
            const QString balco = QLatin1String(item.balco);
            const DemoYear::Allocation *payments = extraAllocations(balco).value(0);
            const DemoYear::Revenue *receipts = nullptr;
            for (const auto &rev : m_y.revenues) {
                if (rev.extra && rev.balco == balco)
                    receipts = &rev;
            }
            const double monthly = double(linkBudget(QLatin1String(item.group))) * item.yearShare / 12;
            QList<qint64> a;
            for (int m = 0; m <= 12; ++m)
                a << std::max<qint64>(1000, qint64(monthly * r.between(0.7, 1.3)));
            const bool liability = balco.at(1).digitValue() % 2 == 0;
            qint64 carried = 0;
            for (int m = 1; m <= 12; ++m) {
                const QDate first = m == 1 ? janSecond : QDate(m_y.year, m, 1);
                const QDate last = QDate(m_y.year, m, 1).addMonths(1).addDays(-1);
                qint64 in = 0, out = 0;
                if (item.receipts && item.payments) {
                    in = liability ? a[m] : a[m - 1];
                    out = liability ? a[m - 1] : a[m];
                } else if (item.receipts) {
                    in = a[m];
                } else {
                    out = a[m];
                    if (liability)
                        carried += out;
                }
                const int k = m_sizes.perMonthExtra * r.between(1, 2);
                if (in > 0) {
                    for (qint64 part : pieces(r, in, k, 100))
                        m_y.receipts.append({receipts->ficha, part, r.dayBetween(first, last)});
                }
                if (out > 0) {
                    const int supplier = item.supplier >= 0 ? item.supplier + 1 : firm(r);
                    for (qint64 part : pieces(r, out, k, 100)) {
                        const QDate date = r.dayBetween(first, last);
                        const int d = addDraft(*payments, part, date, QStringLiteral("OR"), supplier);
                        pay(d, part, std::min(last, date.addDays(r.between(0, 3))));
                    }
                }
            }
            if (item.receipts && item.payments)
                carried = a[0];
            if (carried > 0)
                m_y.carried.append({balco, carried});
        }
    }

    void collectRevenue(DemoRandom &r)
    {
        QList<const DemoYear::Revenue *> budget;
        QList<double> weights;
        for (const auto &rev : std::as_const(m_y.revenues)) {
            if (!rev.extra) {
                budget << &rev;
                weights << std::abs(double(rev.totor));
            }
        }
        const QList<int> counts = apportion(weights, m_sizes.budgetReceipts);
        for (int i = 0; i < budget.size(); ++i) {
            const auto &rev = *budget[i];
            const bool oneOff = rev.codre.startsWith(u"21") || rev.codre.startsWith(u"22");
            const qint64 collected = qint64(double(rev.totor) * (oneOff ? r.between(0.5, 1.0) : r.between(0.90, 1.07)));
            for (qint64 part : pieces(r, collected, std::max(2, counts[i]), 100))
                m_y.receipts.append({rev.ficha, part, r.dayBetween(QDate(m_y.year, 1, 2), yearEnd())});
        }
        std::stable_sort(m_y.receipts.begin(), m_y.receipts.end(),
                         [](const DemoYear::Receipt &a, const DemoYear::Receipt &b) { return a.date < b.date; });
    }

    // Commitment keys follow the order of the commitments in time, as the suite
    // gives them; an annulment comes after what it undoes.
    void number()
    {
        QList<int> order(m_drafts.size());
        for (int i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const Draft &x = m_drafts[a], &y = m_drafts[b];
            if (x.row.date != y.row.date)
                return x.row.date < y.row.date;
            return (x.parent >= 0) < (y.parent >= 0);
        });
        QList<int> key(m_drafts.size());
        for (int i = 0; i < order.size(); ++i)
            key[order[i]] = i + 1;
        for (int i : std::as_const(order)) {
            DemoYear::Commitment c = m_drafts[i].row;
            c.pkemp = key[i];
            c.pkempa = m_drafts[i].parent >= 0 ? key[m_drafts[i].parent] : 0;
            m_y.commitments.append(c);
        }
        std::stable_sort(m_payments.begin(), m_payments.end(),
                         [](const PaymentDraft &a, const PaymentDraft &b) { return a.date < b.date; });
        int pkpag = 0;
        for (const auto &p : std::as_const(m_payments))
            m_y.payments.append({++pkpag, key[p.draft], m_drafts[p.draft].row.supplier, p.amount, p.date});
        m_keys = key;
    }

    // What the balance module computes at the year's end: for every budget
    // commitment not wholly paid, the part already liquidated and the rest.
    void leavePayables(DemoRandom &r)
    {
        for (int d = 0; d < m_drafts.size(); ++d) {
            const Draft &c = m_drafts[d];
            const DemoYear::Allocation &a = m_y.allocations[c.row.ficha - 1];
            if (c.parent >= 0 || a.extra || c.row.tpem == u"RD")
                continue;
            const qint64 open = c.row.vadem - c.annulled - c.paid;
            if (open <= 0)
                continue;
            DemoYear::Payable p;
            p.pkemp = m_keys[d];
            p.ficha = c.row.ficha;
            const double draw = r.unit();
            p.processado = draw < 0.4 ? open : draw < 0.7 ? 0 : qint64(double(open) * r.between(0.1, 0.9));
            p.nprocessado = open - p.processado;
            p.date = c.row.date;
            p.catec = c.row.catec;
            p.insc = QString(QChar(u"SSSSSSSSSSSSSSSSSNFFE"[r.below(21)]));
            p.tpem = c.row.tpem;
            p.group = c.row.group;
            p.code = c.row.code;
            m_y.payables.append(p);
        }
        std::stable_sort(m_y.payables.begin(), m_y.payables.end(),
                         [](const DemoYear::Payable &a, const DemoYear::Payable &b) { return a.pkemp < b.pkemp; });
    }

    DemoYear &m_y;
    const DemoSizes &m_sizes;
    DemoRandom &m_random;
    QList<Draft> m_drafts;
    QList<PaymentDraft> m_payments;
    QList<int> m_keys;
};

} // namespace

namespace DemoExecution {

void run(DemoYear &year, const DemoSizes &sizes, DemoRandom &random)
{
    Execution(year, sizes, random).run();
}

} // namespace DemoExecution
