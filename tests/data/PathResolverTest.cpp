#include "TestDatabase.h"
#include "data/ConnectionSetup.h"
#include "data/ConnectionTest.h"
#include "data/PathError.h"
#include "data/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Zolv.ini contents by scenario; {T} stands for the test's own directory. Keys are
// written in the cases the suite's installations use.
const QMap<QString, QString> scenarios = {
    {"local", R"(Ano=2008
Caminho_Base_Dados=C:\ZOLV_8\)"},
    {"local-nested", R"(ano=2008
CAMINHO_BASE_DADOS=F:\Sistemas\zolv_8\Dados\)"},
    {"local-plain", R"(ano=2008
Caminho_Base_Dados=D:\CONTAB\)"},
    {"local-here", R"(ano=2008
Caminho_Base_Dados={T}/zolv_8/)"},
    {"local-missing-parent", R"(ano=2008
Caminho_Base_Dados={T}/missing/)"},
    {"bad-year", R"(ano=20O8
Caminho_Base_Dados=C:\ZOLV_8\)"},
    {"no-year", R"(Caminho_Base_Dados=C:\ZOLV_8\)"},
    {"server-linux", R"(ano=2008
Servidor=srv
SO_Servidor=LINUX
Caminho_Base_Dados=/dados/zolv_8/
Diretorio_Servidor=\\srv\zolv_8\)"},
    {"server-linux-lower", R"(ano=2008
Servidor=srv
SO_Servidor=linux
Caminho_Base_Dados=/dados/zolv_8/
Diretorio_Servidor=\\srv\zolv_8\)"},
    {"server-windows", R"(ano=2008
servidor=srv
Caminho_Base_Dados=C:\ZOLV_8\
Diretorio_Servidor=\\srv\zolv_8\)"},
    {"server-tabdef", R"(ano=2008
Servidor=srv
ServidorTABDEF=tabsrv
Caminho_Base_Dados=C:\ZOLV_8\
Caminho_Base_Dados_TABDEF=E:\TAB\
Diretorio_Servidor=\\srv\zolv_8\
Diretorio_Servidor_TABDEF=\\tab\Zolv_8\Defs\)"},
    {"server-tabdef-blank", R"(ano=2008
Servidor=srv
ServidorTABDEF=
Caminho_Base_Dados=C:\ZOLV_8\
Diretorio_Servidor=\\srv\zolv_8\
Diretorio_Servidor_TABDEF="   ")"},
    {"server-here", R"(ano=2008
Servidor=localhost
SO_Servidor=LINUX
Caminho_Base_Dados=/srv/dados/
Diretorio_Servidor={T}/mnt/zolv_8/)"},
};

struct Case {
    const char *scenario;
    char sep; // how this workstation writes directories
    const char *code;
    // What the resolver gives; "!" + text when it raises an error with that text.
    const char *expected;
};

// Codes that create their directory (one level) before answering.
bool creates(const QString &code)
{
    static const QStringList list = {"BKAD", "BKAB", "TPD", "TPB", "DE", "DI", "RTM"};
    return list.contains(code.toUpper());
}

