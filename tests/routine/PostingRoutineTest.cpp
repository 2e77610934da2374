#include "CategoryHarness.h"

#include <gtest/gtest.h>

namespace {

const QString advice = QStringLiteral(
    "Para evitar erros, faça novamente o lançamento inicial \"corrigir codigos pendentes do plano de contas\" ou cadastre essa conta!");

} // namespace

TEST(PostingRoutine, ALineTakesTitleHistoryDateBlockAndTheNamedColumn)
{
    auto db = seededDatabase();
    SuiteRows(*db).account(QStringLiteral("111199"), QStringLiteral("Uma conta de título bem mais longo que trinta"));
    CategoryHarness h(*db, 2);
    h.routine.setBlock(123);
    h.routine.Salva_condia(QStringLiteral("001"), QStringLiteral("002"), QStringLiteral("111199"), 201, QStringLiteral("DEBIT"),
                           7, Money::fromCents(12345));
    h.routine.Salva_condia({}, {}, QStringLiteral("131101"), 999, QStringLiteral("Credi"), 7, Money::fromCents(-5));
    h.routine.salva_condia_HIST(QStringLiteral("001"), {}, QStringLiteral("131101"), QStringLiteral("credi"), 9, Money(),
                                QString(200, u'x'));
    EXPECT_EQ(h.writer.pending()[0].seq, 2);
    EXPECT_EQ(h.writer.pending()[2].seq, 4);
    h.writer.flush(h.ui);
    EXPECT_TRUE(h.ui.said.isEmpty());

    QSqlQuery q = db->query(QStringLiteral("SELECT BALCO, TITCO, DATAE, HISTO, DISCRI, DEBIT, CREDI, IE, IMP, VINGRUPO, VINCODIGO, "
                                           "SALDO, TIPO, SEQUENCIA FROM CONDIA WHERE SEQ > 1 ORDER BY SEQ"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("Uma conta de título bem mais l"));
    EXPECT_EQ(q.value(2).toDate(), QDate(2008, 2, 29));
    EXPECT_EQ(q.value(3).toInt(), 201);
    EXPECT_EQ(q.value(4).toString(), QStringLiteral("Histórico 201"));
    EXPECT_EQ(Money::fromVariant(q.value(5), 2), Money::fromCents(12345));
    EXPECT_TRUE(q.value(6).isNull());
    EXPECT_EQ(q.value(7).toInt(), 7);
    EXPECT_EQ(q.value(8).toString(), QStringLiteral("123"));
    EXPECT_EQ(q.value(9).toString(), QStringLiteral("001"));
    EXPECT_EQ(q.value(10).toString(), QStringLiteral("002"));
    EXPECT_TRUE(q.value(11).isNull());
    EXPECT_TRUE(q.value(12).isNull());
    EXPECT_GT(q.value(13).toDouble(), 0);

    // An unknown history leaves HISTO and DISCRI empty; a negative amount is written as it is.
    ASSERT_TRUE(q.next());
    EXPECT_TRUE(q.value(3).isNull());
    EXPECT_TRUE(q.value(4).isNull());
    EXPECT_EQ(Money::fromVariant(q.value(6), 2), Money::fromCents(-5));
    EXPECT_TRUE(q.value(9).isNull());

    // The text form: DISCRI cut to its column, no history; a zero amount is still written.
    ASSERT_TRUE(q.next());
    EXPECT_TRUE(q.value(3).isNull());
    EXPECT_EQ(q.value(4).toString(), QString(180, u'x'));
    EXPECT_TRUE(Money::fromVariant(q.value(6), 2).isZero());
    EXPECT_FALSE(q.value(6).isNull());
    EXPECT_EQ(q.value(9).toString(), QStringLiteral("001"));
    EXPECT_TRUE(q.value(10).isNull());
}

TEST(PostingRoutine, AnAccountMissingFromTheChartIsToldAndTheLineKeepsItsAmount)
{
    auto db = seededDatabase();
    CategoryHarness h(*db, 3);
    h.routine.Salva_condia({}, {}, QStringLiteral("999999"), 201, QStringLiteral("debit"), 7, Money::fromCents(100));
    h.routine.salva_condia_HIST({}, {}, QStringLiteral("888888"), QStringLiteral("credi"), 7, Money::fromCents(200),
                                QStringLiteral("texto"));
    h.writer.flush(h.ui);
    ASSERT_EQ(h.ui.said.size(), 2);
    EXPECT_EQ(h.ui.said[0].caption, QStringLiteral("Erro de lançamento"));
    EXPECT_EQ(h.ui.said[0].icon, Interaction::Icon::Warning);
    EXPECT_EQ(h.ui.said[0].text,
              QStringLiteral("O código 999999 não foi encontrado para lançamento automático.! \r") + advice);
    EXPECT_EQ(h.ui.said[1].text, QStringLiteral("O código 888888 não foi encontrado para lançamento automático! ") + advice);
    EXPECT_EQ(journalLines(*db, 7), QStringList({"100 D - 1.00 h201", "100 C - 2.00 'texto'"}));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 7 AND TITCO IS NULL")).toInt(), 2);
}

TEST(PostingRoutine, HeaderRowsHaveTheSystemTitleAndNoAccountAmountsOrLink)
{
    auto db = seededDatabase();
    CategoryHarness h(*db, 3);
    for (int system = 1; system <= 4; ++system) {
        h.routine.raiseBlock();
        h.routine.header(16, system);
    }
    h.writer.flush(h.ui);
    EXPECT_EQ(journalLines(*db, 16), QStringList({"101 SISTEMA ORCAMENTARIO", "102 SISTEMA FINANCEIRO", "103 SISTEMA PATRIMONIAL",
                                                  "104 SISTEMA ECONOMICO"}));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 16 AND DATAE = '03/31/2008' AND BALCO IS NULL "
                                        "AND VINGRUPO IS NULL AND VINCODIGO IS NULL AND HISTO IS NULL AND DISCRI IS NULL"))
                  .toInt(),
              4);
}

TEST(PostingRoutine, BlockNumbersPastNineHundredNinetyNineKeepTheirOrder)
{
    auto db = seededDatabase();
    CategoryHarness h(*db, 3);
    h.routine.setBlock(998);
    for (int i = 0; i < 3; ++i) {
        h.routine.raiseBlock();
        h.routine.header(7, 1);
    }
    h.writer.flush(h.ui);
    EXPECT_TRUE(h.ui.said.isEmpty());
    QSqlQuery q = db->query(QStringLiteral("SELECT IMP FROM CONDIA WHERE IE = 7 ORDER BY CAST(IMP AS INTEGER)"));
    QStringList imps;
    while (q.next())
        imps << q.value(0).toString();
    EXPECT_EQ(imps, QStringList({"999", "1000", "1001"}));
}
