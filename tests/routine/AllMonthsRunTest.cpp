#include "CategoryHarness.h"
#include "routine/AllMonthsRun.h"
#include "routine/MonthlyRun.h"

#include <gtest/gtest.h>

namespace {

// Cash orders up to May, commitments of the fiscal year up to July and of the
// year before up to December.
std::unique_ptr<Database> sevenMonths()
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .allocation(1, QStringLiteral("04"), QStringLiteral("1000"), QStringLiteral("001"), QStringLiteral("002"))
        .bankAccount(1, QStringLiteral("311201"), QStringLiteral("001"), QStringLiteral("002"))
        .cashOrder(1, QStringLiteral("10"), {}, QDate(2008, 5, 3))
        .commitment(1, 1, QStringLiteral("100"), QDate(2008, 7, 3), QStringLiteral("3.3"), QStringLiteral("001"),
                    QStringLiteral("002"))
        .commitment(2, 1, QStringLiteral("100"), QDate(2007, 12, 3), QStringLiteral("3.3"), QStringLiteral("001"),
                    QStringLiteral("002"));
    return db;
}

} // namespace

TEST(AllMonthsRun, PostsUpToTheLastMonthWithDataAndEndsWithOneMessage)
{
    auto db = sevenMonths();
    ScriptedInteraction ui;
    AllMonthsRun all(*db, ui);
    EXPECT_EQ(all.monthCount(), 7);
    QList<int> posted, progress;
    EXPECT_EQ(all.run([&](int index) {
        progress << ui.lastProgress;
        EXPECT_EQ(ui.lastMaximum, 6);
        EXPECT_TRUE(ui.said.isEmpty());
        MonthlyRun month(*db, ui);
        EXPECT_EQ(month.run(MonthlyRun::monthItems()[index], MonthlyRun::Mark(), true), MonthlyRun::Outcome::Completed);
        posted << month.state().month;
    }),
              7);
    EXPECT_EQ(posted, QList<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(progress, QList<int>({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ui.texts(), QStringList({"Término do Lançamento de Rotina! Verifique se ocorreu algum erro!"}));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 7 AND EXTRACT(MONTH FROM DATAE) = 7")).toInt(), 12);
}

TEST(AllMonthsRun, InterruptionDuringTheThirdMonthStopsWithoutTheEndMessage)
{
    auto db = sevenMonths();
    ScriptedInteraction ui;
    bool interrupted = false;
    ui.cancelWhen = [&] { return interrupted; };
    AllMonthsRun all(*db, ui);
    QList<int> posted;
    EXPECT_EQ(all.run([&](int index) {
        posted << index;
        interrupted = index == 2;
    }),
              3);
    EXPECT_EQ(posted, QList<int>({0, 1, 2}));
    EXPECT_TRUE(ui.said.isEmpty());
}

TEST(AllMonthsRun, NothingToPostWithoutCashOrdersOrCommitmentsOfTheYear)
{
    auto db = seededDatabase();
    SuiteRows(*db).commitment(1, 1, QStringLiteral("100"), QDate(2007, 7, 3), QStringLiteral("3.3"), QStringLiteral("001"),
                              QStringLiteral("002"));
    ScriptedInteraction ui;
    AllMonthsRun all(*db, ui);
    EXPECT_EQ(all.run([](int) { ADD_FAILURE(); }), 0);
    EXPECT_TRUE(ui.said.isEmpty());
}
