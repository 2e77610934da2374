#include "CategoryRunner.h"
#include "routine/RestosPagar.h"

#include <gtest/gtest.h>

TEST(RestosPagar, CancelledPayablesOfThePreviousYearLeaveTheDebtAndCloseEconomically)
{
    CategoryRunner r;
    r.suite.accounts({"321101", "321102"})
        .expenditureAllocation(1, "321101", "001", "001")
        .commitment(1, -80, r.march(), "001", "001")
        .commitment(1, -20, r.march(20), "001", "001")
        .commitment(1, -500, r.april(), "001", "001")
        // a positive commitment on the same allocation is no cancellation
        .commitment(1, 60, r.march(), "001", "001")
        .expenditureAllocation(2, "321102", "001", "001")
        .commitment(2, -5, r.march(), "001", "001")
        // not a payable of the previous year
        .expenditureAllocation(3, "339030", "001", "001")
        .commitment(3, -40, r.march(), "001", "001")
        // a pair without cancellations
        .commitment(3, 10, r.march(), "002", "002");

    ASSERT_TRUE(r.run<RestosPagar>());
    const QString text = QStringLiteral("|Cancelamento de Empenhos de Restos a pagar de 2023");
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA PATRIMONIAL",
                               "101 001/001 D 321101 100.00 " + text,
                               "101 001/001 C 391101 100.00 " + text,
                               "101 001/001 D 321102 5.00 " + text,
                               "101 001/001 C 391101 5.00 " + text,
                               "102 SISTEMA ECONOMICO",
                               "102 001/001 D 431104 105.00 |Cancelamento de Empenhos do Exercício findo de 2023",
                               "102 001/001 C 491101 105.00 |Cancelamento de Restos a pagar de 2023",
                               "103 SISTEMA PATRIMONIAL",
                           }));
    EXPECT_TRUE(r.ui.said.isEmpty());
}

TEST(RestosPagar, CommitmentsOfTypeRdAreLeftOutWhenTheParameterSaysSo)
{
    CategoryRunner r;
    r.suite.rd(QStringLiteral("F"))
        .accounts({"321101"})
        .expenditureAllocation(1, "321101", "001", "001")
        .commitment(1, -30, r.march(), "001", "001", QStringLiteral("RD"));

    ASSERT_TRUE(r.run<RestosPagar>());
    EXPECT_EQ(r.journal(), QStringList({"101 SISTEMA PATRIMONIAL"}));
}
