#include "TestDatabase.h"
#include "data/ConnectionSetup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString err;
};

// The program as the suite starts it, with its boxes written to stderr.
class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        writeIni(QStringLiteral("2008"));
    }

    void writeIni(const QString &year)
    {
        QFile ini(dir.filePath(QStringLiteral("Zolv.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(QStringLiteral("[ZOLV]\nano=%1\nCaminho_Base_Dados=%2/dados/\n").arg(year, dir.path()).toUtf8());
    }

    Outcome run(const QStringList &args, const QMap<QString, QString> &extraEnv = {})
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DIARIO_BOXES_TO_STDERR"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const QString lock = TestDatabase::workDir() + QStringLiteral("/startup-lock");
        QDir().mkpath(lock);
        env.insert(QStringLiteral("FIREBIRD_LOCK"), lock);
        for (auto it = extraEnv.begin(); it != extraEnv.end(); ++it)
            env.insert(it.key(), it.value());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(DIARIO_EXE), QStringList{QStringLiteral("--ini"), dir.filePath(QStringLiteral("Zolv.ini"))} + args);
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardError())};
    }

    QStringList contents() const
    {
        QStringList files;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next().mid(dir.path().size());
        files.sort();
        return files;
    }

    static QString box(const QString &text)
    {
        return QStringLiteral("[Erro na Base de Dados] (error) ") + text + u'\n';
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Startup, MissingEngineShowsItsBoxAndEndsWithNothingCreated)
{
    const QStringList before = contents();
    const Outcome r = run({}, {{QStringLiteral("FIREBIRD"), QStringLiteral("/nonexistent")}});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.exitCode, -1) << "the program did not end by itself";
    EXPECT_TRUE(r.err.contains(box(ConnectionSetup::missingDriverMessage(QStringLiteral("libEngine12.so"))))) << qPrintable(r.err);
    EXPECT_EQ(contents(), before);
}

TEST_F(Startup, MissingDatabaseShowsItsBoxAndEndsWithNothingCreated)
{
    writeIni(QStringLiteral("2031"));
    const QStringList before = contents();
    const Outcome r = run({});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.exitCode, -1) << "the program did not end by itself";
    EXPECT_TRUE(r.err.contains(
        box(QStringLiteral("Base de Dados do sistema não encontrada ZOLV2031.FDB!!! O Sistema será finalizado."))))
        << qPrintable(r.err);
    EXPECT_EQ(contents(), before);
}

TEST_F(Startup, UnknownOptionIsABadUsage)
{
    const Outcome r = run({QStringLiteral("--nada")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Opção desconhecida: --nada")));
}

TEST_F(Startup, ShotsOpenTheProgramOnTheConfiguredDatabaseAndSaveItsWindows)
{
    const QString yearDir = dir.filePath(QStringLiteral("dados/ARQ2008"));
    ASSERT_TRUE(QDir().mkpath(yearDir));
    ASSERT_TRUE(QFile::rename(TestDatabase::freshFile(QStringLiteral("shots")), yearDir + QStringLiteral("/ZOLV2008.FDB")));
    const QString shots = dir.filePath(QStringLiteral("shots"));
    const Outcome r = run({QStringLiteral("--shots"), shots});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.err);
    for (const char *name : {"TFrmPrincipalVelqa8", "TForm1", "TFrmPrincipalVelqa8_LanamentoRotina1",
                             "TFrmPrincipalVelqa8_PopupMenu1", "TFrmPrincipalVelqa8_grpLancRotina"})
        EXPECT_TRUE(QFile::exists(shots + u'/' + QLatin1String(name) + QStringLiteral(".png"))) << name;
}
