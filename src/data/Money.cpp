#include "data/Money.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

std::int64_t pow10(int n)
{
    std::int64_t r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

std::int64_t roundUnits(std::int64_t units, int decimals)
{
    if (decimals >= 4)
        return units;
    const std::int64_t step = pow10(4 - std::max(decimals, 0));
    const std::int64_t half = step / 2;
    const std::int64_t q = (units >= 0 ? units + half : units - half) / step;
    return q * step;
}

} // namespace

Money Money::fromDouble(double value, int decimals)
{
    // Go through the shortest decimal text of the double so that 0.005 is seen as
    // the decimal the user meant, not 0.00499999...
    return fromDecimalText(QString::number(value, 'f', 10), decimals);
}

Money Money::fromDecimalText(const QString &text, int decimals, bool *ok)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int exponent = 0;
    const qsizetype e = t.indexOf(u'e', 0, Qt::CaseInsensitive);
    if (e >= 0) {
        bool expOk = false;
        exponent = t.mid(e + 1).toInt(&expOk);
        if (!expOk) {
            if (ok) *ok = false;
            return {};
        }
        t.truncate(e);
    }
    const qsizetype dot = t.indexOf(u'.');
    QString digits = dot < 0 ? t : t.left(dot) + t.mid(dot + 1);
    int fractionDigits = dot < 0 ? 0 : int(t.size() - dot - 1);
    fractionDigits -= exponent;
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); })) {
        if (ok) *ok = false;
        return {};
    }
    // Bring the digits to 5 decimals (one guard digit), then round to `decimals`.
    while (fractionDigits < 5) {
        digits.append(u'0');
        ++fractionDigits;
    }
    digits.truncate(digits.size() - (fractionDigits - 5));
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.size() > 18) {
        if (ok) *ok = false;
        return {};
    }
    std::int64_t fifth = digits.toLongLong();
    // Half away from zero at the requested number of decimals: the magnitude is
    // rounded and the sign put back afterwards.
    const int d = std::clamp(decimals, 0, 4);
    const std::int64_t step = pow10(5 - d);
    std::int64_t q = fifth / step;
    if ((fifth % step) * 2 >= step)
        ++q;
    std::int64_t units = q * pow10(4 - d);
    if (ok) *ok = true;
    return fromUnits(negative ? -units : units);
}

Money Money::fromVariant(const QVariant &value, int decimals)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return fromDouble(value.toDouble(), decimals);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return fromUnits(value.toLongLong() * Scale);
    default: {
        const QString s = value.toString();
        if (s.trimmed().isEmpty())
            return {};
        bool ok = false;
        Money m = fromDecimalText(s, decimals, &ok);
        return ok ? m : fromDouble(value.toDouble(), decimals);
    }
    }
}

Money Money::parseBr(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    t.remove(u'.');
    t.replace(u',', u'.');
    if (t.isEmpty()) {
        if (ok) *ok = true;
        return {};
    }
    return fromDecimalText(t, 4, ok);
}

Money Money::rounded(int decimals) const
{
    return fromUnits(roundUnits(m_units, decimals));
}

QString Money::toSql(int decimals) const
{
    const std::int64_t r = roundUnits(m_units, decimals);
    const std::int64_t a = r < 0 ? -r : r;
    QString s = QString::number(a / Scale);
    if (decimals > 0) {
        const std::int64_t frac = (a % Scale) / pow10(4 - decimals);
        s += u'.' + QString::number(frac).rightJustified(decimals, u'0');
    }
    return r < 0 ? u'-' + s : s;
}

QString Money::toBr() const
{
    const std::int64_t r = roundUnits(m_units, 2);
    const std::int64_t a = r < 0 ? -r : r;
    QString whole = QString::number(a / Scale);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u'.');
    const QString cents = QString::number((a % Scale) / 100).rightJustified(2, u'0');
    return (r < 0 ? QStringLiteral("-") : QString()) + whole + u',' + cents;
}