const Case cases[] = {
    // Local mode, a Windows workstation.
    {"local", '\\', "B", R"(C:\ZOLV_8\ARQ2008\)"},
    {"local", '\\', "D", R"(C:\ZOLV_8\ARQ2008\)"},
    {"local", '\\', "BK", R"(C:\ZOLV_8\ARQ2008\)"},
    {"local", '\\', "BA", R"(C:\ZOLV_8\ARQ2007\)"},
    {"local", '\\', "DA", R"(C:\ZOLV_8\ARQ2007\)"},
    {"local", '\\', "da", R"(C:\ZOLV_8\ARQ2007\)"},
    {"local", '\\', "BA2", R"(C:\ZOLV_8\ARQ2006\)"},
    {"local", '\\', "DA3", R"(C:\ZOLV_8\ARQ2005\)"},
    {"local", '\\', "ba10", R"(C:\ZOLV_8\ARQ1998\)"},
    {"local", '\\', "DA-1", R"(C:\ZOLV_8\ARQ2009\)"},
    {"local", '\\', "AP", R"(C:\ZOLV_8\)"},
    {"local", '\\', "BKAD", R"(C:\ZOLV_8\ARQ2008\BCK\)"},
    {"local", '\\', "BKAB", R"(C:\ZOLV_8\ARQ2008\BCK\)"},
    {"local", '\\', "TPD", R"(C:\ZOLV_8\ARQ2008\TEMP\)"},
    {"local", '\\', "TPB", R"(C:\ZOLV_8\ARQ2008\TEMP\)"},
    {"local", '\\', "DE", R"(C:\ZOLV_8\ARQ2008\EXPORTA\)"},
    {"local", '\\', "DI", R"(C:\ZOLV_8\ARQ2008\IMPORTA\)"},
    {"local", '\\', "RTM", R"(C:\ZOLV_8\RTM\)"},
    {"local", '\\', "EXE", R"(C:\ZOLV_8\)"},
    {"local", '\\', "TD", R"(C:\ZOLV_8\TABDEF\)"},
    {"local", '\\', "TB", R"(C:\ZOLV_8\TABDEF\)"},
    {"local", '\\', "TABDEF", R"(C:\ZOLV_8\TABDEF\)"},
    {"local", '\\', "XYZ", R"(C:\ZOLV_8\TABDEF\)"},
    {"local", '\\', "", R"(C:\ZOLV_8\TABDEF\)"},
    {"local", '\\', "DAX", "!'X' não é um valor inteiro válido"},
    {"local-nested", '\\', "B", R"(F:\Sistemas\zolv_8\Dados\ARQ2008\)"},
    {"local-nested", '\\', "AP", R"(F:\Sistemas\zolv_8\Dados\)"},
    {"local-nested", '\\', "EXE", R"(F:\Sistemas\ZOLV_8\)"},
    {"local-nested", '\\', "TD", R"(F:\Sistemas\ZOLV_8\TABDEF\)"},
    {"local-plain", '\\', "EXE", R"(D:\CONTAB\)"},
    {"local-plain", '\\', "TD", R"(D:\CONTAB\TABDEF\)"},
    {"bad-year", '\\', "B", R"(C:\ZOLV_8\ARQ20O8\)"},
    {"bad-year", '\\', "DA", "!'20O8' não é um valor inteiro válido"},
    {"bad-year", '\\', "BA2", "!'20O8' não é um valor inteiro válido"},
    {"no-year", '\\', "B", R"(C:\ZOLV_8\ARQ\)"},
    {"no-year", '\\', "DA", "!'' não é um valor inteiro válido"},

    // The same examples on this workstation, which writes "/".
    {"local", '/', "B", R"(C:\ZOLV_8\ARQ2008/)"},
    {"local", '/', "D", R"(C:\ZOLV_8\ARQ2008/)"},
    {"local", '/', "BK", R"(C:\ZOLV_8\ARQ2008/)"},
    {"local", '/', "DA", R"(C:\ZOLV_8\ARQ2007/)"},
    {"local", '/', "DA3", R"(C:\ZOLV_8\ARQ2005/)"},
    {"local", '/', "AP", R"(C:\ZOLV_8\)"},
    {"local", '/', "EXE", R"(C:\ZOLV_8/)"},
    {"local", '/', "TD", R"(C:\ZOLV_8/TABDEF/)"},
    {"local", '/', "XYZ", R"(C:\ZOLV_8/TABDEF/)"},
    {"local-nested", '/', "EXE", R"(F:\Sistemas\ZOLV_8/)"},
    {"local-nested", '/', "TD", R"(F:\Sistemas\ZOLV_8/TABDEF/)"},
    {"bad-year", '/', "DA", "!'20O8' não é um valor inteiro válido"},
    {"local-here", '/', "B", "{T}/zolv_8/ARQ2008/"},
    {"local-here", '/', "DA2", "{T}/zolv_8/ARQ2006/"},
    {"local-here", '/', "AP", "{T}/zolv_8/"},
    {"local-here", '/', "BKAD", "{T}/zolv_8/ARQ2008/BCK/"},
    {"local-here", '/', "BKAB", "{T}/zolv_8/ARQ2008/BCK/"},
    {"local-here", '/', "TPD", "{T}/zolv_8/ARQ2008/TEMP/"},
    {"local-here", '/', "TPB", "{T}/zolv_8/ARQ2008/TEMP/"},
    {"local-here", '/', "DE", "{T}/zolv_8/ARQ2008/EXPORTA/"},
    {"local-here", '/', "DI", "{T}/zolv_8/ARQ2008/IMPORTA/"},
    {"local-here", '/', "RTM", "{T}/zolv_8/RTM/"},
    {"local-here", '/', "EXE", "{T}/ZOLV_8/"},
    {"local-here", '/', "TB", "{T}/ZOLV_8/TABDEF/"},
    {"local-missing-parent", '/', "BKAD", "!Não é possível criar o diretório: {T}/missing/ARQ2008/BCK/"},
    {"local-missing-parent", '/', "RTM", "!Não é possível criar o diretório: {T}/missing/RTM/"},
    {"local-missing-parent", '/', "B", "{T}/missing/ARQ2008/"},

    // Server mode, a Windows workstation.
    {"server-linux", '\\', "D", R"(\\srv\zolv_8\ARQ2008\)"},
    {"server-linux", '\\', "B", "srv:/dados/zolv_8/ARQ2008/"},
    {"server-linux", '\\', "DA", R"(\\srv\zolv_8\ARQ2007\)"},
    {"server-linux", '\\', "DA2", R"(\\srv\zolv_8\ARQ2006\)"},
    {"server-linux", '\\', "BA", "srv:/dados/zolv_8/ARQ2007/"},
    {"server-linux", '\\', "ba3", "srv:/dados/zolv_8/ARQ2005/"},
    {"server-linux", '\\', "TD", R"(\\srv\ZOLV_8\TABDEF\)"},
    {"server-linux", '\\', "TB", "srv:/dados/ZOLV_8/TABDEF/"},
    {"server-linux", '\\', "BK", "/dados/zolv_8/ARQ2008/"},
    {"server-linux", '\\', "BKAD", R"(\\srv\zolv_8\ARQ2008\BCK\)"},
    {"server-linux", '\\', "BKAB", "/dados/zolv_8/ARQ2008/BCK/"},
    {"server-linux", '\\', "AP", R"(\\srv\zolv_8\)"},
    {"server-linux", '\\', "TPD", R"(\\srv\zolv_8\ARQ2008\TEMP\)"},
    {"server-linux", '\\', "TPB", "/dados/zolv_8/ARQ2008/TEMP/"},
    {"server-linux", '\\', "DE", R"(\\srv\zolv_8\ARQ2008\EXPORTA\)"},
    {"server-linux", '\\', "DI", R"(\\srv\zolv_8\ARQ2008\IMPORTA\)"},
    {"server-linux", '\\', "RTM", R"(\\srv\zolv_8\RTM\)"},
    {"server-linux", '\\', "EXE", R"(\\srv\ZOLV_8\)"},
    {"server-linux", '\\', "XYZ", ""},
    {"server-linux", '\\', "TABDEF", ""},
    {"server-linux-lower", '\\', "B", R"(srv:/dados/zolv_8/ARQ2008\)"},
    {"server-linux-lower", '\\', "BK", R"(/dados/zolv_8/ARQ2008\)"},
    {"server-linux-lower", '\\', "TB", R"(srv:/dados/ZOLV_8\TABDEF\)"},
    {"server-windows", '\\', "B", R"(srv:C:\ZOLV_8\ARQ2008\)"},
    {"server-windows", '\\', "BA2", R"(srv:C:\ZOLV_8\ARQ2006\)"},
    {"server-windows", '\\', "TB", R"(srv:C:\ZOLV_8\TABDEF\)"},
    {"server-windows", '\\', "BK", R"(C:\ZOLV_8\ARQ2008\)"},
    {"server-windows", '\\', "BKAB", R"(C:\ZOLV_8\ARQ2008\BCK\)"},
    {"server-windows", '\\', "TPB", R"(C:\ZOLV_8\ARQ2008\TEMP\)"},
    {"server-tabdef", '\\', "TB", R"(tabsrv:E:\TAB\TABDEF\)"},
    {"server-tabdef", '\\', "TD", R"(\\tab\ZOLV_8\TABDEF\)"},
    {"server-tabdef", '\\', "B", R"(srv:C:\ZOLV_8\ARQ2008\)"},
    {"server-tabdef-blank", '\\', "TD", R"(\\srv\ZOLV_8\TABDEF\)"},
    {"server-tabdef-blank", '\\', "TB", R"(srv:C:\ZOLV_8\TABDEF\)"},

    // Server mode on this workstation.
    {"server-linux", '/', "D", R"(\\srv\zolv_8\ARQ2008/)"},
    {"server-linux", '/', "B", "srv:/dados/zolv_8/ARQ2008/"},
    {"server-linux", '/', "TD", R"(\\srv\ZOLV_8/TABDEF/)"},
    {"server-linux", '/', "EXE", R"(\\srv\ZOLV_8/)"},
    {"server-linux", '/', "XYZ", ""},
    {"server-windows", '/', "B", R"(srv:C:\ZOLV_8\ARQ2008\)"},
    {"server-windows", '/', "DA", R"(\\srv\zolv_8\ARQ2007/)"},
    {"server-here", '/', "D", "{T}/mnt/zolv_8/ARQ2008/"},
    {"server-here", '/', "B", "localhost:/srv/dados/ARQ2008/"},
    {"server-here", '/', "BKAD", "{T}/mnt/zolv_8/ARQ2008/BCK/"},
    {"server-here", '/', "BKAB", "/srv/dados/ARQ2008/BCK/"},
    {"server-here", '/', "TPD", "{T}/mnt/zolv_8/ARQ2008/TEMP/"},
    {"server-here", '/', "TPB", "/srv/dados/ARQ2008/TEMP/"},
    {"server-here", '/', "DE", "{T}/mnt/zolv_8/ARQ2008/EXPORTA/"},
    {"server-here", '/', "DI", "{T}/mnt/zolv_8/ARQ2008/IMPORTA/"},
    {"server-here", '/', "RTM", "{T}/mnt/zolv_8/RTM/"},
    {"server-here", '/', "EXE", "{T}/mnt/ZOLV_8/"},
    {"server-here", '/', "TD", "{T}/mnt/ZOLV_8/TABDEF/"},
    // A server-side root that already ends in the separator gets no second one.
    {"server-here", '/', "TB", "localhost:/srv/dados/TABDEF/"},
};

class PathResolverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.path();
        for (auto it = scenarios.begin(); it != scenarios.end(); ++it) {
            QFile f(ini(it.key()));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QStringLiteral("[ZOLV]\n%1\n").arg(expand(it.value())).toUtf8());
        }
        // Directories that creating codes add one level below.
        QDir().mkpath(root + QStringLiteral("/zolv_8/ARQ2008"));
        QDir().mkpath(root + QStringLiteral("/mnt/zolv_8/ARQ2008"));
        // "\" paths are names relative to the working directory here.
        QDir().mkpath(root + QStringLiteral("/cwd"));
        previousDir = QDir::currentPath();
        QDir::setCurrent(root + QStringLiteral("/cwd"));
    }
    void TearDown() override { QDir::setCurrent(previousDir); }

    QString expand(const char *text) const { return expand(QString::fromUtf8(text)); }
    QString expand(QString text) const { return text.replace(QStringLiteral("{T}"), root); }
    QString ini(const QString &scenario) const { return root + u'/' + scenario + QStringLiteral(".ini"); }

    static QString resolve(const PathResolver &resolver, const QString &code)
    {
        try {
            return resolver.resolve(code);
        } catch (const PathError &e) {
            return u'!' + e.text();
        }
    }

    QTemporaryDir dir;
    QString root;
    QString previousDir;
};

