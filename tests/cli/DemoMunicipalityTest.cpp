#include "TestDatabase.h"
#include "cli/Cli.h"
#include "cli/DemoCheck.h"
#include "cli/DemoMunicipality.h"
#include "cli/DemoRandom.h"
#include "cli/DemoSizes.h"
#include "data/Database.h"
#include "data/PathResolver.h"
#include "data/ScriptedInteraction.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

constexpr int year = 2026;
constexpr double smallScale = 0.05;

// Every file under a folder with its size and time: what "nothing touched" means.
QStringList snapshot(const QString &dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        out << QStringLiteral("%1 %2 %3").arg(f.filePath()).arg(f.size()).arg(f.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

bool mentions(const QStringList &problems, const QString &text)
{
    for (const QString &p : problems) {
        if (p.contains(text))
            return true;
    }
    return false;
}

class DemoMunicipalityTest : public ::testing::Test {
protected:
    // One town for the whole suite: making it is the slow part.
    static void SetUpTestSuite()
    {
        s_dir = TestDatabase::workDir() + QStringLiteral("/demo-a");
        ScriptedInteraction ui;
        s_created = DemoMunicipality::create({s_dir, year, smallScale, 7}, ui);
        s_said = ui.said;
    }

    static QString s_dir;
    static bool s_created;
    static QList<ScriptedInteraction::Said> s_said;
};

QString DemoMunicipalityTest::s_dir;
bool DemoMunicipalityTest::s_created = false;
QList<ScriptedInteraction::Said> DemoMunicipalityTest::s_said;

} // namespace

TEST_F(DemoMunicipalityTest, MakesTwoYearsThatPassTheirOwnCheck)
{
    ASSERT_TRUE(s_created);
    EXPECT_TRUE(s_said.isEmpty());
    const QString ini = DemoMunicipality::iniPath(s_dir);
    ASSERT_TRUE(QFileInfo::exists(ini));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[ZOLV]"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ano=2026\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Caminho_Base_Dados=%1/\n").arg(QDir(s_dir).absolutePath())));
    // The program finds both years where its path codes say they are.
    const PathResolver resolver(ini);
    EXPECT_EQ(resolver.resolve(QStringLiteral("B")) + QStringLiteral("ZOLV2026.FDB"),
              DemoMunicipality::databasePath(s_dir, year));
    EXPECT_EQ(resolver.resolve(QStringLiteral("BA")) + QStringLiteral("ZOLV2025.FDB"),
              DemoMunicipality::databasePath(s_dir, year - 1));

    const QStringList problems = DemoCheck::folder(s_dir, year);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

TEST_F(DemoMunicipalityTest, RefusesAFolderThatAlreadyHoldsATown)
{
    ASSERT_TRUE(s_created);
    const QStringList before = snapshot(s_dir);
    ScriptedInteraction ui;
    EXPECT_FALSE(DemoMunicipality::create({s_dir, year, smallScale, 7}, ui));
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_EQ(ui.said.first().caption, QStringLiteral("Atenção"));
    EXPECT_TRUE(ui.said.first().text.contains(QStringLiteral("já contém um município"))) << ui.said.first().text.toStdString();
    EXPECT_TRUE(ui.said.first().text.contains(QStringLiteral("nada foi alterado")));
    EXPECT_EQ(snapshot(s_dir), before);

    // Any one of the three files is enough to refuse, and nothing is added beside it.
    const QString lone = TestDatabase::workDir() + QStringLiteral("/demo-lone");
    for (const QString &path : {DemoMunicipality::iniPath(lone), DemoMunicipality::databasePath(lone, year),
                                DemoMunicipality::databasePath(lone, year - 1)}) {
        QDir(lone).removeRecursively();
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
        const QStringList kept = snapshot(lone);
        ScriptedInteraction again;
        EXPECT_FALSE(DemoMunicipality::create({lone, year, smallScale, 7}, again)) << path.toStdString();
        EXPECT_EQ(again.said.size(), 1);
        EXPECT_EQ(snapshot(lone), kept) << path.toStdString();
    }
}

