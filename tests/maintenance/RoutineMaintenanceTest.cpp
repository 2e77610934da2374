#include "TestDatabase.h"
#include "data/JournalStore.h"
#include "data/ScriptedInteraction.h"
#include "data/TransactionGuard.h"
#include "maintenance/EntryEditor.h"
#include "maintenance/MaintenanceFilter.h"
#include "maintenance/RoutineMaintenance.h"
#include "master/JournalRecord.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<Database> journal()
{
    auto db = TestDatabase::fresh(QStringLiteral("routine"));
    TransactionGuard tx(*db);
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES ('111101','1','RECEITA TRIBUTARIA','D')"));
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES ('211101','2','BANCOS','D')"));
    db->exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO) VALUES ('001', '001')"));
    const std::vector<std::tuple<const char *, int, int, const char *>> rows{
        {"111101", 2, 1, "X"}, {"111101", 7, 2, nullptr}, {"211101", 9, 3, nullptr}};
    for (const auto &[balco, ie, seq, tipo] : rows)
        db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA,BALCO,TITCO,DATAE,DEBIT,CREDI,SALDO,IE,IMP,SEQ,TIPO,VINGRUPO,VINCODIGO) "
                                "VALUES (0,?,'CONTA',?,10,0,99,?,'100',?,?,'001','001')"),
                 {QString::fromUtf8(balco), QDate(2008, 3, 31).startOfDay(), ie, seq,
                  tipo ? QVariant(QString::fromUtf8(tipo)) : QVariant(QMetaType(QMetaType::QString))});
    tx.commit();
    return db;
}

JournalRow rowWithSeq(Database &db, int seq)
{
    QSqlQuery q = db.query(MaintenanceFilter::gridQuery(QStringLiteral("SEQ=%1").arg(seq)));
    if (!q.next())
        return {};
    return JournalRecord::read(q.record());
}

} // namespace

TEST(RoutineMaintenance, IncluirNeedsAJournalAndStartsAManualRow)
{
    auto empty = TestDatabase::fresh(QStringLiteral("empty"));
    JournalStore emptyJournal(*empty);
    emptyJournal.open();
    ScriptedInteraction ui;
    EXPECT_FALSE(RoutineMaintenance(*empty, emptyJournal, ui).incluir());
    EXPECT_EQ(ui.texts(), QStringList{RoutineMaintenance::emptyJournalText()});

    auto db = journal();
    JournalStore store(*db);
    store.open();
    const auto row = RoutineMaintenance(*db, store, ui).incluir();
    ASSERT_TRUE(row);
    EXPECT_EQ(row->vingrupo + row->vincodigo, QStringLiteral("001001"));
    EXPECT_EQ(row->seq, 4);
    EXPECT_FALSE(store.hasPendingChanges());
}

TEST(RoutineMaintenance, OpeningEntriesCannotBeChangedHereButCanBeDeleted)
{
    auto db = journal();
    JournalStore store(*db);
    store.open();
    ScriptedInteraction ui;
    RoutineMaintenance maintenance(*db, store, ui);
    const JournalRow opening = rowWithSeq(*db, 1);
    EXPECT_FALSE(maintenance.alterar(opening));
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_EQ(ui.said[0].caption, QStringLiteral("Atenção"));
    EXPECT_EQ(ui.said[0].text, RoutineMaintenance::openingEntryText());
    EXPECT_TRUE(maintenance.alterar(rowWithSeq(*db, 2)));

    // Only Yes deletes; the default is No.
    EXPECT_FALSE(maintenance.eliminar(opening));
    EXPECT_EQ(ui.said.last().caption, QStringLiteral("Confirma a Exclusão?"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA")).toInt(), 3);
    ui.answers.push_back(Interaction::Button::Yes);
    EXPECT_TRUE(maintenance.eliminar(opening));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 2")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA")).toInt(), 2);
}

TEST(RoutineMaintenance, OrganizarTellsHowTheRenumberingEnded)
{
    auto db = journal();
    JournalStore store(*db);
    ScriptedInteraction ui;
    int lastOverall = 0;
    EXPECT_TRUE(RoutineMaintenance(*db, store, ui).organizar([&](int, int, int overall) { lastOverall = overall; }));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Reorganização efetuada com sucesso!")});
    EXPECT_EQ(lastOverall, 100);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE BALCO IS NULL")).toInt(), 3);
}

TEST(EntryEditorSave, ANewEntryIsWrittenWithItsDerivedValues)
{
    auto db = journal();
    JournalStore store(*db);
    store.open();
    ScriptedInteraction ui;
    RoutineMaintenance maintenance(*db, store, ui);
    EntryEditor editor(*db, ui, EntryEditor::Mode::Inclusao, *maintenance.incluir());
    EntryEditor::Input in = editor.input();
    in.balco = QStringLiteral("211101");
    in.datae = QDate(2008, 6, 3);
    in.credit = QStringLiteral("12,34");
    ASSERT_FALSE(editor.ok(in));
    editor.save(store);
    EXPECT_TRUE(ui.said.isEmpty());
    EXPECT_FALSE(store.hasPendingChanges());
    QSqlQuery q = db->query(QStringLiteral("SELECT SEQUENCIA, IE, IMP, SEQ, DATAE, CREDI, DEBIT, TITCO FROM CONDIA WHERE IE = 33"));
    ASSERT_TRUE(q.next());
    EXPECT_GT(q.value(0).toDouble(), 0);
    EXPECT_EQ(q.value(2).toString(), QStringLiteral("401"));
    EXPECT_EQ(q.value(3).toInt(), 1);
    EXPECT_EQ(q.value(4).toDate(), QDate(2008, 6, 30));
    EXPECT_EQ(Money::fromVariant(q.value(5), 2), Money::fromCents(1234));
    EXPECT_EQ(Money::fromVariant(q.value(6), 2), Money());
    EXPECT_EQ(q.value(7).toString(), QStringLiteral("BANCOS"));
}

TEST(EntryEditorSave, AChangeWritesWhatChangedAndCancelDropsEverythingPending)
{
    auto db = journal();
    JournalStore store(*db);
    store.open();
    ScriptedInteraction ui;
    const JournalRow original = rowWithSeq(*db, 2);
    {
        EntryEditor editor(*db, ui, EntryEditor::Mode::Alteracao, original);
        EntryEditor::Input in = editor.input();
        in.discri = QStringLiteral("CORRIGIDO");
        ASSERT_FALSE(editor.ok(in));
        editor.save(store);
    }
    JournalRow after = rowWithSeq(*db, 2);
    EXPECT_EQ(after.discri, QStringLiteral("CORRIGIDO"));
    EXPECT_EQ(after.saldo, Money::fromCents(9900));
    EXPECT_EQ(after.ie, 7);

    EntryEditor editor(*db, ui, EntryEditor::Mode::Alteracao, after);
    EntryEditor::Input in = editor.input();
    in.discri = QStringLiteral("DESISTIU");
    ASSERT_FALSE(editor.ok(in));
    store.change(after, editor.row());
    EntryEditor::cancel(store);
    EXPECT_FALSE(store.hasPendingChanges());
    EXPECT_EQ(rowWithSeq(*db, 2).discri, QStringLiteral("CORRIGIDO"));
}
