#include "TestDatabase.h"
#include "app/DesktopCalculator.h"
#include "app/EntityName.h"
#include "app/MainCaption.h"
#include "app/PackageInfo.h"
#include "app/StartupOptions.h"
#include "data/CommonRoutines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

TEST(StartupOptions, ReadsIniShotsAndTheExactDesignArgument)
{
    struct Case {
        QStringList args;
        QString ini;
        QString shots;
        bool design;
        bool error;
    };
    const QList<Case> cases = {
        {{}, QStringLiteral("def.ini"), {}, false, false},
        {{QStringLiteral("design")}, QStringLiteral("def.ini"), {}, true, false},
        {{QStringLiteral("Design")}, QStringLiteral("def.ini"), {}, false, false},
        {{QStringLiteral("--ini"), QStringLiteral("/x/Zolv.ini"), QStringLiteral("design")},
         QStringLiteral("/x/Zolv.ini"), {}, true, false},
        {{QStringLiteral("--shots"), QStringLiteral("out")}, QStringLiteral("def.ini"), QStringLiteral("out"), false, false},
        {{QStringLiteral("--ini")}, QStringLiteral("def.ini"), {}, false, true},
        {{QStringLiteral("--outra")}, QStringLiteral("def.ini"), {}, false, true},
    };
    for (const Case &c : cases) {
        const StartupOptions o = StartupOptions::parse(c.args, QStringLiteral("def.ini"));
        const std::string label = c.args.join(u' ').toStdString();
        EXPECT_EQ(o.error.isEmpty(), !c.error) << label;
        if (c.error)
            continue;
        EXPECT_EQ(o.iniPath, c.ini) << label;
        EXPECT_EQ(o.shotsDir, c.shots) << label;
        EXPECT_EQ(o.design, c.design) << label;
    }
}