QString cli(const QString &ini, const QString &code, int *status)
{
    QProcess p;
    p.start(QStringLiteral(DIARIO_BINARY_DIR "/src/cli/diario-cli"), {QStringLiteral("--ini"), ini, QStringLiteral("path"), code});
    if (!p.waitForFinished(30000))
        return QStringLiteral("(did not finish)");
    *status = p.exitCode();
    QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (out.endsWith(u'\n'))
        out.chop(1);
    return p.exitCode() == 0 ? out : u'!' + QString::fromUtf8(p.readAllStandardError()).trimmed();
}

} // namespace

TEST_F(PathResolverTest, EveryCodeOfBothModes)
{
    for (const Case &c : cases) {
        const QString code = QString::fromLatin1(c.code);
        SCOPED_TRACE(std::string(c.scenario) + " sep " + c.sep + " code " + c.code);
        const QString expected = expand(c.expected);
        const PathResolver resolver(ini(QString::fromLatin1(c.scenario)), QChar::fromLatin1(c.sep));
        const QString got = resolve(resolver, code);
        EXPECT_EQ(got.toStdString(), expected.toStdString());
        if (creates(code) && !expected.startsWith(u'!')) {
            // BKAB and TPB answer the server's name but create the workstation's directory.
            const QString made = resolve(resolver, code.toUpper().replace(QStringLiteral("BKAB"), QStringLiteral("BKAD"))
                                                            .replace(QStringLiteral("TPB"), QStringLiteral("TPD")));
            EXPECT_TRUE(QFileInfo(made).isDir()) << made.toStdString();
        }
    }
}

