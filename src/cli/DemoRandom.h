#pragma once

#include <QDate>
#include <QList>
#include <QtGlobal>
#include <cmath>

// The demo's own random numbers (splitmix64): the same seed gives the same town on
// every machine and every run, which neither std::rand nor the clock would.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : m_state(seed) {}

    // An independent stream for one part of the town, so that adding draws to one
    // part does not shift every other part.
    DemoRandom fork(quint64 salt) const
    {
        DemoRandom r(m_state ^ (salt * 0xD1B54A32D192ED03ULL));
        r.next();
        return r;
    }

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // In [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    // In [0, n); 0 when n <= 0.
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    // In [lo, hi].
    int between(int lo, int hi) { return hi <= lo ? lo : lo + below(hi - lo + 1); }
    double between(double lo, double hi) { return lo + (hi - lo) * unit(); }
    bool chance(double p) { return unit() < p; }

    template <typename T> const T &pick(const QList<T> &list) { return list.at(below(int(list.size()))); }

    // Index drawn with the given weights (all >= 0, not all zero).
    int weighted(const QList<double> &weights)
    {
        double total = 0;
        for (double w : weights)
            total += w;
        double x = unit() * total;
        for (int i = 0; i < weights.size(); ++i) {
            if (x < weights[i])
                return i;
            x -= weights[i];
        }
        return int(weights.size()) - 1;
    }

    // `total` cents in `parts` pieces of uneven size, each at least `minimum`
    // (when the total allows), adding up exactly to the total.
    QList<qint64> split(qint64 total, int parts, qint64 minimum = 1)
    {
        QList<qint64> out;
        if (parts <= 0)
            return out;
        const bool negative = total < 0;
        qint64 rest = negative ? -total : total;
        if (minimum * parts > rest)
            minimum = 0;
        QList<double> w;
        double sum = 0;
        for (int i = 0; i < parts; ++i) {
            w << 0.25 + unit();
            sum += w.last();
        }
        qint64 spread = rest - minimum * parts;
        qint64 given = 0;
        for (int i = 0; i < parts; ++i) {
            const qint64 share = i + 1 == parts ? spread - given : qint64(std::floor(double(spread) * w[i] / sum));
            given += share;
            out << (negative ? -(share + minimum) : share + minimum);
        }
        return out;
    }

    // A day in [from, to] (from when the range is empty).
    QDate dayBetween(const QDate &from, const QDate &to)
    {
        const qint64 days = from.daysTo(to);
        return days <= 0 ? from : from.addDays(below(int(days) + 1));
    }

private:
    quint64 m_state;
};
