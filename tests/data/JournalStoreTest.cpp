#include "TestDatabase.h"
#include "data/JournalStore.h"
#include "data/JournalWriter.h"
#include "data/Schema.h"
#include "data/ScriptedInteraction.h"
#include "data/TransactionGuard.h"

#include <gtest/gtest.h>

namespace {

struct Line {
    const char *balco; // nullptr: a system header row
    const char *date;
    int ie;
    const char *imp;
    const char *vingrupo;
    int seq;
};

class JournalStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = TestDatabase::fresh();
        Schema::upgrade(*db);
        db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, D_C, TITCO) VALUES ('111101', '1', 'D', 'CAIXA')"));
        db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, D_C, TITCO) VALUES ('212101', '2', 'C', 'CREDORES')"));
    }

    void post(const Line &l, const QString &discri = QStringLiteral("texto"))
    {
        db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, DATAE, IE, IMP, VINGRUPO, VINCODIGO, SEQ, DISCRI, HISTO, AUTOMA) "
                                "VALUES (0, ?, ?, ?, ?, ?, '001', ?, ?, 7, 3)"),
                 {l.balco ? QVariant(QString::fromLatin1(l.balco)) : QVariant(QMetaType(QMetaType::QString)),
                  QDate::fromString(QString::fromLatin1(l.date), QStringLiteral("dd/MM/yyyy")).startOfDay(), l.ie,
                  QString::fromLatin1(l.imp), QString::fromLatin1(l.vingrupo), l.seq, discri});
    }

    JournalRow bySeq(qint64 seq)
    {
        for (const JournalRow &r : store().readAll())
            if (r.seq == seq)
                return r;
        ADD_FAILURE() << "no row with SEQ " << seq;
        return {};
    }

    JournalStore &store()
    {
        if (!m_store) {
            m_store = std::make_unique<JournalStore>(*db);
            m_store->open();
        }
        return *m_store;
    }

    std::unique_ptr<Database> db;
    ScriptedInteraction ui;

private:
    std::unique_ptr<JournalStore> m_store;
};

} // namespace

TEST(JournalQuery, IsTheSuiteTextWithItsLineBreaks)
{
    const QStringList lines = JournalStore::Query.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("SELECT CONDIA.*,CAST(CONPLA.D_C AS VARCHAR(1) ) AS D_C  FROM CONDIA"));
    EXPECT_EQ(lines[4], QStringLiteral("SELECT CONDIA.*,CAST('T' AS VARCHAR(1))  FROM CONDIA"));
    EXPECT_EQ(lines[5], QStringLiteral("WHERE CONDIA.BALCO IS NULL"));
    EXPECT_TRUE(lines[6].isEmpty() && lines[7].isEmpty());
}

// Rows are inserted out of order, their SEQ in reverse of the journal order, and
// must come back sorted by date, kind, block as a number, link, header before
// debit before credit, account. Each row's DISCRI holds its expected position.
TEST_F(JournalStoreTest, ReadsTheJournalInJournalOrderWithNatureAndLabel)
{
    const Line lines[] = {
        {"212101", "31/03/2008", 7, "100", "001", 6},
        {"111101", "31/03/2008", 7, "100", "001", 5},
        {nullptr, "31/03/2008", 7, "100", "001", 3},
        {"999999", "31/03/2008", 7, "100", "001", 4}, // not in the chart: nature "T", before the debits
        {"111101", "31/03/2008", 7, "99", "001", 2},   // block 99 before block 100 although "99" > "100" as text
        {"111101", "31/03/2008", 7, "100", "002", 7},
        {"111101", "31/03/2008", 33, "1", "001", 8},
        {"212101", "31/03/2008", 4, "100", "001", 1}, // kind 4 before kind 7
        {"111101", "01/04/2008", 1, "1", "001", 9},
        {"111101", "28/02/2008", 9, "100", "001", 0},
    };
    for (Line l : lines) {
        const int position = l.seq;
        l.seq = 100 - position;
        post(l, QString::number(position));
    }

    const std::vector<JournalRow> rows = store().readAll();
    ASSERT_EQ(rows.size(), std::size(lines));
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].discri, QString::number(i)) << "position " << i;

    EXPECT_TRUE(rows[3].isHeader());
    EXPECT_EQ(rows[3].d_c, QStringLiteral("T"));
    EXPECT_EQ(rows[4].d_c, QStringLiteral("T"));
    EXPECT_EQ(rows[5].d_c, QStringLiteral("D"));
    EXPECT_EQ(rows[6].d_c, QStringLiteral("C"));
    EXPECT_EQ(JournalStore::label(rows[8]), QStringLiteral("Lançamento Manual pelo usuário"));
    EXPECT_EQ(JournalStore::label(rows[1]), QString());
    EXPECT_EQ(JournalStore::label(rows[5]), QStringLiteral("Lançamento de Despesa Empenhada"));
    EXPECT_EQ(rows[5].automa, 3);
    EXPECT_EQ(rows[5].histo, 7);

    // The database orders the same way, a range at a time.
    std::vector<JournalRow> paged;
    for (qint64 first = 0; first < store().rowCount(); first += 3)
        for (JournalRow &r : store().readRange(first, 3))
            paged.push_back(r);
    ASSERT_EQ(paged.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(paged[i].discri, QString::number(i)) << "position " << i;
        EXPECT_EQ(paged[i].d_c, rows[i].d_c) << "position " << i;
    }
}

