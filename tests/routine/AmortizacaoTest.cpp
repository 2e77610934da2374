#include "CategoryRunner.h"
#include "routine/Amortizacao.h"

#include <gtest/gtest.h>

TEST(Amortizacao, DebtPaidIsDebitedPerAccountAndClosedUnderOneHeader)
{
    CategoryRunner r;
    const QString text = QStringLiteral("|Pagamento de Dívida Fundada");
    r.suite.accounts({"342101", "342201"})
        .expenditureAllocation(1, "342101", "001", "001")
        .payment(1, 600, r.march(), "001", "001")
        .payment(1, 400, r.march(25), "001", "001")
        .expenditureAllocation(2, "342201", "001", "001")
        .payment(2, 500, r.march(), "001", "001")
        .payment(2, 80, r.april(), "001", "001")
        // other pairs: a payment of no debt, a debt paid in another month
        .expenditureAllocation(3, "339030", "002", "002")
        .payment(3, 50, r.march(), "002", "002")
        .expenditureAllocation(4, "342101", "003", "003")
        .payment(4, 50, r.april(), "003", "003");

    ASSERT_TRUE(r.run<Amortizacao>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA PATRIMONIAL",
                               "101 001/001 D 342101 1000.00 " + text,
                               "101 001/001 D 342201 500.00 " + text,
                               "101 001/001 C 391101 1500.00 " + text,
                               "101 001/001 D 412106 1500.00 " + text,
                               "101 001/001 C 491101 1500.00 " + text,
                           }));
    EXPECT_TRUE(r.ui.said.isEmpty());
}
