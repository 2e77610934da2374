#include "CategoryRunner.h"
#include "routine/CreditoSuplementar.h"

#include <gtest/gtest.h>

TEST(CreditoSuplementar, OtherEntityOpensFixesAndTransfersPerLinkPair)
{
    CategoryRunner r;
    r.suite.decree(QStringLiteral("12/2024"), QStringLiteral("Decreto 12 de 2024"))
        // reduction of a special allocation opened in the year
        .expenditureAllocation(1, "339030", "001", "001", "N", 0, "S")
        .creditMovement(1, -500, 3, r.march(), "12/2024")
        // supplementary credit on an ordinary allocation, no decree
        .expenditureAllocation(2, "339030", "001", "002", "N", 0, "N")
        .creditMovement(2, 1000, 1, r.march())
        .creditMovement(2, 999, 1, r.april())
        // credit from excess revenue on an allocation with appropriation
        .expenditureAllocation(3, "339030", "001", "003", "N", 5000, "S")
        .creditMovement(3, 300, 2, r.march())
        // annulment on a special allocation without appropriation
        .expenditureAllocation(4, "339030", "001", "004", "N", 0, "S")
        .creditMovement(4, -400, 1, r.march())
        // a link pair that only revenue uses
        .revenueAllocation(5, "411100", "002", "001", "N");

    ASSERT_TRUE(r.run<CreditoSuplementar>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA ORCAMENTARIO",
                               "101 001/001 D 121101 500.00 |Credito Aberto, cfe, Decreto 12 de 2024",
                               "101 001/001 C 122101 500.00 |Fixação da Despesa, cfe, Decreto 12 de 2024",
                               "101 001/001 D 121102 0.00 |Valor Transferido p/a conta 121101 ",
                               "101 001/001 C 121101 0.00 |Valor Transferido da conta 121102 ",
                               "102 SISTEMA ORCAMENTARIO",
                               "102 001/002 D 151101 1000.00 |Credito Aberto, cfe, ",
                               "102 001/002 C 121101 1000.00 |Fixação da Despesa, cfe, ",
                               "102 001/002 D 121101 1000.00 |Credito Aberto, cfe, ",
                               "102 001/002 C 161103 1000.00 |Credito Aberto, cfe, ",
                               "102 001/002 D 121102 0.00 |Valor Transferido p/a conta 121101 ",
                               "102 001/002 C 121101 0.00 |Valor Transferido da conta 121102 ",
                               "103 SISTEMA ORCAMENTARIO",
                               "103 001/003 D 112101 300.00 |Credito Aberto, cfe, ",
                               "103 001/003 C 121101 300.00 |Fixação da Despesa, cfe, ",
                               "103 001/003 D 121102 0.00 |Valor Transferido p/a conta 121101 ",
                               "103 001/003 C 121101 0.00 |Valor Transferido da conta 121102 ",
                               "104 SISTEMA ORCAMENTARIO",
                               "104 001/004 D 121102 400.00 |Valor Transferido p/a conta 121101 ",
                               "104 001/004 C 121101 400.00 |Valor Transferido da conta 121102 ",
                               "105 SISTEMA ORCAMENTARIO",
                               "105 002/001 D 121102 0.00 |Valor Transferido p/a conta 121101 ",
                               "105 002/001 C 121101 0.00 |Valor Transferido da conta 121102 ",
                           }));
    EXPECT_TRUE(r.ui.said.isEmpty());
}

TEST(CreditoSuplementar, OtherEntityTakesTheSpecialAccountsForSpecialAllocations)
{
    CategoryRunner r;
    r.suite.expenditureAllocation(1, "339030", "001", "001", "N", 0, {})
        .creditMovement(1, 250, 4, r.march());

    ASSERT_TRUE(r.run<CreditoSuplementar>());
    const QStringList rows = r.journal();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[1], "101 001/001 D 151102 250.00 |Credito Aberto, cfe, ");
    // kind 4 is no fixing of expenditure in the other entities' postings
    EXPECT_EQ(rows[2], "101 001/001 D 121102 0.00 |Valor Transferido p/a conta 121101 ");
}

TEST(CreditoSuplementar, TownHallWalksItsMovementsFourTimesWithTheSignKept)
{
    CategoryRunner r;
    r.state.pEntity = true;
    r.suite.decree(QStringLiteral("7"), QStringLiteral("Decreto 7"))
        .expenditureAllocation(1, "339030", "001", "001", "N", 0, "S")
        .creditMovement(1, -200, 2, r.march(), "7");

    ASSERT_TRUE(r.run<CreditoSuplementar>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA ORCAMENTARIO",
                               "101 001/001 D 151102 -200.00 |Credito Aberto, cfe, Decreto 7",
                               "101 001/001 C 121102 -200.00 |Fixação da Despesa, cfe, Decreto 7",
                               "101 001/001 D 112101 -200.00 |Credito Aberto, cfe, Decreto 7",
                               "101 001/001 C 161102 -200.00 |Credito Aberto, cfe, Decreto 7",
                               "101 001/001 D 121102 0.00 |Valor Transferido p/a conta 121101 ",
                               "101 001/001 C 121101 0.00 |Valor Transferido da conta 121102 ",
                           }));
}

TEST(CreditoSuplementar, TownHallCreditAccountFollowsTheKindOfMovement)
{
    CategoryRunner r;
    r.state.pEntity = true;
    // in the order of their link pairs
    const QList<QPair<int, QString>> cases = {{0, "-"},      {1, "161103"}, {2, "161102"},
                                              {3, "161101"}, {4, "161104"}, {5, "161105"}};
    for (const auto &[ie, account] : cases) {
        r.suite.expenditureAllocation(10 + ie, "339030", "K", QString::number(ie), "N", 100, "N")
            .creditMovement(10 + ie, 40, ie, r.march());
    }

    ASSERT_TRUE(r.run<CreditoSuplementar>());
    const QStringList rows = r.journal();
    ASSERT_EQ(rows.size(), 7 * cases.size());
    for (int i = 0; i < cases.size(); ++i) {
        const auto &[ie, account] = cases[i];
        const QStringList block = rows.mid(7 * i, 7);
        const QString pair = QStringLiteral(" K/%1 ").arg(ie);
        EXPECT_EQ(block[1], QString("%1%2D 151101 40.00 |Credito Aberto, cfe, ").arg(100 + i + 1).arg(pair));
        EXPECT_EQ(block[3], QString("%1%2D %3 40.00 |Credito Aberto, cfe, ")
                                .arg(100 + i + 1)
                                .arg(pair, ie == 1 ? "121101" : "112101"));
        EXPECT_EQ(block[4], QString("%1%2C %3 40.00 |Credito Aberto, cfe, ").arg(100 + i + 1).arg(pair, account));
    }
    // the kind without account is named in the warning; no other line borrows an account
    ASSERT_EQ(r.ui.said.size(), 1);
    EXPECT_TRUE(r.ui.said[0].text.startsWith(QStringLiteral("O código 0 não foi encontrado para lançamento automático! ")));
    EXPECT_EQ(r.ui.said[0].caption, QStringLiteral("Erro de lançamento"));
}

TEST(CreditoSuplementar, LinkValuesWithAnApostropheReachTheirRows)
{
    CategoryRunner r;
    r.suite.expenditureAllocation(1, "339030", "D'A", "1'", "N", 0, "N").creditMovement(1, 10, 1, r.march());

    ASSERT_TRUE(r.run<CreditoSuplementar>());
    const QStringList rows = r.journal();
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[1], "101 D'A/1' D 151101 10.00 |Credito Aberto, cfe, ");
}