TEST(MainCaption, VersionedOnlyWhenTheUpdaterFileIsBesideTheProgram)
{
    QTemporaryDir dir;
    EXPECT_EQ(MainCaption::initial(), QStringLiteral("DIÁRIO / RAZÃO"));
    EXPECT_TRUE(MainCaption::versioned(dir.path()).isEmpty());

    QFile lower(dir.filePath(QStringLiteral("velqa8.exe")));
    ASSERT_TRUE(lower.open(QIODevice::WriteOnly));
    lower.close();
    EXPECT_TRUE(MainCaption::versioned(dir.path()).isEmpty()) << "the name is matched exactly";

    QFile marker(dir.filePath(QStringLiteral("VELQA8.exe")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    ASSERT_TRUE(marker.setFileTime(QDateTime(QDate(2008, 3, 15), QTime(10, 42, 0)), QFileDevice::FileModificationTime));
    marker.close();
    EXPECT_EQ(MainCaption::versioned(dir.path()),
              QStringLiteral("ZOLV 8.0 - MODULO DIÁRIO/RAZÃO (Vrs. ") + CommonRoutines::versao_sistema() +
                  QStringLiteral(") - Atualizado dia 15/03/2008 10:42:00"));
}

TEST(PackageInfo, UnitTextCarriesTheFlagsInOrder)
{
    using namespace PackageInfo;
    EXPECT_EQ(unitText({QStringLiteral("data"), 0}), QStringLiteral("data "));
    EXPECT_EQ(unitText({QStringLiteral("app"), MainUnit}), QStringLiteral("app ( Main Unit )"));
    EXPECT_EQ(unitText({QStringLiteral("x"), WeakUnit | MainUnit | PackageUnit}),
              QStringLiteral("x ( Main Unit Package Unit Weak Unit )"));
}

TEST(PackageInfo, ListsTheProgramFirstWithTheLibrariesItRequires)
{
    const QList<PackageInfo::Module> modules = PackageInfo::loadedModules();
    ASSERT_FALSE(modules.isEmpty());
    EXPECT_EQ(modules.first().fileName, QCoreApplication::applicationFilePath());
    EXPECT_TRUE(modules.first().required.contains(QStringLiteral("libQt6Core.so.6"))) << qPrintable(modules.first().required.join(u' '));
    const auto core = std::find_if(modules.begin(), modules.end(),
                                   [](const auto &m) { return m.fileName.endsWith(QStringLiteral("libQt6Core.so.6")); });
    ASSERT_NE(core, modules.end());
    EXPECT_TRUE(core->description.startsWith(QStringLiteral("Qt ")));
}

namespace {

// A directory of fake programs: each writes its name and arguments to a log.
class FakeDesktop {
public:
    FakeDesktop() { QDir().mkpath(proc()); }

    void install(const QString &name)
    {
        const QString path = bin.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("#!/bin/sh\necho \"%1 $*\" >> %2\n").arg(name, log()).toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void running(const QString &command)
    {
        const QString dir = proc() + QStringLiteral("/4242");
        QDir().mkpath(dir);
        QFile f(dir + QStringLiteral("/comm"));
        f.open(QIODevice::WriteOnly);
        f.write(command.toLocal8Bit() + '\n');
    }
    // What the fake programs were asked, once one of them has run.
    QString waitForLog() const
    {
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(log()) && t.elapsed() < 5000)
            QThread::msleep(20);
        QFile f(log());
        f.open(QIODevice::ReadOnly);
        return QString::fromLocal8Bit(f.readAll()).trimmed();
    }
    DesktopCalculator calculator() const { return DesktopCalculator({bin.path()}, proc()); }

private:
    QString proc() const { return other.filePath(QStringLiteral("proc")); }
    QString log() const { return other.filePath(QStringLiteral("log")); }
    QTemporaryDir bin;
    QTemporaryDir other;
};

} // namespace

TEST(DesktopCalculator, NoneInstalledIsToldNotTried)
{
    FakeDesktop desktop;
    EXPECT_EQ(desktop.calculator().open(), DesktopCalculator::Outcome::NoneInstalled);
}

TEST(DesktopCalculator, StartsTheFirstInstalledInOrderOfPreference)
{
    FakeDesktop desktop;
    desktop.install(QStringLiteral("xcalc"));
    desktop.install(QStringLiteral("galculator"));
    EXPECT_EQ(desktop.calculator().open(), DesktopCalculator::Outcome::Started);
    EXPECT_EQ(desktop.waitForLog(), QStringLiteral("galculator"));
}

TEST(DesktopCalculator, RaisesARunningOneThroughTheWindowTool)
{
    FakeDesktop desktop;
    desktop.install(QStringLiteral("xcalc"));
    desktop.install(QStringLiteral("gnome-calculator"));
    desktop.install(QStringLiteral("wmctrl"));
    desktop.running(QStringLiteral("gnome-calculato")); // as the kernel cuts it
    EXPECT_EQ(desktop.calculator().open(), DesktopCalculator::Outcome::Raised);
    EXPECT_EQ(desktop.waitForLog(), QStringLiteral("wmctrl -x -a gnome-calculator"));
}

TEST(DesktopCalculator, WithoutAWindowToolARunningOneIsStartedAgain)
{
    FakeDesktop desktop;
    desktop.install(QStringLiteral("xcalc"));
    desktop.install(QStringLiteral("kcalc"));
    desktop.running(QStringLiteral("xcalc"));
    EXPECT_EQ(desktop.calculator().open(), DesktopCalculator::Outcome::Started);
    EXPECT_EQ(desktop.waitForLog(), QStringLiteral("xcalc"));
}

TEST(EntityName, ReadsTheTrimmedNameOrNothing)
{
    auto db = TestDatabase::fresh();
    EXPECT_EQ(EntityName::read(*db), QString());
    db->exec(QStringLiteral("INSERT INTO CADCLI (CLNT1, MEXER) VALUES (?, ?)"),
             {QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOÃO   "), QStringLiteral("2008")});
    EXPECT_EQ(EntityName::read(*db), QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOÃO"));
}