TEST_F(DemoMunicipalityTest, TheCommandLineRefusesTooAndChecksItsArguments)
{
    ASSERT_TRUE(s_created);
    const struct {
        QStringList args;
        int status;
        const char *says;
    } cases[] = {
        {{QStringLiteral("demo"), QStringLiteral("--dir"), s_dir, QStringLiteral("--year"), QStringLiteral("2026")}, 1,
         "já contém um município"},
        {{QStringLiteral("demo")}, 2, "--dir"},
        {{QStringLiteral("demo"), QStringLiteral("--dir"), s_dir, QStringLiteral("--scale"), QStringLiteral("0")}, 2,
         "Escala inválida"},
        {{QStringLiteral("demo"), QStringLiteral("--dir"), s_dir, QStringLiteral("--year"), QStringLiteral("26")}, 2,
         "Ano inválido"},
        {{QStringLiteral("demo"), QStringLiteral("--dir"), s_dir, QStringLiteral("--seed"), QStringLiteral("x")}, 2,
         "Semente inválida"},
    };
    for (const auto &c : cases) {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        EXPECT_EQ(Cli::run(c.args, out, err), c.status) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(errText.contains(QString::fromUtf8(c.says))) << errText.toStdString();
    }
}

TEST_F(DemoMunicipalityTest, TheSameSeedMakesTheSameTownAndAnotherSeedAnother)
{
    ASSERT_TRUE(s_created);
    // The plan drawn again from the same seed is what the databases hold.
    auto sums = [](const DemoMunicipality::Plan &p) {
        const DemoYear &y = p.current;
        QMap<QString, QPair<qint64, Money>> out;
        auto add = [&out](const char *table, qint64 cents) {
            auto &e = out[QLatin1String(table)];
            ++e.first;
            e.second += Money::fromCents(cents);
        };
        for (const auto &r : y.allocations)
            add("DESDIS", r.dotac);
        for (const auto &r : y.credits)
            add("DESALD", r.valor);
        for (const auto &r : y.commitments)
            add("DESPES", r.vadem);
        for (const auto &r : y.payments)
            add("PAGAMENTO", r.vapag);
        for (const auto &r : y.receipts)
            add("RECEIT", r.varec);
        for (const auto &r : y.cashOrders)
            add("ORDCAI", r.credi - r.debit);
        for (const auto &r : y.goods)
            add("CADPAT", r.value);
        for (const auto &r : y.payables)
            add("FRESPA", r.processado + r.nprocessado);
        for (const auto &l : p.previousJournal)
            add("CONDIA", l.debit);
        return out;
    };
    const auto seven = sums(DemoMunicipality::plan(year, smallScale, 7));
    for (int fiscalYear : {year - 1, year}) {
        Database db(DemoMunicipality::databasePath(s_dir, fiscalYear));
        db.open();
        for (const auto &t : DemoMunicipality::totals(db)) {
            if (!seven.contains(t.table) || (t.table == u"CONDIA") != (fiscalYear == year - 1))
                continue;
            EXPECT_EQ(t.rows, seven[t.table].first) << t.table.toStdString();
            EXPECT_EQ(t.amount, seven[t.table].second) << t.table.toStdString();
        }
    }
    const auto eight = sums(DemoMunicipality::plan(year, smallScale, 8));
    for (const char *table : {"DESPES", "PAGAMENTO", "RECEIT", "CONDIA"})
        EXPECT_NE(eight[QLatin1String(table)].second, seven[QLatin1String(table)].second) << table;
}

