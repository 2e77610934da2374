#include "CategoryRunner.h"
#include "routine/ExtraBudgetAccounts.h"
#include "routine/ReceitasExtras.h"

#include <gtest/gtest.h>

namespace {

const char *const Collected = "S/credito pelo recolhimento conforme comprovantes.  ";
const char *const PaidOn = "Recolhimento conforme registros";

} // namespace

TEST(ReceitasExtras, ReceiptGoesToItsConsignmentAccountAndLeavesThePatrimony)
{
    CategoryRunner r;
    r.suite.accounts({"313101"})
        .revenueAllocation(1, "313101", "001", "001")
        .receipt(1, 30, r.march())
        .receipt(1, 20, r.march(20))
        .receipt(1, 500, r.april())
        // receipts on contributions and transfers are journaled by their own categories
        .revenueAllocation(2, "323601", "001", "001")
        .receipt(2, 70, r.march())
        // budget revenue
        .revenueAllocation(3, "411100", "001", "001", "N")
        .receipt(3, 900, r.march());

    ASSERT_TRUE(r.run<ReceitasExtras>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA FINANCEIRO",
                               "101 001/001 D 251101 50.00 #312",
                               QString("101 001/001 C 244301 50.00 |") + Collected,
                               "102 SISTEMA PATRIMONIAL",
                               "102 001/001 D 311101 50.00 #312",
                               QString("102 001/001 C 313101 50.00 |") + Collected,
                           }));
    EXPECT_TRUE(r.ui.said.isEmpty());
}

TEST(ReceitasExtras, ContributionPaidOnGetsItsBudgetaryAndEconomicBlocks)
{
    CategoryRunner r;
    r.suite.accounts({"323601"})
        .expenditureAllocation(1, "323601", "001", "001", "S")
        .payment(1, 80, r.march(), "001", "001")
        // a pair with no extra-budget movement
        .expenditureAllocation(2, "339030", "002", "002", "N")
        .payment(2, 15, r.march(), "002", "002");

    ASSERT_TRUE(r.run<ReceitasExtras>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA FINANCEIRO",
                               QString("101 001/001 D 211201 80.00 |") + PaidOn,
                               "101 001/001 C 251101 80.00 #212",
                               "102 SISTEMA ORCAMENTARIO",
                               "102 001/001 C 163201 80.00 #301",
                               "102 001/001 D 131201 80.00 #301",
                               "103 SISTEMA ECONOMICO",
                               "103 001/001 C 421301 80.00 |Repasse devido",
                               "103 001/001 D 441102 80.00 |Repasse devido",
                               "104 SISTEMA PATRIMONIAL",
                               QString("104 001/001 D 323601 80.00 |") + PaidOn,
                               "104 001/001 C 311101 80.00 #212",
                               "105 SISTEMA FINANCEIRO",
                               "106 SISTEMA PATRIMONIAL",
                           }));
}

TEST(ReceitasExtras, TransferPaidOnCarriesItsDetailAndLeavesItsOwnAccount)
{
    CategoryRunner r;
    r.suite.accounts({"323702", "211302", "163302", "131302"})
        .expenditureAllocation(1, "323702", "001", "001", "S")
        .payment(1, 80, r.march(), "001", "001");

    ASSERT_TRUE(r.run<ReceitasExtras>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA FINANCEIRO",
                               QString("101 001/001 D 211302 80.00 |") + PaidOn,
                               "101 001/001 C 251101 80.00 #212",
                               "102 SISTEMA ORCAMENTARIO",
                               "102 001/001 C 163302 80.00 #301",
                               "102 001/001 D 131302 80.00 #301",
                               "103 SISTEMA ECONOMICO",
                               "103 001/001 C 421301 80.00 |Repasse devido",
                               "103 001/001 D 491101 80.00 |Repasse devido",
                               "104 SISTEMA PATRIMONIAL",
                               "104 001/001 C 323702 80.00 |Repasse devido",
                               "104 001/001 D 391101 80.00 |Repasse devido",
                               "105 SISTEMA PATRIMONIAL",
                               QString("105 001/001 D 323702 80.00 |") + PaidOn,
                               "105 001/001 C 311101 80.00 #212",
                           }));
}

