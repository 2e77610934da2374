#include "CategoryHarness.h"
#include "routine/MonthlyRun.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

// A run of one month with what the user sees of it.
struct Watched {
    explicit Watched(Database &db) : run(db, ui)
    {
        events.starting = [this] { seen << QStringLiteral("starting"); };
        events.posting = [this] { seen << QStringLiteral("posting"); };
        events.marked = [this](int row, bool ok) {
            marks[row] = ok;
            seen << QStringLiteral("row %1").arg(row);
        };
        events.postingDone = [this] { seen << QStringLiteral("done"); };
    }
    MonthlyRun::Outcome operator()(const QString &item, bool allMonths = false) { return run.run(item, events, allMonths); }

    ScriptedInteraction ui;
    MonthlyRun run;
    MonthlyRun::Events events;
    QMap<int, bool> marks;
    QStringList seen;
};

int rowOf(const char *operation)
{
    const auto &rows = MonthlyRun::statusRows();
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].operation == QLatin1String(operation))
            return i;
    }
    return -1;
}

// Commitments, revenue, cash orders and payments of March under one pair.
void marchActivity(Database &db)
{
    const QDate d(2008, 3, 5);
    const QString g = QStringLiteral("001"), c = QStringLiteral("002");
    SuiteRows(db)
        .accounts({QStringLiteral("141109"), QStringLiteral("221109"), QStringLiteral("411109")})
        .allocation(1, QStringLiteral("04"), QStringLiteral("1000"), g, c)
        .commitment(1, 1, QStringLiteral("100"), d, QStringLiteral("3.3"), g, c)
        .commitment(2, 1, QStringLiteral("-10"), d, QStringLiteral("3.3"), g, c)
        .payment(1, 1, QStringLiteral("60"), d)
        .revenueAllocation(1, QStringLiteral("19310000"), g, c)
        .receipt(1, QStringLiteral("300"), d)
        .bankAccount(1, QStringLiteral("311201"), g, c)
        .cashOrder(1, QStringLiteral("100"), {}, d);
}

QStringList journal(Database &db)
{
    QStringList r;
    QSqlQuery q = db.query(QStringLiteral("SELECT IE, IMP, BALCO, TITCO, DATAE, HISTO, DISCRI, DEBIT, CREDI, VINGRUPO, VINCODIGO "
                                          "FROM CONDIA WHERE IE > 1 ORDER BY SEQ"));
    while (q.next()) {
        QStringList cols;
        for (int i = 0; i < 11; ++i)
            cols << q.value(i).toString();
        r << cols.join(u'|');
    }
    return r;
}

} // namespace

TEST(MonthlyRun, MonthNumberFromTheItem)
{
    const QStringList &items = MonthlyRun::monthItems();
    ASSERT_EQ(items.size(), 13);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(MonthlyRun::monthOf(items[i]), i + 1) << items[i].toStdString();
    EXPECT_EQ(items[2], QStringLiteral(" 3- Março"));
    EXPECT_EQ(MonthlyRun::monthOf(QStringLiteral("TODOS")), 0);
    EXPECT_EQ(MonthlyRun::monthOf(QString()), 0);
}

TEST(MonthlyRun, TheRunDateIsTheLastDayOfTheMonthOfTheFiscalYear)
{
    struct Case {
        const char *year;
        int item;
        QDate date;
    };
    for (const Case &c : {Case{"2008", 1, QDate(2008, 2, 29)}, Case{"2009", 1, QDate(2009, 2, 28)},
                          Case{"2008", 9, QDate(2008, 10, 31)}}) {
        auto db = seededDatabase(QString::fromLatin1(c.year));
        SuiteRows(*db)
            .allocation(1, QStringLiteral("04"), QStringLiteral("1000"), QStringLiteral("001"), QStringLiteral("002"))
            .commitment(1, 1, QStringLiteral("100"), QDate(2007, c.item + 1, 3), QStringLiteral("3.3"), QStringLiteral("001"),
                        QStringLiteral("002"));
        Watched run(*db);
        ASSERT_EQ(run(MonthlyRun::monthItems()[c.item]), MonthlyRun::Outcome::Completed);
        EXPECT_EQ(run.run.state().month, c.item + 1);
        QSqlQuery q = db->query(QStringLiteral("SELECT DISTINCT DATAE FROM CONDIA WHERE IE = 7"));
        ASSERT_TRUE(q.next()) << c.year;
        EXPECT_EQ(q.value(0).toDate(), c.date);
        EXPECT_FALSE(q.next());
    }
}