TEST_F(JournalStoreTest, NewRowsContinueTheLineCounterAndGetTheirKeyWhenWritten)
{
    {
        TransactionGuard tx(*db);
        for (int i = 0; i < 120; ++i)
            post({"111101", "31/03/2008", 7, "100", "001", i + 1});
        tx.commit();
    }
    std::vector<JournalRow> added;
    for (int i = 0; i < 3; ++i) {
        JournalRow r;
        r.balco = QStringLiteral("212101");
        r.datae = QDate(2008, 3, 31);
        r.ie = 33;
        r.sequencia = 99; // whatever the window had, the database decides
        added.push_back(store().insert(r));
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(added[size_t(i)].seq, 121 + i);
        EXPECT_EQ(added[size_t(i)].sequencia, 0);
    }
    EXPECT_EQ(store().applyUpdates(ui), 3);
    EXPECT_TRUE(ui.said.isEmpty());
    EXPECT_FALSE(store().hasPendingChanges());

    QSet<double> keys;
    for (const JournalRow &r : store().readAll()) {
        EXPECT_GT(r.sequencia, 0);
        keys.insert(r.sequencia);
    }
    EXPECT_EQ(keys.size(), 123);
    EXPECT_EQ(bySeq(122).d_c, QStringLiteral("C"));
    store().open();
    EXPECT_EQ(store().lineCounter(), 123);
}

TEST_F(JournalStoreTest, AChangeFindsItsRowByKeyAloneAndWritesOnlyTheChangedColumns)
{
    post({"111101", "31/03/2008", 7, "100", "001", 1});
    post({"111101", "31/03/2008", 7, "100", "001", 2});
    const JournalRow original = bySeq(1);
    JournalRow changed = original;
    changed.discri = QStringLiteral("PAGAMENTO D'ÁGUA");
    changed.d_c = QStringLiteral("X");  // joined, never written
    changed.automa = 99;                // not part of the dataset
    store().change(original, changed);

    // Meanwhile another workstation changes other columns of the same row.
    db->exec(QStringLiteral("UPDATE CONDIA SET HISTO = 8, TITCO = 'OUTRO' WHERE SEQ = 1"));

    EXPECT_EQ(store().applyUpdates(ui), 1);
    EXPECT_TRUE(ui.said.isEmpty());
    const JournalRow after = bySeq(1);
    EXPECT_EQ(after.discri, QStringLiteral("PAGAMENTO D'ÁGUA"));
    EXPECT_EQ(after.histo, 8);
    EXPECT_EQ(after.titco, QStringLiteral("OUTRO"));
    EXPECT_EQ(after.automa, 3);
    EXPECT_EQ(after.d_c, QStringLiteral("D"));
    EXPECT_EQ(bySeq(2).discri, QStringLiteral("texto"));
}

TEST_F(JournalStoreTest, ARefusedRowIsToldAndKeptWhileTheOthersAreWritten)
{
    for (int seq : {1, 2, 3, 4})
        post({"111101", "31/03/2008", 7, "100", "001", seq});
    JournalRow r1 = bySeq(1), r2 = bySeq(2), r3 = bySeq(3), r4 = bySeq(4);
    JournalRow c1 = r1, c2 = r2;
    c1.discri = QStringLiteral("novo");
    c2.balco = QStringLiteral("1111019"); // longer than the column
    store().change(r1, c1);
    store().change(r2, c2);
    store().remove(r3);
    store().remove(r4);
    JournalRow added;
    added.balco = QStringLiteral("212101");
    store().insert(added);
    db->exec(QStringLiteral("DELETE FROM CONDIA WHERE SEQ = 4")); // another workstation was faster

    EXPECT_EQ(store().applyUpdates(ui), 3);
    ASSERT_EQ(ui.said.size(), 2);
    const QString refused = ui.said[0].text;
    EXPECT_EQ(ui.said[0].caption, QStringLiteral("Atenção"));
    const QString prefix = QStringLiteral("Atenção: O seguinte erro ocorreu: \r\r");
    const QString suffix = QStringLiteral("\r\rOperação Cancelada !!!");
    ASSERT_TRUE(refused.startsWith(prefix) && refused.endsWith(suffix)) << refused.toStdString();
    const QString driverText = refused.mid(prefix.size(), refused.size() - prefix.size() - suffix.size());
    EXPECT_TRUE(driverText.contains(QStringLiteral("truncation"))) << driverText.toStdString();
    EXPECT_EQ(refused, JournalWriter::refusalMessage(driverText));
    EXPECT_EQ(ui.said[1].text, JournalWriter::refusalMessage(KeyedUpdates::rowGoneText()));

    EXPECT_EQ(bySeq(1).discri, QStringLiteral("novo"));
    EXPECT_EQ(bySeq(2).balco, QStringLiteral("111101"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE SEQ = 3")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE BALCO = '212101'")).toInt(), 1);
    EXPECT_TRUE(store().hasPendingChanges());
    EXPECT_TRUE(store().pendingInserts().empty());

    // The refused rows stay pending and are sent again with the next write.
    ui.said.clear();
    EXPECT_EQ(store().applyUpdates(ui), 0);
    EXPECT_EQ(ui.said.size(), 2);
    store().cancelUpdates();
    EXPECT_FALSE(store().hasPendingChanges());
}

TEST_F(JournalStoreTest, EditingANewRowBeforeItIsWrittenChangesWhatIsInserted)
{
    JournalRow r;
    r.balco = QStringLiteral("111101");
    r.discri = QStringLiteral("primeiro");
    const JournalRow kept = store().insert(r);
    const JournalRow dropped = store().insert(r);
    JournalRow edited = kept;
    edited.discri = QStringLiteral("corrigido");
    store().change(kept, edited);
    store().remove(dropped);
    EXPECT_EQ(store().applyUpdates(ui), 1);
    const std::vector<JournalRow> rows = store().readAll();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].discri, QStringLiteral("corrigido"));
    EXPECT_EQ(rows[0].seq, 1);
}
