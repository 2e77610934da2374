#include "TestDatabase.h"
#include "data/ChartStore.h"
#include "data/ConnectionSetup.h"
#include "data/DataModule.h"
#include "data/Entity.h"
#include "data/HistoryStore.h"
#include "data/JournalWriter.h"
#include "data/ScriptedInteraction.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString text(const RecordStore::Row &row, const char *column)
{
    return KeyedUpdates::value(row, QString::fromLatin1(column)).toString().trimmed();
}

QStringList histories(Database &db)
{
    QStringList r;
    QSqlQuery q = db.query(QStringLiteral("SELECT HISTO, DISCRI FROM CONHIS ORDER BY HISTO"));
    while (q.next())
        r << q.value(0).toString() + u'=' + q.value(1).toString();
    return r;
}

} // namespace

TEST(HistoryStore, ANewHistoryGetsTheHighestCodePlusOneWhateverWasTyped)
{
    auto db = TestDatabase::fresh();
    HistoryStore store(*db);
    ScriptedInteraction ui;
    RecordStore::Row first = store.newHistory();
    EXPECT_EQ(KeyedUpdates::value(first, QStringLiteral("HISTO")).toInt(), 0);
    KeyedUpdates::setValue(first, QStringLiteral("DISCRI"), QStringLiteral("PRIMEIRO"));
    store.insert(first);
    EXPECT_EQ(store.applyUpdates(ui, KeyedUpdates::OnRefusal::Stop).written, 1);
    EXPECT_EQ(histories(*db), QStringList{QStringLiteral("1=PRIMEIRO")});

    db->exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (57, 'X')"));
    for (const char *typed : {"5", "0"}) {
        RecordStore::Row h = store.newHistory();
        KeyedUpdates::setValue(h, QStringLiteral("HISTO"), QString::fromLatin1(typed).toInt());
        KeyedUpdates::setValue(h, QStringLiteral("DISCRI"), QString::fromLatin1("DIGITADO ") + QString::fromLatin1(typed));
        store.insert(h);
    }
    EXPECT_EQ(store.applyUpdates(ui, KeyedUpdates::OnRefusal::Stop).written, 2);
    EXPECT_TRUE(ui.said.isEmpty());
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(histories(*db), (QStringList{QStringLiteral("1=PRIMEIRO"), QStringLiteral("57=X"), QStringLiteral("58=DIGITADO 5"),
                                           QStringLiteral("59=DIGITADO 0")}));
    const std::vector<RecordStore::Row> rows = store.readAll();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(text(rows[3], "HISTO"), QStringLiteral("59"));
}

TEST(ChartStore, ReadsInTypeNatureCodeOrderAndWritesBackByCode)
{
    auto db = TestDatabase::fresh();
    for (const char *row : {"'212101','2','C','CREDORES'", "'111102','1','D','BANCOS'", "'121101','1','C','RECEITA'",
                            "'111101','1','D','CAIXA'"})
        db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, D_C, TITCO) VALUES (%1)").arg(QString::fromLatin1(row)));
    ChartStore store(*db);
    std::vector<RecordStore::Row> rows = store.readAll();
    QStringList order;
    for (const auto &r : rows)
        order << text(r, "BALCO");
    EXPECT_EQ(order, (QStringList{QStringLiteral("121101"), QStringLiteral("111101"), QStringLiteral("111102"), QStringLiteral("212101")}));

    RecordStore::Row changed = rows[1];
    KeyedUpdates::setValue(changed, QStringLiteral("TITCO"), QStringLiteral("CAIXA GERAL"));
    KeyedUpdates::setValue(changed, QStringLiteral("SALDO"), QStringLiteral("0"));
    store.change(rows[1], changed);
    store.remove(rows[3]);
    RecordStore::Row added = store.newRow();
    KeyedUpdates::setValue(added, QStringLiteral("BALCO"), QStringLiteral("111102")); // exists: refused
    store.insert(added);
    RecordStore::Row tooLong = rows[0];
    KeyedUpdates::setValue(tooLong, QStringLiteral("TITCO"), QString(60, u'X'));
    store.change(rows[0], tooLong);

    ScriptedInteraction ui;
    const KeyedUpdates::Result r = store.applyUpdates(ui, KeyedUpdates::OnRefusal::Stop);
    EXPECT_EQ(r.written, 2);
    EXPECT_EQ(r.refused, 1);
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_TRUE(ui.said[0].text.startsWith(QStringLiteral("Atenção: O seguinte erro ocorreu: \r\r")));
    // After a refusal the window decides: the transaction is still open.
    EXPECT_TRUE(db->inTransaction());
    db->commit();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT TITCO FROM CONPLA WHERE BALCO='111101'")).toString(), QStringLiteral("CAIXA GERAL"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT SALDO FROM CONPLA WHERE BALCO='111101'")).toDouble(), 0.0);
    EXPECT_TRUE(db->scalar(QStringLiteral("SELECT SALDO FROM CONPLA WHERE BALCO='111102'")).isNull());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONPLA WHERE BALCO='212101'")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT TITCO FROM CONPLA WHERE BALCO='121101'")).toString(), QStringLiteral("RECEITA"));
    EXPECT_TRUE(store.hasPendingChanges()); // the refused insert and the change behind it

    ui.said.clear();
    store.cancelUpdates();
    EXPECT_EQ(store.applyUpdates(ui, KeyedUpdates::OnRefusal::SkipRow).written, 0);
    EXPECT_FALSE(db->inTransaction());
}