TEST(MonthlyRun, NoMonthChosenAndAnEmptyJournalStopBeforeAnything)
{
    auto db = TestDatabase::fresh(QStringLiteral("routine"));
    SuiteRows(*db).entity(QStringLiteral("2008"));
    Watched run(*db);
    EXPECT_EQ(run(QString()), MonthlyRun::Outcome::NoMonth);
    EXPECT_EQ(run(QStringLiteral(" 3- Março")), MonthlyRun::Outcome::EmptyJournal);
    EXPECT_EQ(run.ui.texts(), QStringList({"Especifique o Mês para efetuar os lançamentos!",
                                           "Execute primeiramente o \"Lançamento Anual Inicial\"."}));
    EXPECT_EQ(run.ui.said[1].caption, QStringLiteral("Atenção"));
    EXPECT_TRUE(run.seen.isEmpty());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA")).toInt(), 0);
}

TEST(MonthlyRun, AllMonthsAreHandedBackAfterTheJournalCheck)
{
    auto db = seededDatabase();
    marchActivity(*db);
    Watched run(*db);
    EXPECT_EQ(run(QStringLiteral("TODOS")), MonthlyRun::Outcome::AllMonthsRequested);
    EXPECT_EQ(run.seen, QStringList({"starting"}));
    EXPECT_TRUE(run.ui.said.isEmpty());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA")).toInt(), 1);
}

TEST(MonthlyRun, ACompletedMonthMarksItsRowsCleansAndEndsWithTheMessage)
{
    auto db = seededDatabase();
    marchActivity(*db);
    Watched run(*db);
    ASSERT_EQ(run(QStringLiteral(" 3- Março")), MonthlyRun::Outcome::Completed);
    EXPECT_EQ(run.seen.mid(0, 2), QStringList({"starting", "posting"}));
    EXPECT_EQ(run.seen.last(), QStringLiteral("done"));
    for (const char *op : {"Despesa_empenhada", "Despesa_anulada", "Receitas_realizadas", "CONTAS_CAIXA",
                           "Pagamentos_orcamentarios", "Divida_Ativa"})
        EXPECT_TRUE(run.marks.value(rowOf(op), false)) << op;
    EXPECT_TRUE(run.marks.value(4, false)) << "Receita Anulada";
    EXPECT_EQ(MonthlyRun::statusRows()[4].caption, QStringLiteral("Receita Anulada"));
    ASSERT_EQ(run.ui.said.size(), 1);
    EXPECT_EQ(run.ui.said[0].text, QStringLiteral("Término do Lançamento de Rotina! Verifique se ocorreu algum erro!"));
    EXPECT_EQ(run.ui.said[0].caption, QStringLiteral("Atenção"));

    for (int ie : {7, 8, 9, 12, 13, 16})
        EXPECT_GT(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = ?"), {ie}).toInt(), 0) << ie;
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE BALCO IS NOT NULL AND COALESCE(DEBIT, 0) + "
                                        "COALESCE(CREDI, 0) = 0"))
                  .toInt(),
              0);

    // One month of an all-months run keeps quiet at its end.
    Watched quiet(*db);
    ASSERT_EQ(quiet(QStringLiteral(" 3- Março"), true), MonthlyRun::Outcome::Completed);
    EXPECT_TRUE(quiet.ui.said.isEmpty());
}