TEST_F(DemoMunicipalityTest, TheCheckFindsWhatBreaksTheRules)
{
    ASSERT_TRUE(s_created);
    const QString copy = TestDatabase::workDir() + QStringLiteral("/demo-broken.fdb");
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(DemoMunicipality::databasePath(s_dir, year), copy));
    Database db(copy);
    db.open();
    const struct {
        const char *statement;
        const char *finding;
    } cases[] = {
        {"UPDATE PAGAMENTO SET VAPAG=VAPAG+1000000 WHERE PKPAG=1", "Pagamentos acima do empenho"},
        {"UPDATE DESPES SET VADEM=VADEM+100000000 WHERE PKEMP=1", "empenhadas além da dotação"},
        {"UPDATE DESDIS SET VINCODIGO='999' WHERE FICHA=1", "Vínculos usados sem nome"},
        {"UPDATE DESCON SET BALCO='311999' WHERE CONTA=1", "Contas usadas fora do plano"},
        {"UPDATE DESDIS SET FUNCAO='99' WHERE FICHA=1", "Contas montadas pelos lançamentos ausentes"},
        {"INSERT INTO ORDCAI (CONTA, DEBIT, CREDI, DTLAN) VALUES (2, 10, 0, '01/01/2026')", "1º de janeiro"},
        {"UPDATE DESPES SET PKEMPA=NULL WHERE PKEMP=1", "PKEMPA vazio"},
        {"DELETE FROM DESALD WHERE IE=4", "Nenhum crédito adicional com IE 4"},
        {"UPDATE DESDIS SET EXTRA='N' WHERE BALCO='323101'", "só de um lado"},
        {"DELETE FROM PAGAMENTO WHERE PKEMP IN (SELECT E.PKEMP FROM DESPES E JOIN DESDIS D ON D.FICHA=E.FICHA WHERE "
         "D.BALCO LIKE '3821%')",
         "Nenhum pagamento em conta 3821"},
        {"UPDATE PAGAMENTO SET CODIF=99999 WHERE PKPAG=1", "sem fornecedor"},
    };
    EXPECT_TRUE(DemoCheck::currentYear(db, year).isEmpty());
    for (const auto &c : cases) {
        db.begin();
        db.exec(QString::fromLatin1(c.statement));
        const QStringList problems = DemoCheck::currentYear(db, year);
        db.rollback();
        EXPECT_TRUE(mentions(problems, QString::fromUtf8(c.finding)))
            << c.statement << "\n" << problems.join(u'\n').toStdString();
    }

    Database previous(DemoMunicipality::databasePath(s_dir, year - 1));
    previous.open();
    previous.begin();
    previous.exec(QStringLiteral("UPDATE CONPLA SET SALDO=SALDO+1 WHERE BALCO='311101'"));
    EXPECT_TRUE(mentions(DemoCheck::previousYear(previous, year - 1), QStringLiteral("Totais do plano diferentes do diário")));
    EXPECT_TRUE(mentions(DemoCheck::betweenYears(previous, db), QStringLiteral("Saldo inicial das contas 311101")));
    previous.rollback();
}

TEST(DemoPlan, SizesFollowTheScale)
{
    // Scale 1 a small town, scale 10 a mid-size city.
    const struct {
        double scale;
        int linkPairs;
        int minCommitments, maxCommitments;
        int minMoves, maxMoves; // payments and receipts
    } cases[] = {{1, 20, 4000, 6000, 8000, 12000}, {10, 100, 45000, 55000, 90000, 110000}};
    for (const auto &c : cases) {
        const auto town = DemoMunicipality::plan(year, c.scale, 1).current;
        EXPECT_EQ(town.links.size(), c.linkPairs) << c.scale;
        int positive = 0;
        for (const auto &e : town.commitments)
            positive += e.vadem > 0;
        EXPECT_GE(positive, c.minCommitments) << c.scale;
        EXPECT_LE(positive, c.maxCommitments) << c.scale;
        const qsizetype moves = town.payments.size() + town.receipts.size();
        EXPECT_GE(moves, c.minMoves) << c.scale;
        EXPECT_LE(moves, c.maxMoves) << c.scale;
    }
}

TEST(DemoRandom, SplitsAnAmountExactly)
{
    DemoRandom r(42);
    const struct {
        qint64 total;
        int parts;
        qint64 minimum;
    } cases[] = {{100000, 7, 1000}, {-50000, 3, 100}, {5, 10, 1}, {0, 2, 1}, {123456789, 1, 100}};
    for (const auto &c : cases) {
        const QList<qint64> parts = r.split(c.total, c.parts, c.minimum);
        ASSERT_EQ(parts.size(), c.parts);
        qint64 sum = 0;
        for (qint64 p : parts) {
            sum += p;
            EXPECT_EQ(p < 0, c.total < 0 && p != 0);
        }
        EXPECT_EQ(sum, c.total);
        if (c.minimum * c.parts <= std::abs(c.total)) {
            for (qint64 p : parts)
                EXPECT_GE(std::abs(p), c.minimum);
        }
    }
}
