#include "TestDatabase.h"
#include "data/ConnectionTest.h"
#include "data/DataModule.h"
#include "data/Database.h"
#include "data/DatabaseCreator.h"
#include "data/PathResolver.h"
#include "data/ScriptedInteraction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(DIARIO_BINARY_DIR "/src/cli/diario-cli"), args);
    CliRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    r.err = QString::fromUtf8(p.readAllStandardError()).trimmed();
    return r;
}

// A year's directory the server, running as its own user, can write in.
void makeYearDirectory(const QString &path)
{
    ASSERT_TRUE(QDir().mkpath(path));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                    QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                    QFileDevice::WriteOther | QFileDevice::ExeOther);
}

} // namespace

// scripts/test.sh starts a Firebird server on 127.0.0.1 with the suite's user and
// tells where through DIARIO_FB_SERVER (the `Servidor` value) and
// DIARIO_FB_SERVER_DIR (a directory the server may write in).
TEST(ServerMode, CreatesAndOpensTheYearsDatabaseThroughTheServer)
{
    const QString server = qEnvironmentVariable("DIARIO_FB_SERVER");
    const QString data = qEnvironmentVariable("DIARIO_FB_SERVER_DIR");
    if (server.isEmpty() || data.isEmpty())
        GTEST_SKIP() << "DIARIO_FB_SERVER is not set: run scripts/test.sh, which starts a Firebird server for this test";
    TestDatabase::workDir(); // this process's own lock directory, before any connection

    const QString root = data + QStringLiteral("/zolv_8/");
    makeYearDirectory(root + QStringLiteral("ARQ2009"));
    makeYearDirectory(root + QStringLiteral("ARQ2008"));
    const QString ini = TestDatabase::workDir() + QStringLiteral("/server-Zolv.ini");
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QStringLiteral("[ZOLV]\nano=2009\nServidor=%1\nSO_Servidor=LINUX\nCaminho_Base_Dados=%2\nDiretorio_Servidor=%2\n")
                    .arg(server, root)
                    .toUtf8());
    }

    // The command line creates the year's database through the server.
    const CliRun created = cli({QStringLiteral("--ini"), ini, QStringLiteral("create-db")});
    ASSERT_EQ(created.status, 0) << created.err.toStdString();
    EXPECT_EQ(created.out, server + u':' + root + QStringLiteral("ARQ2009/ZOLV2009.FDB"));
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("ARQ2009/ZOLV2009.FDB")));
    const CliRun again = cli({QStringLiteral("--ini"), ini, QStringLiteral("create-db")});
    EXPECT_EQ(again.status, 1) << again.out.toStdString();

    // The program's own start-up reaches it over the network with the suite's user.
    ScriptedInteraction ui;
    auto dm = DataModule::open(ini, ui);
    ASSERT_NE(dm, nullptr) << ui.texts().join(u'\n').toStdString();
    Database &db = dm->database();
    EXPECT_EQ(db.name(), created.out);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT TRIM(MON$REMOTE_PROTOCOL) FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = CURRENT_CONNECTION"))
                  .toString(),
              QStringLiteral("TCPv4"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT TRIM(CURRENT_USER) FROM RDB$DATABASE")).toString(), QStringLiteral("QORZOLV8"));
    EXPECT_TRUE(db.columnExists(QStringLiteral("CONDIA"), QStringLiteral("AUTOMA")));
    JournalRow row;
    row.balco = QStringLiteral("111101");
    row.discri = QStringLiteral("PELO SERVIDOR");
    dm->journal().open();
    dm->journal().insert(row);
    EXPECT_EQ(dm->journal().applyUpdates(ui), 1);
    dm.reset();

    const CliRun info = cli({QStringLiteral("--ini"), ini, QStringLiteral("info")});
    EXPECT_EQ(info.status, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("Exercício: 2009")) && info.out.contains(QStringLiteral("Lançamentos no diário: 1")))
        << info.out.toStdString();

    // The previous year's database, as the opening reaches it: created on the
    // server-side name BA, found by the connection test through DA.
    const PathResolver resolver(ini);
    DatabaseCreator::create(resolver.resolve(QStringLiteral("BA")) + QStringLiteral("ZOLV2008.FDB"));
    EXPECT_TRUE(QFileInfo::exists(resolver.resolve(QStringLiteral("DA")) + QStringLiteral("ZOLV2008.FDB")));
    EXPECT_TRUE(ConnectionTest::run(resolver, QStringLiteral("ZOLV2008.FDB"), QStringLiteral("DA")));
    EXPECT_FALSE(ConnectionTest::run(resolver, QStringLiteral("ZOLV2008.FDB"), QStringLiteral("D")));
    EXPECT_TRUE(ConnectionTest::run(resolver, QStringLiteral("ZOLV2009.FDB"), QStringLiteral("D")));
}
