#include "OpeningFixture.h"
#include "cli/Cli.h"
#include "data/ConnectionSetup.h"
#include "data/ScriptedInteraction.h"
#include "routine/MonthlyRun.h"

#include <gtest/gtest.h>

namespace {

struct Result {
    int status;
    QString out;
    QString err;
};

Result cli(const QString &ini, QStringList args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = Cli::run(QStringList{QStringLiteral("--ini"), ini} + args, o, e);
    o.flush();
    e.flush();
    return {status, out, err};
}

Result cli(const OpeningFixture &f, const QStringList &args)
{
    return cli(f.ini, args);
}

} // namespace

TEST(OpeningCommand, PrintsEachStepAndAnswersItsQuestionsFromTheCommandLine)
{
    OpeningFixture f;
    f.typicalYear();
    const Result first = cli(f, {QStringLiteral("opening"), QStringLiteral("--no-repair")});
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringLiteral("Lançando Balanço Patrimonial do Exercício Anterior ................................ OK\n"
                                        "Lançando Saldos Financeiros do Exercício Anterior ................................. OK\n"
                                        "Lançando Orçamento do Exercício ........................................................ OK\n"
                                        "Conferência de Códigos do Plano de Contas ........................................... OK\n"
                                        "LANÇAMENTOS EFETUADOS!\n"));

    // Opening rows now exist: a question needs --yes or --no.
    const Result unanswered = cli(f, {QStringLiteral("opening"), QStringLiteral("--groups"), QStringLiteral("2")});
    EXPECT_EQ(unanswered.status, 2);
    EXPECT_TRUE(unanswered.err.contains(QStringLiteral("Continua?: Lançamentos iniciais já existentes no diário!")));

    const Result declined = cli(f, {QStringLiteral("--no"), QStringLiteral("opening")});
    EXPECT_EQ(declined.status, 0);
    EXPECT_EQ(declined.out, QStringLiteral("Nada foi alterado.\n"));

    const Result budgetOnly = cli(f, {QStringLiteral("opening"), QStringLiteral("--groups"), QStringLiteral("3"),
                                      QStringLiteral("--no-conference"), QStringLiteral("--no-repair"), QStringLiteral("--yes")});
    EXPECT_EQ(budgetOnly.status, 0) << budgetOnly.err.toStdString();
    EXPECT_EQ(budgetOnly.out, QStringLiteral("Lançando Orçamento do Exercício ........................................................ OK\n"
                                             "LANÇAMENTOS EFETUADOS!\n"));

    EXPECT_EQ(cli(f, {QStringLiteral("opening"), QStringLiteral("--groups"), QStringLiteral("1,4")}).status, 2);
}

TEST(OpeningCommand, ProblemsFoundFailTheCommandAndNameTheFile)
{
    OpeningFixture f;
    f.typicalYear();
    f.current->exec(QStringLiteral("INSERT INTO DESCON (CONTA, RECUR, BALCO) VALUES (9, 'Convênio', '313101')"));
    const Result r = cli(f, {QStringLiteral("opening"), QStringLiteral("--no-repair")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Conferência de Códigos do Plano de Contas ........................................... Erro\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("/ARQ2024/erroini.txt\n")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("ATENÇÃO!: Foram detectados alguns problemas")));
}

// The demo municipality's closed year opens the new one: every step OK, the
// journal balanced per kind, no line without account, and the monthly run
// accepts it.
TEST(OpeningCommand, OpensTheDemoMunicipality)
{
    QTemporaryDir dir(TestDatabase::workDir() + QStringLiteral("/demo-XXXXXX"));
    const QString root = dir.filePath(QStringLiteral("municipio"));
    const QString ini = root + QStringLiteral("/Zolv.ini");
    const Result demo = cli(ini, {QStringLiteral("demo"), QStringLiteral("--dir"), root});
    ASSERT_EQ(demo.status, 0) << demo.err.toStdString();

    const Result opening = cli(ini, {QStringLiteral("opening")});
    EXPECT_EQ(opening.status, 0) << opening.err.toStdString();
    EXPECT_EQ(opening.out.count(QStringLiteral(" OK\n")), 5) << opening.out.toStdString();

    ScriptedInteraction ui;
    const auto db = ConnectionSetup(ini).connect(ui);
    ASSERT_TRUE(db);
    QSqlQuery sums = db->query(QStringLiteral("SELECT IE, SUM(DEBIT), SUM(CREDI), COUNT(*) FROM CONDIA GROUP BY IE ORDER BY IE"));
    QList<int> kinds;
    while (sums.next()) {
        kinds << sums.value(0).toInt();
        EXPECT_EQ(Money::fromVariant(sums.value(1), 2), Money::fromVariant(sums.value(2), 2)) << kinds.last();
        EXPECT_GT(sums.value(3).toInt(), 1) << kinds.last();
    }
    EXPECT_EQ(kinds, (QList<int>{1, 2, 3}));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE BALCO IS NULL AND TITCO NOT LIKE 'SISTEMA%'")).toInt(), 0);
    EXPECT_EQ(MonthlyRun(*db, ui).run(MonthlyRun::monthItems()[0], [](int, bool) {}), MonthlyRun::Outcome::Completed);
}
