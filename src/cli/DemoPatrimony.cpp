#include "cli/DemoPatrimony.h"

#include "cli/DemoRandom.h"
#include "cli/DemoSizes.h"
#include "cli/DemoTown.h"
#include "cli/DemoYear.h"

#include <algorithm>
#include <cmath>

namespace {

qint64 priceBetween(DemoRandom &r, qint64 low, qint64 high)
{
    // Prices spread over orders of magnitude: drawn on a logarithmic scale.
    const double x = std::exp(r.between(std::log(double(low)), std::log(double(high))));
    return qint64(std::llround(x / 100.0)) * 100;
}

DemoYear::Good makeGood(DemoYear &y, DemoRandom &r, int chapa, const QDate &from, const QDate &to)
{
    QList<double> weights;
    for (const auto &k : DemoTown::goodKinds())
        weights << k.weight;
    const auto &kind = DemoTown::goodKinds().at(r.weighted(weights));
    DemoYear::Good g;
    g.chapa = chapa;
    g.natur = QLatin1String(kind.natur);
    g.discr = QString::fromUtf8(r.pick(kind.descriptions));
    g.acquired = r.dayBetween(from, to);
    g.balco = QLatin1String(kind.balco);
    g.value = priceBetween(r, kind.minCents, kind.maxCents);
    g.orig = r.chance(0.08) ? QStringLiteral("D") : QStringLiteral("C");
    g.paid = g.orig == u"D" ? g.acquired : std::min(to, g.acquired.addDays(r.between(0, 30)));
    g.nota = g.orig == u"D" ? QStringLiteral("TERMO %1").arg(chapa) : QStringLiteral("NF %1").arg(r.between(1000, 999999));
    g.codlo = r.pick(y.units).codlo;
    g.desdo = QLatin1String(kind.desdo);
    g.codif = r.between(13, int(y.suppliers.size()));
    g.requi = QStringLiteral("REQ %1/%2").arg(r.between(1, 999), 3, 10, QChar(u'0')).arg(g.acquired.year());
    return g;
}

} // namespace

namespace DemoPatrimony {

void run(DemoYear &y, const DemoSizes &sizes, DemoRandom &random)
{
    int chapa = 1000;
    for (int i = 0; i < sizes.oldGoods; ++i)
        y.goods.append(makeGood(y, random, ++chapa, QDate(y.year - 8, 1, 1), QDate(y.year - 1, 12, 31)));
    for (int i = 0; i < sizes.newGoods; ++i)
        y.goods.append(makeGood(y, random, ++chapa, QDate(y.year, 1, 2), QDate(y.year, 12, 31)));
    std::stable_sort(y.goods.begin(), y.goods.end(),
                     [](const DemoYear::Good &a, const DemoYear::Good &b) { return a.acquired < b.acquired; });
    for (int i = 0; i < y.goods.size(); ++i)
        y.goods[i].chapa = 1001 + i;

    // Write-offs fall mostly on older goods; a few on goods of the year (a
    // vehicle lost in an accident, equipment found faulty).
    QList<int> order(y.goods.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    for (int i = int(order.size()) - 1; i > 0; --i)
        order.swapItemsAt(i, random.below(i + 1));
    int writeOffs = 0, transfers = 0;
    for (int i : std::as_const(order)) {
        const auto &g = y.goods[i];
        const QDate from = std::max(QDate(y.year, 1, 2), g.acquired.addDays(1));
        if (from > QDate(y.year, 12, 31))
            continue;
        const bool old = g.acquired.year() < y.year;
        if (writeOffs < sizes.writeOffs && (old || random.chance(0.1))) {
            y.movements.append({g.chapa, g.natur, random.dayBetween(from, QDate(y.year, 12, 31)), QStringLiteral("B")});
            ++writeOffs;
        } else if (transfers < sizes.transfers) {
            y.movements.append({g.chapa, g.natur, random.dayBetween(from, QDate(y.year, 12, 31)), QStringLiteral("T")});
            ++transfers;
        }
    }
    std::stable_sort(y.movements.begin(), y.movements.end(),
                     [](const DemoYear::Movement &a, const DemoYear::Movement &b) { return a.date < b.date; });
}

} // namespace DemoPatrimony
