#include "CategoryRunner.h"
#include "routine/Patronal.h"

#include <gtest/gtest.h>

TEST(Patronal, ContributionReceivedFillsFourSystemsAndAnEmptyPairOnlyItsFinancialBlock)
{
    CategoryRunner r;
    r.suite.accounts({"323603"})
        .revenueAllocation(1, "323603", "001", "001")
        .receipt(1, 70, r.march())
        .receipt(1, 30, r.april())
        // financial transfers are not contributions
        .revenueAllocation(2, "323701", "001", "001")
        .receipt(2, 45, r.march())
        .revenueAllocation(3, "323603", "002", "002");

    ASSERT_TRUE(r.run<Patronal>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA ORCAMENTARIO",
                               "101 001/001 D 153101 70.00 #301",
                               "101 001/001 C 141301 70.00 #302",
                               "102 SISTEMA FINANCEIRO",
                               "102 001/001 D 251101 70.00 #303",
                               "102 001/001 C 221301 70.00 #302",
                               "103 SISTEMA PATRIMONIAL",
                               "103 001/001 D 311101 70.00 #303",
                               "103 001/001 C 323603 70.00 #304",
                               "104 SISTEMA ECONOMICO",
                               "104 001/001 D 411301 70.00 #302",
                               "104 001/001 C 431102 70.00 #304",
                               "106 SISTEMA FINANCEIRO",
                               "106 002/002 D 251101 0.00 #303",
                               "107 SISTEMA PATRIMONIAL",
                           }));
    EXPECT_TRUE(r.ui.said.isEmpty());
}

TEST(Patronal, BudgetaryAccountFollowsTheDetailCode)
{
    CategoryRunner r;
    r.suite.accounts({"323601", "323604", "323609"});
    int ficha = 1;
    for (const char *balco : {"323601", "323604", "323609"}) {
        r.suite.revenueAllocation(ficha, balco, "001", "001").receipt(ficha, 10 * ficha, r.march());
        ++ficha;
    }

    ASSERT_TRUE(r.run<Patronal>());
    EXPECT_EQ(r.journal().mid(0, 5), QStringList({
                                         "101 SISTEMA ORCAMENTARIO",
                                         "101 001/001 D 153101 60.00 #301",
                                         "101 001/001 C 141301 10.00 #302",
                                         "101 001/001 C 141302 20.00 #302",
                                         "101 001/001 C 141303 30.00 #302",
                                     }));
}

TEST(Patronal, TownHallBooksTheReversalsAndTheDebtToPassOnWithoutLink)
{
    CategoryRunner r;
    r.state.pEntity = true;
    r.suite.accounts({"323603"}).revenueAllocation(1, "323603", "001", "001").receipt(1, 70, r.march());

    ASSERT_TRUE(r.run<Patronal>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA ORCAMENTARIO",
                               "101 001/001 D 153101 70.00 #301",
                               "101 - C 153101 70.00 #301",
                               "101 001/001 C 141301 70.00 #302",
                               "101 - D 141301 70.00 #302",
                               "102 SISTEMA FINANCEIRO",
                               "102 001/001 D 251101 70.00 #303",
                               "102 001/001 C 221301 70.00 #302",
                               "103 SISTEMA PATRIMONIAL",
                               "103 001/001 D 311101 70.00 #303",
                               "103 001/001 C 323603 70.00 #304",
                               "104 SISTEMA FINANCEIRO",
                               "104 - C 211201 70.00 |Repasse devido",
                               "104 - D 221301 70.00 |Repasse devido",
                               "105 SISTEMA ECONOMICO",
                               "105 - C 411301 70.00 |Repasse devido",
                               "105 - D 421301 70.00 |Repasse devido",
                               "106 SISTEMA ECONOMICO",
                               "106 001/001 D 411301 70.00 #302",
                               "106 001/001 C 431102 70.00 #304",
                           }));
}
