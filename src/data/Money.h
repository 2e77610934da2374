#pragma once

#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>

// Exact currency amount in 1/10,000 units, like a database currency type.
// Sums of money never go through binary floating point.
class Money {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { Money m; m.m_units = units; return m; }
    static constexpr Money fromCents(std::int64_t cents) { return fromUnits(cents * 100); }
    // Rounds half away from zero to `decimals` (0..4) before taking the value.
    static Money fromDouble(double value, int decimals = 4);
    // Parses a decimal text such as "1234.5", "-0.01" or "3310.7000000000003"
    // (the text the database driver builds from a double); rounds to `decimals`.
    // Returns false through `ok` on anything that is not a plain decimal number.
    static Money fromDecimalText(const QString &text, int decimals = 4, bool *ok = nullptr);
    // A value read from the database: null or empty is zero; strings are parsed
    // exactly; doubles are rounded to `decimals`.
    static Money fromVariant(const QVariant &value, int decimals = 4);
    // Parses what a user types in pt-BR: "1.234,50", "1234,5", "-10".
    static Money parseBr(const QString &text, bool *ok = nullptr);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return double(m_units) / Scale; }
    constexpr bool isZero() const { return m_units == 0; }
    Money rounded(int decimals) const;

    // Plain decimal text with a dot and `decimals` places, for SQL and files: "-1234.50".
    QString toSql(int decimals = 2) const;
    // pt-BR display "#,##0.00;-#,##0.00": 1234.5 gives "1.234,50".
    QString toBr() const;
    // Journal grids: zero shows as an empty text.
    QString toBrBlankZero() const { return isZero() ? QString() : toBr(); }

    constexpr Money operator+(Money o) const { return fromUnits(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return fromUnits(m_units - o.m_units); }
    constexpr Money operator-() const { return fromUnits(-m_units); }
    Money &operator+=(Money o) { m_units += o.m_units; return *this; }
    Money &operator-=(Money o) { m_units -= o.m_units; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    std::int64_t m_units = 0;
};
