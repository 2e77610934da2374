#include "CategoryHarness.h"
#include "routine/Divida_Ativa.h"
#include "routine/Receitas_realizadas.h"

#include <gtest/gtest.h>

namespace {

const QDate march(2008, 3, 10);
const QString g = QStringLiteral("001");
const QString c = QStringLiteral("002");

} // namespace

TEST(Receitas_realizadas, RevenueCollectedIsPostedInFourConsecutiveBlocks)
{
    auto db = seededDatabase();
    SuiteRows(*db).revenueAllocation(1, QStringLiteral("11120200"), g, c).receipt(1, QStringLiteral("600"), march)
        .receipt(1, QStringLiteral("400"), QDate(2008, 3, 31));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Receitas_realizadas>());
    EXPECT_EQ(journalLines(*db, 9), QStringList({"101 SISTEMA ORCAMENTARIO", "101 D 153101 1000.00 h301",
                                                 "101 C 141101 1000.00 h302", "102 SISTEMA FINANCEIRO",
                                                 "102 D 251101 1000.00 h303", "102 C 221101 1000.00 h302",
                                                 "103 SISTEMA PATRIMONIAL", "103 D 311101 1000.00 h303",
                                                 "103 C 391101 1000.00 h304", "104 SISTEMA ECONOMICO",
                                                 "104 D 411101 1000.00 h302", "104 C 491101 1000.00 h304"}));
    EXPECT_TRUE(h.ui.said.isEmpty());
}

TEST(Receitas_realizadas, APairWithoutReceiptsGetsOnlyTheFinancialAndPatrimonialHeaders)
{
    auto db = seededDatabase();
    SuiteRows(*db).revenueAllocation(1, QStringLiteral("1112"), g, c).receipt(1, QStringLiteral("10"), QDate(2008, 4, 1));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Receitas_realizadas>());
    EXPECT_EQ(journalLines(*db, 9), QStringList({"102 SISTEMA FINANCEIRO", "102 D 251101 0.00 h303", "103 SISTEMA PATRIMONIAL",
                                                 "103 D 311101 0.00 h303", "103 C 391101 0.00 h304",
                                                 "104 C 491101 0.00 h304"}));
}

// The code list and the total take budget allocations only; the sums per prefix
// take every receipt whose code starts with it.
TEST(Receitas_realizadas, PrefixSumsAlsoTakeExtraBudgetReceipts)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .revenueAllocation(1, QStringLiteral("1112"), g, c)
        .revenueAllocation(2, QStringLiteral("1113"), g, c, QStringLiteral("S"))
        .revenueAllocation(3, QStringLiteral("1722"), g, c)
        .receipt(1, QStringLiteral("1000"), march)
        .receipt(2, QStringLiteral("50"), march)
        .receipt(3, QStringLiteral("7.25"), march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Receitas_realizadas>());
    const QStringList lines = journalLines(*db, 9);
    EXPECT_EQ(lines.mid(0, 4),
              QStringList({"101 SISTEMA ORCAMENTARIO", "101 D 153101 1007.25 h301", "101 C 141101 1050.00 h302",
                           "101 C 141107 7.25 h302"}));
    EXPECT_EQ(lines.mid(lines.size() - 4), QStringList({"104 SISTEMA ECONOMICO", "104 D 411101 1050.00 h302",
                                                        "104 D 411107 7.25 h302", "104 C 491101 1007.25 h304"}));
}

TEST(Receitas_realizadas, PrefixAccounts)
{
    EXPECT_EQ(Receitas_realizadas::prefixAccount(QStringLiteral("141"), QStringLiteral("11")), QStringLiteral("141101"));
    EXPECT_EQ(Receitas_realizadas::prefixAccount(QStringLiteral("221"), QStringLiteral("17")), QStringLiteral("221107"));
    EXPECT_EQ(Receitas_realizadas::prefixAccount(QStringLiteral("411"), QStringLiteral("9")), QStringLiteral("9"));
}