TEST(ReceitasExtras, TownHallReversesTheBudgetaryLinesWithoutLink)
{
    CategoryRunner r;
    r.state.pEntity = true;
    r.suite.accounts({"323601", "323702", "211302", "163302", "131302"})
        .expenditureAllocation(1, "323601", "001", "001", "S")
        .payment(1, 80, r.march(), "001", "001")
        .expenditureAllocation(2, "323702", "001", "001", "S")
        .payment(2, 60, r.march(), "001", "001");

    ASSERT_TRUE(r.run<ReceitasExtras>());
    const QStringList rows = r.journal();
    ASSERT_EQ(rows.size(), 27);
    EXPECT_EQ(rows.mid(4, 5), QStringList({
                                  "102 SISTEMA ORCAMENTARIO",
                                  "102 001/001 C 163201 80.00 #301",
                                  "102 001/001 D 131201 80.00 #301",
                                  "102 - D 163201 80.00 #301",
                                  "102 - C 131201 80.00 #301",
                              }));
    EXPECT_EQ(rows.mid(12, 5), QStringList({
                                   "104 SISTEMA ORCAMENTARIO",
                                   "104 001/001 C 163302 60.00 #301",
                                   "104 001/001 D 131302 60.00 #301",
                                   "104 - D 163302 60.00 |Repasse devido",
                                   "104 - C 131302 60.00 |Repasse devido",
                               }));
}

TEST(ReceitasExtras, AllocationInNoMappingIsPostedWithoutAccountAndNamed)
{
    CategoryRunner r;
    // an account of the chart, but no financial account is mapped to it
    r.suite.accounts({"331101"})
        .expenditureAllocation(1, "331101", "001", "001", "S")
        .payment(1, 12.5, r.march(), "001", "001");

    ASSERT_TRUE(r.run<ReceitasExtras>());
    EXPECT_EQ(r.journal(), QStringList({
                               "101 SISTEMA FINANCEIRO",
                               "101 001/001 D - 12.50 |S/debito pelo pagamento conforme comprovantes.  ",
                               "101 001/001 C 251101 12.50 #212",
                               "102 SISTEMA PATRIMONIAL",
                               "102 001/001 D 331101 12.50 |S/debito pelo pagamento conforme comprovantes.  ",
                               "102 001/001 C 311101 12.50 #212",
                           }));
    ASSERT_EQ(r.ui.texts().size(), 1);
    EXPECT_TRUE(r.ui.texts()[0].startsWith(QStringLiteral("O código 331101 não foi encontrado")));
}

TEST(ExtraBudgetAccounts, PrefixesGiveTheirFinancialAccounts)
{
    struct Case {
        const char *allocation;
        const char *receipt;
        const char *payment;
    };
    const Case cases[] = {
        {"313101", "244301", "234301"}, {"313407", "244407", "234407"}, {"323105", "243101", "233101"},
        {"323503", "244304", "234304"}, {"324209", "244209", "234209"}, {"342101", "243103", "233103"},
        {"371101", "233103", nullptr},  {"321102", nullptr, "231101"},  {"322101", nullptr, "232101"},
        {"323601", nullptr, "211201"},  {"323704", nullptr, "211304"},  {"338110", nullptr, "233103"},
        {"338101", nullptr, nullptr},   {"331101", nullptr, nullptr},
    };
    for (const Case &c : cases) {
        const QString allocation = QLatin1String(c.allocation);
        EXPECT_EQ(ExtraBudgetAccounts::receipt(allocation).value_or("none"), c.receipt ? c.receipt : "none")
            << c.allocation;
        EXPECT_EQ(ExtraBudgetAccounts::payment(allocation).value_or("none"), c.payment ? c.payment : "none")
            << c.allocation;
    }
}
