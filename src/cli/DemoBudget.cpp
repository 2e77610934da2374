#include "cli/DemoBudget.h"

#include "cli/DemoRandom.h"
#include "cli/DemoSizes.h"
#include "cli/DemoTown.h"
#include "cli/DemoYear.h"
#include "yearend/StandardChart.h"

#include <QMap>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

using Link = DemoYear::Link;

const DemoTown::GroupProfile &profileOf(const QString &group)
{
    for (const auto &p : DemoTown::groups()) {
        if (group == QLatin1String(p.group))
            return p;
    }
    return DemoTown::groups().first();
}

QString linkName(const DemoTown::GroupProfile &profile, int index, int year)
{
    if (index < profile.codeNames.size())
        return QString::fromUtf8(profile.codeNames.at(index));
    const QString group = QLatin1String(profile.group);
    if (group == u"005" || group == u"006")
        return QStringLiteral("Convênio nº %1/%2").arg(index + 1, 3, 10, QChar(u'0')).arg(year - 1 - index % 3);
    return QStringLiteral("%1 - Programa %2").arg(QString::fromUtf8(profile.name)).arg(index + 1, 2, 10, QChar(u'0'));
}

// Rounds to whole reais, as budget laws are written.
qint64 reais(double cents)
{
    return qint64(std::llround(cents / 100.0)) * 100;
}

void planLinks(DemoYear &y, const DemoSizes &sizes, DemoRandom &random)
{
    const auto &profiles = DemoTown::groups();
    for (const auto &p : profiles)
        y.groups.append({QLatin1String(p.group), QString::fromUtf8(p.name)});
    // Each round gives every group one more code, in the order of the profiles,
    // so that a small town still has every group, the indirect ones included.
    for (int round = 0; y.links.size() < sizes.linkPairs; ++round) {
        for (const auto &p : profiles) {
            if (y.links.size() >= sizes.linkPairs)
                break;
            Link l;
            l.group = QLatin1String(p.group);
            l.code = QStringLiteral("%1").arg(round + 1, 3, 10, QChar(u'0'));
            l.name = linkName(p, round, y.year);
            l.indirect = p.indirect;
            l.weight = round == 0 ? 1.0 : random.between(0.15, 0.5);
            y.links.append(l);
        }
    }
    QMap<QString, double> perGroup;
    for (const auto &l : std::as_const(y.links))
        perGroup[l.group] += l.weight;
    for (auto &l : y.links)
        l.weight = l.weight / perGroup.value(l.group) * profileOf(l.group).weight;
    std::sort(y.links.begin(), y.links.end(),
              [](const Link &a, const Link &b) { return std::tie(a.group, a.code) < std::tie(b.group, b.code); });
    std::sort(y.groups.begin(), y.groups.end(),
              [](const DemoYear::Group &a, const DemoYear::Group &b) { return a.group < b.group; });
}

void planRegisters(DemoYear &y, const DemoSizes &sizes, DemoRandom &random)
{
    for (const auto &u : DemoTown::units())
        y.units.append({QLatin1String(u.code), QString::fromUtf8(u.name)});
    const auto &institutions = DemoTown::institutionalSuppliers();
    for (int i = 0; i < std::max(sizes.suppliers, int(institutions.size()) + 10); ++i) {
        const QString name = i < institutions.size() ? QString::fromUtf8(institutions.at(i))
                                                     : DemoTown::supplierName(random);
        y.suppliers.append({i + 1, name});
    }
    for (const auto &r : DemoTown::revenueCodes())
        y.revenueCodes.append({QLatin1String(r.code), QString::fromUtf8(r.name)});
    // Extra-budget items have no budget classification: the suite gives them a code
    // of their own beginning with 5, which no budget revenue shares.
    for (const auto &item : DemoTown::extraItems()) {
        const auto *account = StandardChart::find(QLatin1String(item.balco));
        y.revenueCodes.append({QStringLiteral("50") + QLatin1String(item.balco),
                               QStringLiteral("Extraorçamentária - ") + (account ? account->title : QString())});
    }
}