TEST(Divida_Ativa, ActiveDebtAndSalesOfAssetsInThePatrimonialAndEconomicBlocks)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .revenueAllocation(1, QStringLiteral("19310000"), g, c)
        .revenueAllocation(2, QStringLiteral("22210000"), g, c)
        .revenueAllocation(3, QStringLiteral("11120000"), g, c)
        .receipt(1, QStringLiteral("300"), march)
        .receipt(2, QStringLiteral("200"), march)
        .receipt(3, QStringLiteral("999"), march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Divida_Ativa>());
    EXPECT_EQ(journalLines(*db, 16),
              QStringList({"101 SISTEMA PATRIMONIAL", "101 D 391101 500.00 'Variacoes economicas diversas'",
                           "101 C 332101 300.00 h427", "101 C 331201 200.00 'Baixa por alienação de ??????'",
                           "102 SISTEMA ECONOMICO", "102 C 422101 300.00 h427",
                           "102 C 422103 200.00 'Baixa por alienacao de ??????'",
                           "102 D 491101 500.00 'Variacoes economicas diversas'"}));
}

TEST(Divida_Ativa, CreditOperationsAndFinancedSales)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .revenueAllocation(1, QStringLiteral("2111"), g, c)
        .revenueAllocation(2, QStringLiteral("2211"), g, c)
        .receipt(1, QStringLiteral("70"), march)
        .receipt(2, QStringLiteral("30"), march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Divida_Ativa>());
    EXPECT_EQ(journalLines(*db, 16),
              QStringList({"101 SISTEMA PATRIMONIAL", "101 D 391101 100.00 'Variacoes economicas diversas'",
                           "101 C 341101 70.00 h402", "101 C 331101 30.00 'xxxxxxxxxxxxxxxxx C/Financiam'",
                           "102 SISTEMA ECONOMICO", "102 C 422106 70.00 h431",
                           "102 C 422102 30.00 'Baixa por alienacao de ??????'",
                           "102 D 491101 100.00 'Variacoes economicas diversas'"}));
}

TEST(Divida_Ativa, TheContributionsAccountIsCreatedOnceWhenMissing)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .revenueAllocation(1, QStringLiteral("1933"), g, c)
        .revenueAllocation(2, QStringLiteral("1933"), QStringLiteral("009"), c)
        .receipt(1, QStringLiteral("15"), march)
        .receipt(2, QStringLiteral("5"), march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Divida_Ativa>());
    EXPECT_TRUE(h.ui.said.isEmpty());
    QSqlQuery q = db->query(QStringLiteral("SELECT TITCO, D_C, TIP, DEBIT, CREDIT, SALDO FROM CONPLA WHERE BALCO = '332103'"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("Dívida Ativa das Contribuições"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("D"));
    EXPECT_EQ(q.value(2).toString(), QStringLiteral("3"));
    EXPECT_TRUE(Money::fromVariant(q.value(5), 2).isZero());
    EXPECT_FALSE(q.next());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 16 AND BALCO = '332103' AND TITCO = "
                                        "'Dívida Ativa das Contribuições'"))
                  .toInt(),
              2);
}

// A code of the family 193 that no mapping knows never borrows the account of the
// entry before it.
TEST(Divida_Ativa, AnUnknownActiveDebtCodeIsPostedWithoutAccountAndNamed)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .revenueAllocation(1, QStringLiteral("1931"), g, c)
        .revenueAllocation(2, QStringLiteral("1934"), g, c)
        .receipt(1, QStringLiteral("300"), march)
        .receipt(2, QStringLiteral("40"), march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Divida_Ativa>());
    EXPECT_EQ(journalLines(*db, 16),
              QStringList({"101 SISTEMA PATRIMONIAL", "101 D 391101 340.00 'Variacoes economicas diversas'",
                           "101 C 332101 300.00 h427", "101 C - 40.00 h0", "102 SISTEMA ECONOMICO",
                           "102 C 422101 300.00 h427", "102 C - 40.00 h0",
                           "102 D 491101 340.00 'Variacoes economicas diversas'"}));
    ASSERT_EQ(h.ui.said.size(), 2);
    EXPECT_TRUE(h.ui.said[0].text.startsWith(QStringLiteral("O código 1934 não foi encontrado")));
}

TEST(Divida_Ativa, APairWithoutSuchRevenuePostsNothing)
{
    auto db = seededDatabase();
    SuiteRows(*db).revenueAllocation(1, QStringLiteral("1112"), g, c).receipt(1, QStringLiteral("300"), march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Divida_Ativa>());
    EXPECT_TRUE(journalLines(*db, 16).isEmpty());
}
