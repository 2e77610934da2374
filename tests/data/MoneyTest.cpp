#include "data/Money.h"

#include <gtest/gtest.h>

TEST(Money, ReadsDriverTextRoundedToColumnScale)
{
    struct Case { const char *text; int decimals; const char *sql; };
    const Case cases[] = {
        {"3310.7000000000003", 2, "3310.70"},
        {"0.005", 2, "0.01"},
        {"-0.005", 2, "-0.01"},
        {"0.000000001", 2, "0.00"},
        {"1234.5", 2, "1234.50"},
        {"-1234.5678", 4, "-1234.5678"},
        {"1e3", 2, "1000.00"},
        {"12.344999", 2, "12.34"},
    };
    for (const auto &c : cases) {
        bool ok = false;
        const Money m = Money::fromDecimalText(QString::fromLatin1(c.text), c.decimals, &ok);
        EXPECT_TRUE(ok) << c.text;
        EXPECT_EQ(m.toSql(c.decimals), QString::fromLatin1(c.sql)) << c.text;
    }
}

TEST(Money, RejectsTextThatIsNotANumber)
{
    bool ok = true;
    Money::fromDecimalText(QStringLiteral("12a"), 2, &ok);
    EXPECT_FALSE(ok);
    Money::parseBr(QStringLiteral("abc"), &ok);
    EXPECT_FALSE(ok);
}

TEST(Money, FormatsBrazilian)
{
    EXPECT_EQ(Money::fromDecimalText(QStringLiteral("1234.5")).toBr(), QStringLiteral("1.234,50"));
    EXPECT_EQ(Money::fromDecimalText(QStringLiteral("-1234567.891")).toBr(), QStringLiteral("-1.234.567,89"));
    EXPECT_EQ(Money::fromDecimalText(QStringLiteral("0.5")).toBr(), QStringLiteral("0,50"));
    EXPECT_EQ(Money().toBrBlankZero(), QString());
    EXPECT_EQ(Money::parseBr(QStringLiteral("1.234,56")).toSql(), QStringLiteral("1234.56"));
}

TEST(Money, SumsExactlyWhereDoublesDrift)
{
    Money sum;
    double dsum = 0;
    for (int i = 0; i < 1000; ++i) {
        sum += Money::fromDouble(0.1, 2);
        dsum += 0.1;
    }
    EXPECT_EQ(sum.toSql(), QStringLiteral("100.00"));
    EXPECT_NE(dsum, 100.0);
}

TEST(Money, ReadsVariantsFromTheDatabase)
{
    EXPECT_TRUE(Money::fromVariant(QVariant()).isZero());
    EXPECT_TRUE(Money::fromVariant(QVariant(QString())).isZero());
    EXPECT_EQ(Money::fromVariant(QVariant(QStringLiteral("3310.7000000000003")), 2).toSql(), QStringLiteral("3310.70"));
    EXPECT_EQ(Money::fromVariant(QVariant(2.675), 2).toSql(), QStringLiteral("2.68"));
    EXPECT_EQ(Money::fromVariant(QVariant(qlonglong(7))).toSql(), QStringLiteral("7.00"));
}