QList<DemoTown::SpendingShare> spendingOf(const Link &link, DemoRandom &random)
{
    const auto &all = profileOf(link.group).spending;
    if (link.code == u"001")
        return all;
    // The other codes of a group spend on a few of its elements, never on the
    // allocations that name a patrimonial account.
    QList<DemoTown::SpendingShare> plain;
    for (const auto &s : all) {
        if (!*s.balco)
            plain.append(s);
    }
    for (int i = int(plain.size()) - 1; i > 0; --i)
        plain.swapItemsAt(i, random.below(i + 1));
    return plain.mid(0, random.between(2, std::min<int>(4, int(plain.size()))));
}

void planAllocations(DemoYear &y, const DemoSizes &sizes, DemoRandom &random)
{
    const QDate janFirst(y.year, 1, 1);
    int ficha = 0;
    for (const Link &link : std::as_const(y.links)) {
        const QList<DemoTown::SpendingShare> entries = spendingOf(link, random);
        QList<double> weights;
        for (const auto &e : entries)
            weights << (*e.balco ? 0.0 : e.share);
        const int count = std::max(int(entries.size()), int(std::lround(sizes.allocations * link.weight)));
        QList<double> raw;
        QList<const DemoTown::SpendingShare *> chosen;
        QMap<int, int> uses;
        for (int i = 0; i < count; ++i) {
            const int e = i < entries.size() ? i : random.weighted(weights);
            chosen << &entries[e];
            ++uses[e];
        }
        double rawTotal = 0;
        for (int i = 0; i < count; ++i) {
            const int e = int(chosen[i] - entries.constData());
            raw << chosen[i]->share / uses.value(e) * random.between(0.7, 1.3);
            rawTotal += raw.last();
        }
        const double linkBudget = double(sizes.budget) * link.weight * 0.96;
        for (int i = 0; i < count; ++i) {
            DemoYear::Allocation a;
            a.ficha = ++ficha;
            a.balco = QLatin1String(chosen[i]->balco);
            a.dotac = std::max<qint64>(100000, reais(linkBudget * raw[i] / rawTotal));
            a.funcao = QLatin1String(chosen[i]->funcao);
            a.codlo = QLatin1String(chosen[i]->codlo);
            a.group = link.group;
            a.code = link.code;
            a.catec = QLatin1String(chosen[i]->catec);
            a.opens = janFirst;
            y.allocations.append(a);
        }
    }
    // Allocations the budget law did not foresee: special credits open them later
    // in the year (one is opened by a supplementary credit and so marked "N").
    QList<double> linkWeights;
    for (const Link &l : std::as_const(y.links))
        linkWeights << l.weight;
    for (int k = 0; k < sizes.specialAllocations; ++k) {
        const Link &link = y.links.at(random.weighted(linkWeights));
        QList<DemoTown::SpendingShare> plain;
        for (const auto &s : profileOf(link.group).spending) {
            if (!*s.balco)
                plain.append(s);
        }
        const auto &e = random.pick(plain);
        DemoYear::Allocation a;
        a.ficha = ++ficha;
        a.dotac = 0;
        a.especial = k == 1 ? QStringLiteral("N") : QStringLiteral("S");
        a.funcao = QLatin1String(e.funcao);
        a.codlo = QLatin1String(e.codlo);
        a.group = link.group;
        a.code = link.code;
        a.catec = QLatin1String(e.catec);
        a.opens = janFirst;
        y.allocations.append(a);
    }
    // Extra-budget registers: one expenditure record per item and two for the
    // payables of the year before (suppliers and staff).
    auto extra = [&](const char *balco, const QString &group) {
        const auto it = std::find_if(y.links.cbegin(), y.links.cend(), [&](const Link &l) { return l.group == group; });
        DemoYear::Allocation a;
        a.ficha = ++ficha;
        a.balco = QLatin1String(balco);
        a.extra = true;
        a.codlo = QStringLiteral("04.01");
        a.group = it->group;
        a.code = it->code;
        a.opens = janFirst;
        y.allocations.append(a);
    };
    for (const auto &item : DemoTown::extraItems())
        extra(item.balco, QLatin1String(item.group));
    extra("321101", QStringLiteral("001"));
    extra("321101", QStringLiteral("001"));
}

