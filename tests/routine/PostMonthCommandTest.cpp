#include "CategoryHarness.h"
#include "cli/Cli.h"
#include "cli/PostMonthCommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A fiscal year 2008 where Zolv.ini finds it, made from a prepared database.
struct Installed {
    explicit Installed(std::unique_ptr<Database> db)
    {
        const QString file = db->name();
        db.reset();
        QDir(dir.path()).mkpath(QStringLiteral("ARQ2008"));
        QFile::copy(file, dir.filePath(QStringLiteral("ARQ2008/ZOLV2008.FDB")));
        QFile ini(dir.filePath(QStringLiteral("Zolv.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write(QStringLiteral("[ZOLV]\nano=2008\nCaminho_Base_Dados=%1/\n").arg(dir.path()).toUtf8());
    }

    int run(const QStringList &args)
    {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        return Cli::run(QStringList({QStringLiteral("--ini"), dir.filePath(QStringLiteral("Zolv.ini"))}) + args, o, e);
    }

    QTemporaryDir dir;
    QString out, err;
};

std::unique_ptr<Database> withCommitment()
{
    auto db = seededDatabase();
    SuiteRows(*db)
        .allocation(1, QStringLiteral("04"), QStringLiteral("1000"), QStringLiteral("001"), QStringLiteral("002"))
        .commitment(1, 1, QStringLiteral("100"), QDate(2008, 3, 5), QStringLiteral("3.3"), QStringLiteral("001"),
                    QStringLiteral("002"))
        .commitment(2, 1, QStringLiteral("100"), QDate(2008, 3, 5), QStringLiteral("9.9"), QStringLiteral("001"),
                    QStringLiteral("002"));
    return db;
}

} // namespace

TEST(PostMonthCommand, MonthArguments)
{
    EXPECT_EQ(PostMonthCommand::itemFor(QStringLiteral("3")), QStringLiteral(" 3- Março"));
    EXPECT_EQ(PostMonthCommand::itemFor(QStringLiteral("12")), QStringLiteral("12- Dezembro"));
    EXPECT_EQ(PostMonthCommand::itemFor(QStringLiteral("todos")), QStringLiteral("TODOS"));
    EXPECT_TRUE(PostMonthCommand::itemFor(QStringLiteral("13")).isEmpty());
    EXPECT_TRUE(PostMonthCommand::itemFor(QStringLiteral("0")).isEmpty());
}

TEST(PostMonthCommand, PrintsTheStatusRowsAndTheMessagesWithTheirCaptions)
{
    Installed year(withCommitment());
    EXPECT_EQ(year.run({QStringLiteral("post-month"), QStringLiteral("3")}), 0) << year.err.toStdString();
    EXPECT_TRUE(year.out.contains(QStringLiteral("Despesa Empenhada ....")));
    EXPECT_TRUE(year.out.contains(QRegularExpression(QStringLiteral("Despesa Empenhada \\.+ OK\n"))));
    EXPECT_TRUE(year.out.contains(QRegularExpression(QStringLiteral("Receita Anulada \\.+ OK\n"))));
    EXPECT_TRUE(year.err.contains(QStringLiteral("Erro de lançamento: O código 9.9 não foi encontrado")));
    EXPECT_TRUE(year.err.contains(QStringLiteral("Atenção: Término do Lançamento de Rotina!")));
    EXPECT_EQ(year.run({QStringLiteral("post-month"), QStringLiteral("13")}), 2);
}

TEST(PostMonthCommand, ExitsWithOneWhenARowShowsErro)
{
    auto db = withCommitment();
    db->exec(QStringLiteral("DROP TABLE DESCON"));
    Installed year(std::move(db));
    EXPECT_EQ(year.run({QStringLiteral("post-month"), QStringLiteral("3")}), 1);
    EXPECT_TRUE(year.out.contains(QRegularExpression(QStringLiteral("Contas Correntes e Caixa \\.+ ERRO\n"))));
    EXPECT_TRUE(year.out.contains(QRegularExpression(QStringLiteral("Despesa Orçamentária Paga \\.+ OK\n"))));
}

TEST(PostMonthCommand, TodosPostsEveryMonthWithOneEndMessage)
{
    Installed year(withCommitment());
    EXPECT_EQ(year.run({QStringLiteral("post-month"), QStringLiteral("TODOS")}), 0);
    EXPECT_TRUE(year.out.startsWith(QStringLiteral("1- Janeiro\n")));
    EXPECT_TRUE(year.out.contains(QStringLiteral("\n3- Março\n")));
    EXPECT_FALSE(year.out.contains(QStringLiteral("4- Abril")));
    EXPECT_EQ(year.err.count(QStringLiteral("Término do Lançamento de Rotina!")), 1);
}
