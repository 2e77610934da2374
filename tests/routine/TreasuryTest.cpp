#include "CategoryHarness.h"
#include "data/TransactionGuard.h"
#include "routine/CONTAS_CAIXA.h"
#include "routine/Pagamentos_orcamentarios.h"

#include <gtest/gtest.h>

namespace {

const QDate march(2008, 3, 10);
const QString g = QStringLiteral("001");
const QString c = QStringLiteral("002");
const QString out = QStringLiteral("'Retiradas bancarias conforme contas correntes'");
const QString in = QStringLiteral("'Depositos bancarios conforme contas correntes'");

} // namespace

TEST(CONTAS_CAIXA, AWithdrawalFromABankAccountTakesTwoNumbersPerBlock)
{
    auto db = seededDatabase();
    SuiteRows(*db).bankAccount(1, QStringLiteral("311201"), g, c).cashOrder(1, QStringLiteral("100"), {}, march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<CONTAS_CAIXA>());
    EXPECT_EQ(journalLines(*db, 12),
              QStringList({"101 SISTEMA FINANCEIRO", "102 D 251101 100.00 h214", "102 C 251102 100.00 " + out,
                           "103 SISTEMA PATRIMONIAL", "104 D 311101 100.00 h214", "104 C 311201 100.00 " + out,
                           "104 C 311101 0.00 h214"}));
}

TEST(CONTAS_CAIXA, ADepositIntoCashNetsOnTheFinancialAccount)
{
    auto db = seededDatabase();
    SuiteRows(*db).bankAccount(1, QStringLiteral("311101"), g, c).cashOrder(1, {}, QStringLiteral("40"), march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<CONTAS_CAIXA>());
    EXPECT_EQ(journalLines(*db, 12),
              QStringList({"101 SISTEMA FINANCEIRO", "102 D 251101 40.00 h214", "102 C 251101 40.00 h214",
                           "103 D 311101 0.00 h214", "103 D 311101 40.00 " + in, "103 C 311101 40.00 h214"}));
}

TEST(CONTAS_CAIXA, KindsOfBankAccountAndTheirFinancialAccounts)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .bankAccount(1, QStringLiteral("311201"), g, c)
        .bankAccount(2, QStringLiteral("311301"), g, c)
        .bankAccount(3, QStringLiteral("311601"), g, c)
        .cashOrder(1, QStringLiteral("100"), {}, march)
        .cashOrder(1, {}, QStringLiteral("30"), march)
        .cashOrder(2, {}, QStringLiteral("20"), march)
        .cashOrder(3, QStringLiteral("5"), {}, march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<CONTAS_CAIXA>());
    // 3116 is no kind of its own: it reaches the totals and the patrimonial lines only.
    EXPECT_EQ(journalLines(*db, 12),
              QStringList({"101 SISTEMA FINANCEIRO", "102 D 251101 105.00 h214", "102 C 251102 100.00 " + out,
                           "102 D 251102 30.00 " + in, "102 D 251103 20.00 " + in, "102 C 251101 50.00 h214",
                           "103 SISTEMA PATRIMONIAL", "104 D 311101 105.00 h214", "104 C 311201 100.00 " + out,
                           "104 C - 5.00 " + out, "104 D 311201 30.00 " + in, "104 D 311301 20.00 " + in,
                           "104 C 311101 50.00 h214"}));
    // 311601 is not in the chart: the warning names it.
    ASSERT_EQ(h.ui.said.size(), 1);
    EXPECT_TRUE(h.ui.said[0].text.startsWith(QStringLiteral("O código 311601 não foi encontrado")));
}

