#include "CategoryRunner.h"
#include "routine/Adiantamento.h"

#include <gtest/gtest.h>

namespace {

const char *const Settled = "|Baixa da responsabilidade pela prestacao de contas.";

} // namespace

TEST(Adiantamento, AdvancesAreWrittenStraightOnTheirGroupAccount)
{
    CategoryRunner r;
    r.suite.account("371101", QStringLiteral("Responsáveis por adiantamentos"))
        // receipt and payment in one pair: one header
        .revenueAllocation(1, "371105", "001", "001")
        .receipt(1, 10, r.march())
        .expenditureAllocation(1, "371102", "001", "001", "S")
        .payment(1, 25, r.march(), "001", "001")
        // only payments, on both groups: a header of its own
        .expenditureAllocation(2, "381101", "002", "002", "S")
        .payment(2, 7, r.march(), "002", "002")
        .expenditureAllocation(3, "371101", "002", "002", "S")
        .payment(3, 4, r.march(), "002", "002")
        // receipts on both groups, nothing paid
        .revenueAllocation(4, "381107", "003", "003")
        .receipt(4, 3, r.march())
        .revenueAllocation(5, "371107", "003", "003")
        .receipt(5, 2, r.march())
        // nothing of the month
        .revenueAllocation(6, "371101", "004", "004")
        .receipt(6, 2, r.april());

    ASSERT_TRUE(r.run<Adiantamento>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA PATRIMONIAL",
                               QString("- 001/001 C 371101 10.00 ") + Settled,
                               QString("- 001/001 D 371101 25.00 ") + Settled,
                               "102 SISTEMA PATRIMONIAL",
                               QString("- 002/002 D 371101 4.00 ") + Settled,
                               QString("- 002/002 D 381101 7.00 ") + Settled,
                               "103 SISTEMA PATRIMONIAL",
                               QString("- 003/003 C 371101 2.00 ") + Settled,
                               QString("- 003/003 C 381101 3.00 ") + Settled,
                           }));
    EXPECT_EQ(r.titleOf("371101"), QStringLiteral("Conta Adiantamento"));
    EXPECT_TRUE(r.db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE HISTO IS NOT NULL")).toInt() == 0);
}

TEST(Adiantamento, PaymentsThatCancelOutWriteNoLineButKeepTheHeader)
{
    CategoryRunner r;
    r.suite.expenditureAllocation(1, "371101", "001", "001", "S")
        .payment(1, 25, r.march(), "001", "001")
        .payment(1, -25, r.march(), "001", "001");

    ASSERT_TRUE(r.run<Adiantamento>());
    EXPECT_EQ(r.journal(), QStringList({"101 SISTEMA PATRIMONIAL"}));
}
