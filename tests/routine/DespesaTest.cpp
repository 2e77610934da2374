#include "CategoryHarness.h"
#include "routine/Despesa_anulada.h"
#include "routine/Despesa_empenhada.h"

#include <gtest/gtest.h>

namespace {

const QDate march(2008, 3, 10);

// One allocation (function 04) with appropriation under the pair 001/002.
std::unique_ptr<Database> withAllocation()
{
    auto db = seededDatabase();
    SuiteRows(*db).allocation(1, QStringLiteral("04"), QStringLiteral("5000"), QStringLiteral("001"), QStringLiteral("002"));
    return db;
}

} // namespace

TEST(Despesa, ACommitmentIsPostedInTheFourSystems)
{
    auto db = withAllocation();
    SuiteRows(*db).commitment(1, 1, QStringLiteral("100"), march, QStringLiteral("3.3.90.30"), QStringLiteral("001"),
                              QStringLiteral("002"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_empenhada>());
    EXPECT_EQ(journalLines(*db, 7), QStringList({"101 SISTEMA ORCAMENTARIO", "101 D 131101 100.00 h201",
                                                 "101 C 163101 100.00 h201", "102 SISTEMA FINANCEIRO",
                                                 "102 D 211104 100.00 h201", "102 C 242101 100.00 h202",
                                                 "103 SISTEMA PATRIMONIAL", "103 D 391101 100.00 h203",
                                                 "103 C 325101 100.00 h202", "104 SISTEMA ECONOMICO",
                                                 "104 D 491101 100.00 h203", "104 C 421103 100.00 h201"}));
    EXPECT_TRUE(h.ui.said.isEmpty());

    // Lines carry the pair, the title and the run date; header rows carry neither pair nor amounts.
    QSqlQuery q = db->query(QStringLiteral("SELECT BALCO, TITCO, VINGRUPO, VINCODIGO, DATAE FROM CONDIA WHERE IE = 7 ORDER BY SEQ"));
    while (q.next()) {
        EXPECT_EQ(q.value(4).toDate(), QDate(2008, 3, 31));
        if (q.value(0).isNull()) {
            EXPECT_TRUE(q.value(2).isNull());
            EXPECT_TRUE(q.value(3).isNull());
        } else {
            EXPECT_EQ(q.value(1).toString(), QStringLiteral("Conta ") + q.value(0).toString());
            EXPECT_EQ(q.value(2).toString(), QStringLiteral("001"));
            EXPECT_EQ(q.value(3).toString(), QStringLiteral("002"));
        }
    }
}

TEST(Despesa, AnAnnulmentTakesTheOppositeSidesWithPositiveAmounts)
{
    auto db = withAllocation();
    SuiteRows(*db).commitment(1, 1, QStringLiteral("-100"), march, QStringLiteral("3.3.90.30"), QStringLiteral("001"),
                              QStringLiteral("002"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_anulada>());
    EXPECT_EQ(journalLines(*db, 8), QStringList({"101 SISTEMA ORCAMENTARIO", "101 D 163101 100.00 h204",
                                                 "101 C 131101 100.00 h206", "102 SISTEMA FINANCEIRO",
                                                 "102 C 211104 100.00 h206", "102 D 242101 100.00 h205",
                                                 "103 SISTEMA PATRIMONIAL", "103 C 391101 100.00 h209",
                                                 "103 D 325101 100.00 h205", "104 SISTEMA ECONOMICO",
                                                 "104 D 421103 100.00 h201", "104 C 491101 100.00 h209"}));
}

TEST(Despesa, EachMovementOnlyTakesItsOwnSign)
{
    auto db = withAllocation();
    SuiteRows(*db)
        .commitment(1, 1, QStringLiteral("100"), march, QStringLiteral("3.3"), QStringLiteral("001"), QStringLiteral("002"))
        .commitment(2, 1, QStringLiteral("-30"), march, QStringLiteral("3.3"), QStringLiteral("001"), QStringLiteral("002"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_empenhada>());
    ASSERT_TRUE(h.run<Despesa_anulada>());
    EXPECT_TRUE(journalLines(*db, 7).contains("101 D 131101 100.00 h201"));
    EXPECT_TRUE(journalLines(*db, 8).contains("105 C 131101 30.00 h206"));
}

TEST(Despesa, WithoutAppropriationTheBudgetLinesFallUnderTheBlockBefore)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .allocation(1, QStringLiteral("04"), QStringLiteral("0"), QStringLiteral("001"), QStringLiteral("002"))
        .commitment(1, 1, QStringLiteral("80"), march, QStringLiteral("3.1"), QStringLiteral("001"), QStringLiteral("002"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_empenhada>());
    const QStringList lines = journalLines(*db, 7);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(0, 3), QStringList({"100 D 131102 80.00 h201", "100 C 163101 80.00 h201", "101 SISTEMA FINANCEIRO"}));
}

TEST(Despesa, APairWithoutMovementStillGetsItsFixedHeadersAndZeroTotals)
{
    auto db = withAllocation();
    SuiteRows(*db).commitment(1, 1, QStringLiteral("100"), QDate(2008, 5, 2), QStringLiteral("3.3"), QStringLiteral("001"),
                              QStringLiteral("002"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_empenhada>());
    ASSERT_TRUE(h.run<Despesa_anulada>());
    EXPECT_EQ(journalLines(*db, 7),
              QStringList({"101 SISTEMA PATRIMONIAL", "102 SISTEMA ECONOMICO", "102 D 491101 0.00 h203"}));
    EXPECT_EQ(journalLines(*db, 8), QStringList({"103 SISTEMA ORCAMENTARIO", "104 SISTEMA FINANCEIRO", "105 SISTEMA PATRIMONIAL",
                                                 "106 SISTEMA ECONOMICO", "106 C 491101 0.00 h209"}));
}

TEST(Despesa, ClassificationAccountsAndTheirWarnings)
{
    struct Case {
        const char *k, *account;
        bool warned;
    };
    for (const Case &c : {Case{"3.1", "421101", false}, Case{"3.3", "421103", false}, Case{"3.4", "421104", true},
                          Case{"4.4", "421204", false}, Case{"4.6", "421206", false}, Case{"4.1", "421201", true},
                          Case{"5.1", "5.1", false}, Case{"3", "3", false}}) {
        const QString k = QString::fromLatin1(c.k);
        EXPECT_EQ(DespesaCategory::classificationAccount(k), QString::fromLatin1(c.account)) << c.k;
        EXPECT_EQ(!DespesaCategory::classificationWarning(k).isEmpty(), c.warned) << c.k;
    }
    EXPECT_EQ(DespesaCategory::classificationWarning(QStringLiteral("4.1")),
              QStringLiteral("A classificação 4.1 esta incorreta! Não pode existir a composição da categoria 4 com o grupo de "
                             "despesa 1. Favor corrigir a classificação das fichas da despesa!"));
}

TEST(Despesa, AnUnmappableClassificationIsPostedWithoutAccountAndNamed)
{
    auto db = withAllocation();
    SuiteRows(*db)
        .commitment(1, 1, QStringLiteral("100"), march, QStringLiteral("4.1"), QStringLiteral("001"), QStringLiteral("002"))
        .commitment(2, 1, QStringLiteral("25"), march, QStringLiteral("5.1"), QStringLiteral("001"), QStringLiteral("002"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_empenhada>());
    const QStringList lines = journalLines(*db, 7);
    EXPECT_EQ(lines.mid(lines.size() - 2), QStringList({"104 C 421201 100.00 h201", "104 C - 25.00 h201"}));
    ASSERT_EQ(h.ui.said.size(), 2);
    EXPECT_EQ(h.ui.said[0].caption, QStringLiteral("Atenção"));
    EXPECT_TRUE(h.ui.said[0].text.startsWith(QStringLiteral("A classificação 4.1 esta incorreta!")));
    EXPECT_EQ(h.ui.said[1].caption, QStringLiteral("Erro de lançamento"));
    EXPECT_TRUE(h.ui.said[1].text.startsWith(QStringLiteral("O código 5.1 não foi encontrado")));
}

TEST(Despesa, RdCommitmentsAreLeftOutOfTheSumsButNotOfTheLists)
{
    auto db = withAllocation();
    SuiteRows(*db)
        .rd(QStringLiteral("F"))
        .commitment(1, 1, QStringLiteral("100"), march, QStringLiteral("3.3"), QStringLiteral("001"), QStringLiteral("002"))
        .commitment(2, 1, QStringLiteral("50"), march, QStringLiteral("3.1"), QStringLiteral("001"), QStringLiteral("002"),
                    QStringLiteral("RD"))
        .commitment(3, 1, QStringLiteral("30"), march, QStringLiteral("3.1"), QStringLiteral("001"), QStringLiteral("002"),
                    QStringLiteral("OR"), 2);
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_empenhada>());
    EXPECT_EQ(journalLines(*db, 7), QStringList({"101 SISTEMA ORCAMENTARIO", "101 D 131101 100.00 h201",
                                                 "101 C 163101 100.00 h201", "102 SISTEMA FINANCEIRO",
                                                 "102 D 211104 100.00 h201", "102 C 242101 100.00 h202",
                                                 "103 SISTEMA PATRIMONIAL", "103 D 391101 100.00 h203",
                                                 "103 C 325101 100.00 h202", "104 SISTEMA ECONOMICO",
                                                 "104 D 491101 100.00 h203", "104 C 421103 100.00 h201"}));

    // Without the parameter every commitment counts.
    SuiteRows(*db).rd(QStringLiteral("T"));
    CategoryHarness again(*db, 3);
    ASSERT_TRUE(again.run<Despesa_empenhada>());
    EXPECT_TRUE(journalLines(*db, 7).contains("101 D 131101 180.00 h201"));
}

TEST(Despesa, FunctionsAndClassificationsGetALineEach)
{
    auto db = withAllocation();
    SuiteRows(*db)
        .allocation(2, QStringLiteral("08"), QStringLiteral("100"), QStringLiteral("001"), QStringLiteral("002"))
        .commitment(1, 1, QStringLiteral("100"), march, QStringLiteral("3.3"), QStringLiteral("001"), QStringLiteral("002"))
        .commitment(2, 2, QStringLiteral("40.50"), march, QStringLiteral("4.4"), QStringLiteral("001"), QStringLiteral("002"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_empenhada>());
    const QStringList lines = journalLines(*db, 7);
    EXPECT_EQ(lines.mid(3, 4), QStringList({"102 SISTEMA FINANCEIRO", "102 D 211104 100.00 h201", "102 D 211108 40.50 h201",
                                            "102 C 242101 140.50 h202"}));
    EXPECT_EQ(lines.mid(lines.size() - 3),
              QStringList({"104 D 491101 140.50 h203", "104 C 421103 100.00 h201", "104 C 421204 40.50 h201"}));
}

TEST(Despesa, AnApostropheInTheLinkReachesTheStatementsEscaped)
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .allocation(1, QStringLiteral("04"), QStringLiteral("5000"), QStringLiteral("A'B"), QStringLiteral("'"))
        .commitment(1, 1, QStringLiteral("100"), march, QStringLiteral("3.3"), QStringLiteral("A'B"), QStringLiteral("'"));
    CategoryHarness h(*db, 3);
    ASSERT_TRUE(h.run<Despesa_empenhada>());
    EXPECT_EQ(journalLines(*db, 7).size(), 12);
}
