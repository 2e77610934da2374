#include "CategoryRunner.h"
#include "routine/ValoresGuarda.h"

#include <gtest/gtest.h>

namespace {

const char *const Kept = "|Valores em guarda na tesouraria conforme comprovantes.";

} // namespace

TEST(ValoresGuarda, DepositsAreCreditedPerAccountAndTheirTotalTakenIntoCustody)
{
    CategoryRunner r;
    r.suite.accounts({"385201", "385202"})
        .revenueAllocation(1, "385201", "A'1", "001")
        .receipt(1, 5, r.march())
        .revenueAllocation(2, "385202", "A'1", "001")
        .receipt(2, 7, r.march())
        .receipt(2, 70, r.april())
        // refunds above the deposits
        .revenueAllocation(3, "385201", "B01", "001")
        .receipt(3, -3, r.march())
        // nothing in custody
        .revenueAllocation(4, "411100", "C01", "001", "N")
        .receipt(4, 8, r.march());

    ASSERT_TRUE(r.run<ValoresGuarda>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA PATRIMONIAL",
                               QString("101 A'1/001 C 385201 5.00 ") + Kept,
                               QString("101 A'1/001 C 385202 7.00 ") + Kept,
                               "101 A'1/001 D 375201 12.00 |Valores sob guarda conforme processos de carga",
                               "102 SISTEMA PATRIMONIAL",
                               QString("102 B01/001 C 385201 -3.00 ") + Kept,
                           }));
    EXPECT_TRUE(r.ui.said.isEmpty());
}
