#include "CategoryRunner.h"
#include "routine/TransferenciaFinanceira.h"

#include <gtest/gtest.h>

TEST(TransferenciaFinanceira, TransferReceivedIsOwedOnAndClosedInTheEconomicSystem)
{
    CategoryRunner r;
    r.suite.accounts({"323702", "141402"})
        .revenueAllocation(1, "323702", "001", "001")
        .receipt(1, 70, r.march())
        .revenueAllocation(2, "323601", "001", "001")
        .receipt(2, 45, r.march());

    ASSERT_TRUE(r.run<TransferenciaFinanceira>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA ORCAMENTARIO",
                               "101 001/001 D 153101 70.00 #301",
                               "101 001/001 C 141402 70.00 #302",
                               "102 SISTEMA FINANCEIRO",
                               "102 001/001 D 251101 70.00 #303",
                               "102 001/001 C 221301 70.00 #302",
                               "103 SISTEMA PATRIMONIAL",
                               "103 001/001 D 311101 70.00 #303",
                               "103 001/001 C 323702 70.00 #304",
                               "103 001/001 D 323702 70.00 |Repasse devido",
                               "103 001/001 C 391101 70.00 |repasse devido",
                               "104 SISTEMA ECONOMICO",
                               "104 001/001 D 411301 70.00 #302",
                               "104 001/001 C 431102 70.00 #304",
                               "104 001/001 D 431102 70.00 #304",
                               "104 001/001 C 491101 70.00 #304",
                           }));
    EXPECT_TRUE(r.ui.said.isEmpty());
}

TEST(TransferenciaFinanceira, TownHallOwesTheTransferOnTheAccountOfItsDetail)
{
    CategoryRunner r;
    r.state.pEntity = true;
    r.suite.accounts({"323702", "141402", "211302"})
        .revenueAllocation(1, "323702", "001", "001")
        .receipt(1, 70, r.march());

    ASSERT_TRUE(r.run<TransferenciaFinanceira>());
    const QStringList rows = r.journal();
    ASSERT_EQ(rows.size(), 24);
    EXPECT_EQ(rows.mid(13, 6), QStringList({
                                   "104 SISTEMA FINANCEIRO",
                                   "104 - C 211302 70.00 |Repasse devido",
                                   "104 - D 221301 70.00 |Repasse devido",
                                   "105 SISTEMA ECONOMICO",
                                   "105 - C 411301 70.00 |Repasse devido",
                                   "105 - D 421301 70.00 |Repasse devido",
                               }));
    EXPECT_EQ(rows[4], "101 - D 141402 70.00 #302");
    EXPECT_TRUE(r.ui.said.isEmpty());
}

TEST(TransferenciaFinanceira, BudgetaryAccountMissingFromTheChartIsWarnedAbout)
{
    CategoryRunner r;
    r.suite.accounts({"323709"}).revenueAllocation(1, "323709", "001", "001").receipt(1, 5, r.march());

    ASSERT_TRUE(r.run<TransferenciaFinanceira>());
    EXPECT_EQ(r.journal()[2], "101 001/001 C - 5.00 #302");
    ASSERT_EQ(r.ui.texts().size(), 1);
    EXPECT_TRUE(r.ui.texts()[0].startsWith(QStringLiteral("O código 141409 não foi encontrado para lançamento automático.! \r")));
}