void planRevenues(DemoYear &y, const DemoSizes &sizes, DemoRandom &random)
{
    int ficha = 0;
    for (const Link &link : std::as_const(y.links)) {
        const auto &all = profileOf(link.group).revenue;
        QList<DemoTown::RevenueShare> entries;
        if (link.code == u"001") {
            entries = all;
        } else {
            entries << all.first();
            for (int i = 1; i < all.size(); ++i) {
                if (all[i].share > 0 && !*all[i].balco && random.chance(0.4))
                    entries << all[i];
            }
        }
        double shares = 0;
        for (const auto &e : entries)
            shares += e.share;
        const double estimate = double(sizes.budget) * link.weight * random.between(0.96, 1.06);
        for (const auto &e : entries) {
            DemoYear::Revenue r;
            r.ficha = ++ficha;
            r.codre = QLatin1String(e.codre);
            r.totor = reais(estimate * e.share / shares);
            r.balco = QLatin1String(e.balco);
            r.group = link.group;
            r.code = link.code;
            y.revenues.append(r);
        }
    }
    for (const auto &item : DemoTown::extraItems()) {
        const auto it = std::find_if(y.links.cbegin(), y.links.cend(),
                                     [&](const Link &l) { return l.group == QLatin1String(item.group); });
        DemoYear::Revenue r;
        r.ficha = ++ficha;
        r.codre = QStringLiteral("50") + QLatin1String(item.balco);
        r.balco = QLatin1String(item.balco);
        r.extra = true;
        r.group = it->group;
        r.code = it->code;
        y.revenues.append(r);
    }
}

// One act of the executive: the movements a decree (or an act without decree)
// makes on the same day.
struct Operation {
    QDate date;
    QList<DemoYear::Credit> movements;
    bool special = false;
    bool correction = false;
    bool withoutDecree = false;
};

class CreditPlanner {
public:
    CreditPlanner(DemoYear &y, DemoRandom &random) : m_y(y), m_random(random)
    {
        for (int i = 0; i < y.allocations.size(); ++i) {
            const auto &a = y.allocations[i];
            if (!a.extra)
                m_available[a.ficha] = a.dotac;
        }
    }

    void plan(const DemoSizes &sizes)
    {
        for (auto &a : m_y.allocations) {
            if (!a.extra && a.dotac == 0)
                openSpecial(a);
        }
        for (int k = 0; k < sizes.supplementaryCredits; ++k)
            supplement(drawIe(), k + 1 == sizes.supplementaryCredits);
        for (int ie = 1; ie <= 5; ++ie) {
            if (!m_seen.contains(ie))
                supplement(ie, false);
        }
        correct(2);
        correct(3);
        reduceSpecial();
        write();
    }

private:
    int drawIe() { return 1 + m_random.weighted({0.40, 0.25, 0.20, 0.10, 0.05}); }

    DemoYear::Allocation &allocation(int ficha) { return m_y.allocations[ficha - 1]; }

    // An allocation of the same link with an appropriation, to give up part of it.
    DemoYear::Allocation *donor(const DemoYear::Allocation &receiver)
    {
        QList<int> candidates;
        for (const auto &a : std::as_const(m_y.allocations)) {
            if (!a.extra && a.dotac > 0 && a.ficha != receiver.ficha && a.group == receiver.group
                && a.code == receiver.code && a.balco.isEmpty())
                candidates << a.ficha;
        }
        if (candidates.isEmpty())
            return nullptr;
        return &allocation(m_random.pick(candidates));
    }

    void move(Operation &op, DemoYear::Allocation &a, qint64 valor, int ie)
    {
        op.movements.append({a.ficha, valor, ie, QString(), op.date});
        m_available[a.ficha] += valor;
        if (valor > 0)
            m_seen.insert(ie);
    }

    // A credit of `amount` on `a`; by annulment of another allocation when IE is 1.
    void credit(Operation &op, DemoYear::Allocation &a, qint64 amount, int ie)
    {
        if (ie == 1) {
            DemoYear::Allocation *from = donor(a);
            const qint64 room = from ? m_available.value(from->ficha) / 4 / 100 * 100 : 0;
            if (room < 10000) {
                ie = 2;
            } else {
                amount = std::min(amount, room);
                move(op, *from, -amount, 1);
            }
        }
        move(op, a, amount, ie);
    }

    qint64 linkBudget(const DemoYear::Allocation &a) const
    {
        qint64 total = 0;
        for (const auto &b : m_y.allocations) {
            if (!b.extra && b.group == a.group && b.code == a.code)
                total += b.dotac;
        }
        return total;
    }