TEST(CONTAS_CAIXA, CashOrdersOfTheFirstOfJanuaryAreLeftOut)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .bankAccount(1, QStringLiteral("311201"), g, c)
        .cashOrder(1, QStringLiteral("100"), QStringLiteral("100"), QDate(2008, 1, 1))
        .cashOrder(1, QStringLiteral("7"), {}, QDate(2008, 1, 2));
    CategoryHarness h(*db, 1);
    ASSERT_TRUE(h.run<CONTAS_CAIXA>());
    EXPECT_TRUE(journalLines(*db, 12).contains("102 D 251101 7.00 h214"));
    EXPECT_TRUE(journalLines(*db, 12).contains("104 C 311101 0.00 h214"));
}

TEST(CONTAS_CAIXA, APairWithoutCashOrdersWritesOnlyTwoZeroLines)
{
    auto db = seededDatabase();
    SuiteRows(*db).bankAccount(1, QStringLiteral("311201"), g, c).cashOrder(1, QStringLiteral("100"), {}, QDate(2008, 4, 2));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<CONTAS_CAIXA>());
    EXPECT_EQ(journalLines(*db, 12), QStringList({"102 D 311101 0.00 h214", "102 C 311101 0.00 h214"}));
}

TEST(CONTAS_CAIXA, ABankAccountWithoutChartAccountIsNamedByItsNumber)
{
    auto db = seededDatabase();
    SuiteRows(*db).bankAccount(77, {}, g, c).cashOrder(77, QStringLiteral("9"), {}, march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<CONTAS_CAIXA>());
    EXPECT_TRUE(journalLines(*db, 12).contains("104 C - 9.00 " + out));
    ASSERT_EQ(h.ui.said.size(), 1);
    EXPECT_TRUE(h.ui.said[0].text.startsWith(QStringLiteral("O código 77 não foi encontrado")));
}

TEST(CONTAS_CAIXA, MoreBankAccountsThanTheOldWorkTableHeld)
{
    auto db = seededDatabase();
    {
        TransactionGuard tx(*db);
        SuiteRows rows(*db);
        for (int conta = 1; conta <= 360; ++conta)
            rows.bankAccount(conta, QStringLiteral("311201"), g, c).cashOrder(conta, QStringLiteral("1"), {}, march);
        tx.commit();
    }
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<CONTAS_CAIXA>());
    const QStringList lines = journalLines(*db, 12);
    EXPECT_EQ(lines.count("104 C 311201 1.00 " + out), 360);
    EXPECT_TRUE(lines.contains("104 D 311101 360.00 h214"));
}

TEST(Pagamentos_orcamentarios, BudgetPaymentsOfAPair)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .allocation(1, QStringLiteral("04"), QStringLiteral("1000"), g, c)
        .allocation(2, QStringLiteral("04"), QStringLiteral("1000"), g, c, QStringLiteral("S"))
        .commitment(1, 1, QStringLiteral("300"), QDate(2008, 2, 1), QStringLiteral("3.3"), g, c)
        .commitment(2, 2, QStringLiteral("300"), QDate(2008, 2, 1), QStringLiteral("3.3"), g, c)
        .payment(1, 1, QStringLiteral("200"), march)
        .payment(2, 1, QStringLiteral("50"), march)
        .payment(3, 1, QStringLiteral("50"), QDate(2008, 4, 1))
        .payment(4, 2, QStringLiteral("80"), march);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Pagamentos_orcamentarios>());
    EXPECT_EQ(journalLines(*db, 13),
              QStringList({"101 SISTEMA FINANCEIRO", "101 D 242101 250.00 h216", "101 C 251101 250.00 h217",
                           "102 SISTEMA PATRIMONIAL", "102 D 325101 250.00 h216", "102 C 311101 250.00 h217"}));
}

TEST(Pagamentos_orcamentarios, APairWithoutPaymentsPostsNothing)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .allocation(1, QStringLiteral("04"), QStringLiteral("1000"), g, c)
        .commitment(1, 1, QStringLiteral("300"), march, QStringLiteral("3.3"), g, c);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Pagamentos_orcamentarios>());
    EXPECT_TRUE(journalLines(*db, 13).isEmpty());
    EXPECT_EQ(h.routine.block(), 100);
}
