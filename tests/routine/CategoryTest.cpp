#include "CategoryHarness.h"
#include "routine/Category.h"

#include <gtest/gtest.h>

namespace {

// A category that posts one line per link pair of DESPES.
class OneLinePerPair : public Category {
public:
    using Category::Category;
    int entryKind() const override { return 7; }

protected:
    QString linkPairsSql() const override { return QStringLiteral("SELECT DISTINCT VINGRUPO,VINCODIGO FROM DESPES"); }
    void postPair(const QString &g, const QString &c) override
    {
        ctx.post.Salva_condia(g, c, QStringLiteral("131101"), 201, QStringLiteral("debit"), 7, Money::fromCents(100));
    }
};

} // namespace

TEST(Category, MonthClearingTakesTheKindsRowsOfTheMonthAndThoseWithoutDate)
{
    auto db = seededDatabase();
    for (const char *row : {"(0, 7, '03/31/2008', 1)", "(0, 7, '03/31/2007', 1)", "(0, 7, NULL, 1)", "(0, 7, '04/30/2008', 1)",
                            "(0, 8, '03/31/2008', 1)", "(0, 8, NULL, 1)"})
        db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, IE, DATAE, DEBIT) VALUES ") + QString::fromLatin1(row));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<OneLinePerPair>());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 7")).toInt(), 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 8")).toInt(), 2);
}

TEST(Category, LinkValuesKeepLeadingBlanksAndApostrophes)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .commitment(1, 1, QStringLiteral("1"), QDate(2008, 3, 1), {}, QStringLiteral(" 1"), QStringLiteral("O'"))
        .commitment(2, 1, QStringLiteral("1"), QDate(2008, 3, 1), {}, QStringLiteral("1"), QStringLiteral("2"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<OneLinePerPair>());
    QSqlQuery q = db->query(QStringLiteral("SELECT VINGRUPO, VINCODIGO FROM CONDIA WHERE IE = 7 ORDER BY VINGRUPO"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral(" 1"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("O'"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("1"));
}

TEST(Category, AFailingStatementEndsTheCategoryWithFalseAndNoMessage)
{
    auto db = seededDatabase();
    db->exec(QStringLiteral("DROP VIEW VIEWVAPAG"));
    db->exec(QStringLiteral("DROP TABLE DESPES"));
    CategoryHarness h(*db, 3);
    EXPECT_FALSE(h.run<OneLinePerPair>());
    EXPECT_TRUE(h.ui.said.isEmpty());
}

TEST(Category, RdClauseFollowsTheParameterReadOncePerRun)
{
    auto db = seededDatabase();
    CategoryHarness none(*db, 3);
    EXPECT_EQ(none.ctx.RD(QStringLiteral("B")), QStringLiteral(" "));

    SuiteRows(*db).rd(QStringLiteral("F"));
    CategoryHarness h(*db, 3);
    EXPECT_EQ(h.ctx.RD(QStringLiteral("B")),
              QStringLiteral(" AND ((B.TPEM<>'RD' OR B.TPEM IS NULL) AND (B.PKEMPA IS NULL OR B.PKEMPA NOT IN (SELECT PKEMP "
                             "FROM DESPES WHERE TPEM='RD'))) "));
    SuiteRows(*db).rd(QStringLiteral("T"));
    EXPECT_TRUE(h.ctx.RD(QStringLiteral("DESPES")).startsWith(QStringLiteral(" AND ((DESPES.TPEM<>'RD'")));
    CategoryHarness next(*db, 3);
    EXPECT_EQ(next.ctx.RD(QStringLiteral("DESPES")), QStringLiteral(" "));
}