    void openSpecial(DemoYear::Allocation &a)
    {
        Operation op;
        op.date = m_random.dayBetween(QDate(m_y.year, 2, 1), QDate(m_y.year, 9, 30));
        op.special = a.especial != u"N";
        const qint64 amount = std::max<qint64>(500000, reais(double(linkBudget(a)) * m_random.between(0.004, 0.02)));
        credit(op, a, amount, drawIe());
        a.opens = op.date;
        m_operations.append(op);
    }

    void supplement(int ie, bool withoutDecree)
    {
        QList<double> weights;
        for (const auto &a : std::as_const(m_y.allocations))
            weights << (!a.extra && a.dotac > 0 ? double(a.dotac) : 0.0);
        auto &a = m_y.allocations[m_random.weighted(weights)];
        Operation op;
        op.date = m_random.dayBetween(QDate(m_y.year, 2, 1), QDate(m_y.year, 11, 30));
        op.withoutDecree = withoutDecree;
        credit(op, a, std::max<qint64>(10000, reais(double(a.dotac) * m_random.between(0.05, 0.25))), ie);
        m_operations.append(op);
    }

    // Part of an earlier credit of this kind undone (IE 2: revenue fell short;
    // IE 3: the surplus was smaller than estimated).
    void correct(int ie)
    {
        for (const Operation &earlier : std::as_const(m_operations)) {
            for (const auto &m : earlier.movements) {
                if (m.ie != ie || m.valor <= 0 || earlier.date.month() > 10)
                    continue;
                Operation op;
                op.date = earlier.date.addDays(m_random.between(20, 50));
                op.correction = true;
                const qint64 back = std::min(m.valor * 2 / 5, m_available.value(m.ficha) / 4) / 100 * 100;
                if (back <= 0)
                    continue;
                move(op, allocation(m.ficha), -back, ie);
                m_operations.append(op);
                return;
            }
        }
    }

    // Part of a special allocation given up to supplement another allocation: the
    // movement the transfer between the two credit accounts journals.
    void reduceSpecial()
    {
        for (auto &a : m_y.allocations) {
            if (a.extra || a.dotac != 0 || a.especial == u"N")
                continue;
            const qint64 back = m_available.value(a.ficha) * 3 / 10 / 100 * 100;
            DemoYear::Allocation *to = donor(a);
            if (back <= 0 || !to || a.opens.month() > 10)
                continue;
            Operation op;
            op.date = a.opens.addDays(m_random.between(20, 50));
            move(op, a, -back, 1);
            move(op, *to, back, 1);
            m_operations.append(op);
            return;
        }
    }

    void write()
    {
        std::stable_sort(m_operations.begin(), m_operations.end(),
                         [](const Operation &a, const Operation &b) { return a.date < b.date; });
        int number = 0;
        for (Operation &op : m_operations) {
            QString decree;
            if (!op.withoutDecree) {
                decree = QStringLiteral("%1/%2").arg(++number, 3, 10, QChar(u'0')).arg(m_y.year);
                const QString purpose = op.correction ? QStringLiteral("Reduz crédito adicional aberto por excesso ou superávit")
                                        : op.special  ? QStringLiteral("Abre crédito adicional especial")
                                                      : QStringLiteral("Abre crédito adicional suplementar");
                m_y.decrees.append({decree, QStringLiteral("Decreto nº %1 - %2").arg(decree, purpose)});
            }
            for (auto m : op.movements) {
                m.decree = decree;
                m_y.credits.append(m);
                allocation(m.ficha).credits += m.valor;
            }
        }
    }

    DemoYear &m_y;
    DemoRandom &m_random;
    QMap<int, qint64> m_available;
    QSet<int> m_seen;
    QList<Operation> m_operations;
};

} // namespace

namespace DemoBudget {

void plan(DemoYear &year, const DemoSizes &sizes, DemoRandom &random)
{
    DemoRandom links = random.fork(1), registers = random.fork(2), allocations = random.fork(3),
               revenues = random.fork(4), credits = random.fork(5);
    planLinks(year, sizes, links);
    planRegisters(year, sizes, registers);
    planAllocations(year, sizes, allocations);
    planRevenues(year, sizes, revenues);
    CreditPlanner(year, credits).plan(sizes);
}

} // namespace DemoBudget