TEST(MonthlyRun, InterruptionAfterTheThirdRowLeavesTheRestUnmarkedAndUncleaned)
{
    auto db = seededDatabase();
    marchActivity(*db);
    db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, IE, DATAE, DEBIT) VALUES (0, '131101', 33, '01/05/2008', 0)"));
    Watched run(*db);
    run.ui.cancelWhen = [&run] { return run.marks.contains(2); };
    ASSERT_EQ(run(QStringLiteral(" 3- Março")), MonthlyRun::Outcome::Interrupted);
    EXPECT_TRUE(run.marks.value(1) && run.marks.value(2));
    EXPECT_EQ(run.marks.lastKey(), 2);
    EXPECT_EQ(run.seen.last(), QStringLiteral("done"));
    EXPECT_EQ(run.ui.texts(), QStringList({"Lançamento interrompido pelo usuário!"}));
    EXPECT_GT(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 8")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE IN (9, 12, 13, 16)")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 33")).toInt(), 1);
}

TEST(MonthlyRun, AFailingCategoryShowsErroAndTheNextOnesStillRun)
{
    auto db = seededDatabase();
    marchActivity(*db);
    db->exec(QStringLiteral("DROP TABLE ORDCAI"));
    Watched run(*db);
    ASSERT_EQ(run(QStringLiteral(" 3- Março")), MonthlyRun::Outcome::Completed);
    EXPECT_FALSE(run.marks.value(rowOf("CONTAS_CAIXA"), true));
    EXPECT_TRUE(run.marks.value(rowOf("Pagamentos_orcamentarios"), false));
    EXPECT_TRUE(run.marks.value(rowOf("Divida_Ativa"), false));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 12")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 13")).toInt(), 6);
}

TEST(MonthlyRun, TheSameMonthTwiceGivesTheSameRowsWithNewNumbers)
{
    auto db = seededDatabase();
    marchActivity(*db);
    Watched first(*db);
    ASSERT_EQ(first(QStringLiteral(" 3- Março")), MonthlyRun::Outcome::Completed);
    const QStringList once = journal(*db);
    const int lastSeq = db->scalar(QStringLiteral("SELECT MAX(SEQ) FROM CONDIA")).toInt();
    Watched second(*db);
    ASSERT_EQ(second(QStringLiteral(" 3- Março")), MonthlyRun::Outcome::Completed);
    EXPECT_EQ(journal(*db), once);
    EXPECT_GT(db->scalar(QStringLiteral("SELECT MIN(SEQ) FROM CONDIA WHERE IE > 1")).toInt(), lastSeq - once.size());
}

TEST(MonthlyRun, ZeroLineCleanupKeepsHeadersAndLinesWithAnAmount)
{
    auto db = seededDatabase();
    for (const char *row : {"(0, '131101', 'Conta', '01/31/2008', 0, NULL, 33)",         // zero, another month: goes
                            "(0, '131101', 'Conta', '01/31/2008', 0.004, NULL, 33)",     // rounds to zero: goes
                            "(0, NULL, NULL, '01/31/2008', NULL, NULL, 33)",             // no amounts: goes
                            "(0, NULL, 'SISTEMA FINANCEIRO', '01/31/2008', NULL, NULL, 7)", // header: stays
                            "(0, NULL, NULL, '01/31/2008', 5, NULL, 7)",                 // no account, an amount: stays
                            "(0, '131101', 'Conta', '01/31/2008', 10, -10, 33)"})       // adds up to zero: goes
        db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, TITCO, DATAE, DEBIT, CREDI, IE) VALUES ") +
                 QString::fromLatin1(row));
    Watched run(*db);
    ASSERT_EQ(run(QStringLiteral(" 6- Junho")), MonthlyRun::Outcome::Completed);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 33")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 7")).toInt(), 2);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 1")).toInt(), 1);
}
