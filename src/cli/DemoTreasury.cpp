#include "cli/DemoTreasury.h"

#include "cli/DemoRandom.h"
#include "cli/DemoSizes.h"
#include "cli/DemoTown.h"
#include "cli/DemoYear.h"

#include <QMap>
#include <algorithm>

namespace {

using Key = QPair<QString, QString>;

struct Flows {
    qint64 in[13] = {};
    qint64 out[13] = {};
};

QMap<Key, Flows> flowsByLink(const DemoYear &y)
{
    QMap<Key, Flows> flows;
    QMap<int, Key> revenueLink;
    for (const auto &r : y.revenues)
        revenueLink.insert(r.ficha, {r.group, r.code});
    for (const auto &r : y.receipts)
        flows[revenueLink.value(r.ficha)].in[r.date.month()] += r.varec;
    QMap<int, Key> commitmentLink;
    for (const auto &c : y.commitments)
        commitmentLink.insert(c.pkemp, {c.group, c.code});
    for (const auto &p : y.payments)
        flows[commitmentLink.value(p.pkemp)].out[p.date.month()] += p.vapag;
    return flows;
}

} // namespace

namespace DemoTreasury {

void run(DemoYear &y, const DemoSizes &sizes, DemoRandom &random)
{
    const QMap<Key, Flows> flows = flowsByLink(y);
    int conta = 0;
    for (const auto &link : std::as_const(y.links)) {
        const DemoTown::GroupProfile *profile = nullptr;
        for (const auto &p : DemoTown::groups()) {
            if (link.group == QLatin1String(p.group))
                profile = &p;
        }
        // The first code of a group keeps every kind of account of the group; the
        // others a current account of their own (the cash is the town's only).
        QList<DemoTown::BankKind> kinds = profile->banks;
        if (link.code != u"001") {
            const auto bank = std::find_if(kinds.cbegin(), kinds.cend(),
                                           [](const DemoTown::BankKind &k) { return qstrncmp(k.balco, "3111", 4) != 0; });
            kinds = {*bank};
        }
        const qint64 linkBudget = qint64(double(sizes.budget) * link.weight);
        const int first = int(y.bankAccounts.size());
        QList<double> shares;
        for (const auto &kind : std::as_const(kinds)) {
            DemoYear::BankAccount b;
            b.conta = ++conta;
            b.recur = link.code == u"001" ? QString::fromUtf8(kind.recur) : link.name.left(20).trimmed();
            b.balco = QLatin1String(kind.balco);
            const bool cash = b.balco.startsWith(u"3111");
            b.opening = qint64(double(linkBudget) * (cash ? 0.0005 : random.between(0.01, 0.05) / kinds.size()));
            b.group = link.group;
            b.code = link.code;
            y.bankAccounts.append(b);
            // Most money goes through the link's first bank account.
            const bool firstBank = std::none_of(shares.cbegin(), shares.cend(), [](double s) { return s > 0.5; });
            shares << (cash ? 0.003 : firstBank ? 0.75 : 0.1);
            if (b.opening > 0)
                y.cashOrders.append({b.conta, 0, b.opening, QDate(y.year, 1, 1)});
        }
        double total = 0;
        for (double s : shares)
            total += s;
        const Flows f = flows.value({link.group, link.code});
        for (int m = 1; m <= 12; ++m) {
            const QDate from = QDate(y.year, m, m == 1 ? 2 : 1);
            const QDate to = QDate(y.year, m, 1).addMonths(1).addDays(-1);
            for (int i = 0; i < kinds.size(); ++i) {
                DemoYear::BankAccount &b = y.bankAccounts[first + i];
                const qint64 balance = b.opening + b.deposits - b.withdrawals;
                qint64 in = qint64(double(f.in[m]) * shares[i] / total);
                // An account never pays out more than it holds.
                qint64 out = std::min(qint64(double(f.out[m]) * shares[i] / total), std::max<qint64>(0, balance + in));
                if (in <= 0 && out <= 0)
                    in = std::max<qint64>(100, balance / 250); // the month's yield
                for (qint64 part : random.split(in, random.between(1, 3), 100)) {
                    if (part > 0)
                        y.cashOrders.append({b.conta, 0, part, random.dayBetween(from, to)});
                }
                for (qint64 part : random.split(out, random.between(1, 3), 100)) {
                    if (part > 0)
                        y.cashOrders.append({b.conta, part, 0, random.dayBetween(from, to)});
                }
                b.deposits += std::max<qint64>(0, in);
                b.withdrawals += std::max<qint64>(0, out);
            }
        }
    }
    for (auto &b : y.bankAccounts)
        b.deposits += b.opening;
    std::stable_sort(y.cashOrders.begin(), y.cashOrders.end(),
                     [](const DemoYear::CashOrder &a, const DemoYear::CashOrder &b) { return a.date < b.date; });
}

} // namespace DemoTreasury