TEST(Entity, ReadsTheEntityRecordAndItsLogo)
{
    auto db = TestDatabase::fresh();
    EXPECT_TRUE(Entity::load(*db).clnt1.isEmpty());
    db->exec(QStringLiteral("INSERT INTO CADCLI (MEXER, CLNT1, ENDERE, CGC, RODAPE) VALUES ('2008', 'PREFEITURA DE SÃO JOÃO', "
                            "'RUA A, 1', '12.345.678/0001-90', 'Rodapé')"));
    const QByteArray picture("BM\x00\x01\xff", 5);
    db->exec(QStringLiteral("INSERT INTO LOGO (LOGO, MOSTRA) VALUES (?, 'S')"), {picture});
    const Entity e = Entity::load(*db);
    EXPECT_EQ(e.fiscalYear(), 2008);
    EXPECT_EQ(e.clnt1, QStringLiteral("PREFEITURA DE SÃO JOÃO"));
    EXPECT_EQ(e.endere, QStringLiteral("RUA A, 1"));
    EXPECT_EQ(e.cgc, QStringLiteral("12.345.678/0001-90"));
    EXPECT_EQ(e.rodape, QStringLiteral("Rodapé"));
    EXPECT_EQ(e.logo, picture);
    EXPECT_TRUE(e.showsLogo());
}

TEST(DataModule, OpensTheYearsDatabaseOrTellsWhyNot)
{
    TestDatabase::workDir(); // the engine's lock directory, before any connection
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    const QString ini = root + QStringLiteral("Zolv.ini");
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[ZOLV]\nano=2008\nCaminho_Base_Dados=%1\n").arg(root).toUtf8());
    f.close();

    ScriptedInteraction ui;
    EXPECT_EQ(DataModule::open(ini, ui), nullptr);
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_EQ(ui.said[0].text, ConnectionSetup::missingDatabaseMessage(QStringLiteral("ZOLV2008.FDB")));
    EXPECT_EQ(ui.said[0].caption, QStringLiteral("Erro na Base de Dados"));

    QDir().mkpath(root + QStringLiteral("ARQ2008"));
    ASSERT_TRUE(QFile::copy(TestDatabase::freshFile(), root + QStringLiteral("ARQ2008/ZOLV2008.FDB")));
    ui.said.clear();
    auto dm = DataModule::open(ini, ui);
    ASSERT_NE(dm, nullptr);
    EXPECT_TRUE(ui.said.isEmpty());
    EXPECT_TRUE(dm->database().columnExists(QStringLiteral("CONDIA"), QStringLiteral("AUTOMA")));
    JournalRow row;
    row.balco = QStringLiteral("111101");
    dm->journal().open();
    dm->journal().insert(row);
    EXPECT_EQ(dm->journal().applyUpdates(ui), 1);
    EXPECT_EQ(dm->journal().readAll().size(), 1u);
    EXPECT_TRUE(dm->chart().readAll().empty());
    EXPECT_TRUE(dm->histories().readAll().empty());
    EXPECT_TRUE(dm->entity().mexer.isEmpty());
}