TEST_F(PathResolverTest, TheCommandLineGivesTheSameAnswers)
{
    for (const Case &c : cases) {
        if (c.sep != '/')
            continue;
        SCOPED_TRACE(std::string(c.scenario) + " code " + c.code);
        int status = -1;
        const QString got = cli(ini(QString::fromLatin1(c.scenario)), QString::fromLatin1(c.code), &status);
        const QString expected = expand(c.expected);
        EXPECT_EQ(got.toStdString(), expected.toStdString());
        EXPECT_EQ(status, expected.startsWith(u'!') ? 1 : 0);
    }
}

TEST_F(PathResolverTest, TheCommandLineRefusesBadUsage)
{
    QProcess p;
    const QString cliPath = QStringLiteral(DIARIO_BINARY_DIR "/src/cli/diario-cli");
    p.start(cliPath, {QStringLiteral("--ini"), ini(QStringLiteral("local")), QStringLiteral("caminho"), QStringLiteral("B")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).startsWith(QStringLiteral("Comando desconhecido: caminho")));
    p.start(cliPath, {QStringLiteral("--ini"), ini(QStringLiteral("local")), QStringLiteral("path")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
}

TEST_F(PathResolverTest, TheDatabaseNameIsCodeBAndTheYearsFile)
{
    EXPECT_EQ(ConnectionSetup(ini(QStringLiteral("server-linux"))).databaseName(),
              QStringLiteral("srv:/dados/zolv_8/ARQ2008/ZOLV2008.FDB"));
    EXPECT_EQ(ConnectionSetup(ini(QStringLiteral("local-here"))).databaseName(), root + QStringLiteral("/zolv_8/ARQ2008/ZOLV2008.FDB"));
    EXPECT_EQ(PathResolver(ini(QStringLiteral("local")), u'\\').resolve(QStringLiteral("B")) + QStringLiteral("ZOLV2008.FDB"),
              QStringLiteral(R"(C:\ZOLV_8\ARQ2008\ZOLV2008.FDB)"));
}

TEST(ConnectionTest, TurnsTheWorkstationCodeIntoItsServerTwin)
{
    const std::pair<const char *, const char *> codes[] = {{"D", "B"}, {"DA", "BA"}, {"DA2", "BA2"}, {"TD", "TB"},
                                                           {"BKAD", "BKAB"}, {"TPD", "TPB"}, {"B", "B"}, {"d", "d"}};
    for (const auto &[code, twin] : codes)
        EXPECT_EQ(ConnectionTest::serverSideCode(QString::fromLatin1(code)), QString::fromLatin1(twin)) << code;
}

// The workstation directory holds a good database, but the server-side name is
// what the test opens: with the server unreachable it fails.
TEST(ConnectionTest, ChecksTheServerSideNameNotTheWorkstationDirectory)
{
    const QString work = TestDatabase::workDir() + QStringLiteral("/conn-test/");
    QDir().mkpath(work + QStringLiteral("ARQ2008"));
    ASSERT_TRUE(QFile::copy(TestDatabase::freshFile(), work + QStringLiteral("ARQ2008/ZOLV2008.FDB")));
    const QString ini = work + QStringLiteral("Zolv.ini");
    const auto writeIni = [&](const QString &body) {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write((QStringLiteral("[ZOLV]\nano=2008\n") + body).toUtf8());
    };
    writeIni(QStringLiteral("Servidor=127.0.0.1/1\nSO_Servidor=LINUX\nCaminho_Base_Dados=%1\nDiretorio_Servidor=%1\n").arg(work));
    const PathResolver resolver(ini);
    EXPECT_TRUE(QFileInfo::exists(resolver.resolve(QStringLiteral("D")) + QStringLiteral("ZOLV2008.FDB")));
    EXPECT_FALSE(ConnectionTest::run(resolver, QStringLiteral("ZOLV2008.FDB"), QStringLiteral("D")));

    writeIni(QStringLiteral("Caminho_Base_Dados=%1\n").arg(work));
    EXPECT_TRUE(ConnectionTest::run(resolver, QStringLiteral("ZOLV2008.FDB"), QStringLiteral("D")));
    EXPECT_FALSE(ConnectionTest::run(resolver, QStringLiteral("ZOLV2007.FDB"), QStringLiteral("D")));
    // The previous year's file is looked for under DA's twin, BA.
    EXPECT_FALSE(ConnectionTest::run(resolver, QStringLiteral("ZOLV2008.FDB"), QStringLiteral("DA")));
}
