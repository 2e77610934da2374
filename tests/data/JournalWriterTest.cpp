#include "data/ScriptedInteraction.h"
#include "TestDatabase.h"
#include "data/JournalWriter.h"
#include "data/TransactionGuard.h"

#include <gtest/gtest.h>

namespace {

JournalRow line(const QString &balco, const char *debit)
{
    JournalRow r;
    r.balco = balco;
    r.datae = QDate(2008, 3, 31);
    r.debit = Money::fromDecimalText(QString::fromLatin1(debit));
    r.ie = 7;
    r.imp = QStringLiteral("100");
    return r;
}

} // namespace

TEST(JournalWriter, NewRowsContinueTheCountAndGetTheirKeyFromTheDatabase)
{
    auto db = TestDatabase::fresh();
    {
        TransactionGuard tx(*db);
        for (int i = 0; i < 120; ++i)
            db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, SEQ) VALUES (0, ?)"), {i + 1});
        tx.commit();
    }
    JournalWriter writer(*db);
    writer.resetCounter();
    for (const char *a : {"1.00", "2.00", "3.00"})
        writer.append(line(QStringLiteral("111101"), a));
    EXPECT_EQ(writer.pending()[0].seq, 121);
    EXPECT_EQ(writer.pending()[2].seq, 123);
    EXPECT_EQ(writer.pending()[1].sequencia, 0);

    ScriptedInteraction ui;
    EXPECT_EQ(writer.flush(ui), 3);
    EXPECT_TRUE(ui.said.isEmpty());
    QSqlQuery q = db->query(QStringLiteral("SELECT SEQ, SEQUENCIA, DEBIT, CREDI, SALDO FROM CONDIA WHERE SEQ > 120 ORDER BY SEQ"));
    QSet<double> keys;
    for (int expected : {121, 122, 123}) {
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), expected);
        EXPECT_GT(q.value(1).toDouble(), 120);
        keys.insert(q.value(1).toDouble());
        EXPECT_TRUE(q.value(3).isNull());
        EXPECT_TRUE(q.value(4).isNull());
    }
    EXPECT_EQ(keys.size(), 3);
}

TEST(JournalWriter, ARefusedRowIsToldSkippedAndKeptWhileTheOthersAreWritten)
{
    auto db = TestDatabase::fresh();
    JournalWriter writer(*db);
    writer.resetCounter();
    writer.append(line(QStringLiteral("111101"), "1.00"));
    writer.append(line(QStringLiteral("1111019"), "2.00")); // longer than the column
    writer.append(line(QStringLiteral("111102"), "3.00"));
    ScriptedInteraction ui;
    EXPECT_EQ(writer.flush(ui), 2);
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_TRUE(ui.said[0].text.startsWith(QStringLiteral("Atenção: O seguinte erro ocorreu: \r\r")));
    EXPECT_TRUE(ui.said[0].text.endsWith(QStringLiteral("\r\rOperação Cancelada !!!")));
    ASSERT_EQ(writer.pending().size(), 1u);
    EXPECT_EQ(writer.pending()[0].balco, QStringLiteral("1111019"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA")).toInt(), 2);
}
