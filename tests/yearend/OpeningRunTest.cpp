#include "OpeningFixture.h"
#include "data/ScriptedInteraction.h"
#include "yearend/OpeningGroups.h"
#include "routine/MonthlyRun.h"
#include "yearend/OpeningRun.h"

#include <gtest/gtest.h>

namespace {

using Button = Interaction::Button;
using Step = OpeningRun::Step;

OpeningRun::Options groupsOnly()
{
    OpeningRun::Options o;
    o.repair = false;
    o.conference = false;
    return o;
}

int count(Database &db, const QString &where)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE ") + where).toInt();
}

void oldRow(Database &db, int ie, const char *balco, const char *imp = "9")
{
    db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, IE, IMP, DEBIT, DATAE) VALUES (0, ?, ?, ?, 1, '01/01/2024')"),
            {QString::fromLatin1(balco), ie, QString::fromLatin1(imp)});
}

QStringList journal(Database &db)
{
    QStringList rows;
    QSqlQuery q = db.query(QStringLiteral("SELECT IE, IMP, BALCO, DEBIT, CREDI, HISTO, VINGRUPO, VINCODIGO, TITCO FROM CONDIA "
                                          "ORDER BY IE, SEQ"));
    while (q.next()) {
        QStringList cols;
        for (int i = 0; i < 9; ++i)
            cols << q.value(i).toString();
        rows << cols.join(u'|');
    }
    return rows;
}

OpeningRun::Outcome run(OpeningFixture &f, Interaction &ui, const OpeningRun::Options &options,
                        QList<QPair<Step, bool>> *marks = nullptr)
{
    OpeningRun opening(*f.current, *f.paths, ui);
    return opening.run(options, [&](Step s, bool ok) {
        if (marks)
            marks->append({s, ok});
    });
}

} // namespace

TEST(OpeningRun, AFirstOpeningAsksNothing)
{
    OpeningFixture f;
    f.typicalYear();
    ScriptedInteraction ui;
    QList<QPair<Step, bool>> marks;
    EXPECT_EQ(run(f, ui, groupsOnly(), &marks), OpeningRun::Outcome::Completed);
    EXPECT_TRUE(ui.said.isEmpty()) << ui.texts().join(u'|').toStdString();
    EXPECT_EQ(marks, (QList<QPair<Step, bool>>{{Step::Patrimonial, true}, {Step::Financial, true}, {Step::Budget, true}}));
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=1")), 3);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=2")), 3);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=3")), 5);
}

// Existing opening rows are replaced only after two yeses; any no changes nothing.
TEST(OpeningRun, ConfirmationsGuardExistingOpeningRows)
{
    const QList<QList<Button>> declined = {{Button::No}, {Button::Yes, Button::No}};
    for (const auto &answers : declined) {
        OpeningFixture f;
        f.typicalYear();
        oldRow(*f.current, 1, "311101");
        oldRow(*f.current, 3, "111101");
        const QStringList before = journal(*f.current);
        ScriptedInteraction ui;
        ui.answers.assign(answers.begin(), answers.end());
        EXPECT_EQ(run(f, ui, groupsOnly()), OpeningRun::Outcome::Declined);
        EXPECT_EQ(journal(*f.current), before);
        ASSERT_EQ(ui.said.size(), answers.size());
        EXPECT_EQ(ui.said[0].text, OpeningRun::existingRowsQuestion());
        EXPECT_EQ(ui.said[0].caption, QStringLiteral("Continua?"));
        EXPECT_TRUE(ui.said[0].question);
        if (answers.size() > 1)
            EXPECT_EQ(ui.said[1].text, OpeningRun::manualRowsQuestion());
    }
}

TEST(OpeningRun, ASecondRunReplacesTheFirst)
{
    OpeningFixture f;
    f.typicalYear();
    oldRow(*f.current, 7, "311101"); // a routine row of another kind stays
    ScriptedInteraction first;
    run(f, first, groupsOnly());
    const QStringList once = journal(*f.current);
    ScriptedInteraction second;
    second.answers = {Button::Yes, Button::Yes};
    EXPECT_EQ(run(f, second, groupsOnly()), OpeningRun::Outcome::Completed);
    EXPECT_EQ(second.said.size(), 2);
    EXPECT_EQ(journal(*f.current), once);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=7")), 1);
}

TEST(OpeningRun, OnlyTheChosenGroupsAreCleared)
{
    OpeningFixture f;
    f.typicalYear();
    oldRow(*f.current, 1, "311101");
    oldRow(*f.current, 2, "251101");
    oldRow(*f.current, 3, "111101");
    // Only the repair and the conference: no question and nothing deleted.
    OpeningRun::Options checksOnly;
    checksOnly.patrimonial = checksOnly.financial = checksOnly.budget = false;
    checksOnly.repair = false;
    ScriptedInteraction quiet;
    run(f, quiet, checksOnly);
    EXPECT_TRUE(std::none_of(quiet.said.cbegin(), quiet.said.cend(), [](const auto &s) { return s.question; }));
    EXPECT_EQ(count(*f.current, QStringLiteral("IE IN (1,2,3)")), 3);

    OpeningRun::Options financialOnly = groupsOnly();
    financialOnly.patrimonial = financialOnly.budget = false;
    ScriptedInteraction ui;
    ui.answers = {Button::Yes, Button::Yes};
    run(f, ui, financialOnly);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=1")), 1);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=3")), 1);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=2 AND IMP='403'")), 3);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=2")), 3);
}

// A year closed for one link leaves the other links' patrimonial openings to be
// imported beside it: "Não Apagar" (and Cancel) keep the rows already there.
TEST(OpeningRun, AYearClosedByLinkAsksWhetherToKeepThePatrimonialRows)
{
    const QPair<Button, int> answers[] = {{Button::Yes, 0}, {Button::No, 1}, {Button::Cancel, 1}};
    for (const auto &[answer, kept] : answers) {
        OpeningFixture f;
        f.typicalYear();
        f.previous->exec(QStringLiteral("UPDATE FINAL SET VINGRUPO='002', VINCODIGO='001'"));
        oldRow(*f.current, 1, "311201");
        ScriptedInteraction ui;
        ui.answers = {Button::Yes, Button::Yes, answer};
        EXPECT_EQ(run(f, ui, groupsOnly()), OpeningRun::Outcome::Completed);
        ASSERT_EQ(ui.said.size(), 3);
        EXPECT_EQ(ui.said[2].caption, QStringLiteral("Lançamentos iniciais já existentes! O que fazer?"));
        EXPECT_EQ(ui.said[2].text, OpeningRun::keepQuestion());
        EXPECT_EQ(count(*f.current, QStringLiteral("IE=1 AND BALCO='311201'")), kept);
        EXPECT_EQ(count(*f.current, QStringLiteral("IE=1 AND BALCO='311101'")), 1);
    }
}

// A previous year without FINAL was closed before the table existed: its closing
// was consolidated, the old rows go without asking, and the balances come over.
TEST(OpeningRun, APreviousYearWithoutFinalIsAConsolidatedClosing)
{
    OpeningFixture f;
    f.typicalYear();
    f.previous->exec(QStringLiteral("DROP TABLE FINAL"));
    oldRow(*f.current, 1, "311201");
    ScriptedInteraction ui;
    ui.answers = {Button::Yes, Button::Yes};
    QList<QPair<Step, bool>> marks;
    run(f, ui, groupsOnly(), &marks);
    EXPECT_EQ(ui.said.size(), 2);
    EXPECT_EQ(marks.first(), qMakePair(Step::Patrimonial, true));
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=1 AND BALCO='311201'")), 0);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE=1 AND BALCO='311101' AND VINGRUPO='001' AND VINCODIGO='001'")), 1);
}

// Without the previous year only the current accounts of DESCON are opened; the
// other patrimonial rows entered by hand stay, and the new lines join their block.
TEST(OpeningRun, WithoutThePreviousYearOnlyTheCurrentAccountsAreOpened)
{
    struct Case {
        bool manualRows;
        const char *block;
    };
    for (const Case c : {Case{true, "7"}, Case{false, "401"}}) {
        OpeningFixture f(false);
        f.accounts({QStringLiteral("311101"), QStringLiteral("312101")});
        const struct {
            int conta;
            const char *balco;
            const char *saldo;
        } descon[] = {{1, "311101", "250.00"}, {2, "312101", "0"}, {3, "319999", "80.00"}};
        for (const auto &d : descon)
            f.current->exec(QStringLiteral("INSERT INTO DESCON (CONTA, BALCO, SALDOINICIAL, VINGRUPO, VINCODIGO) VALUES (?,?,?,'001','002')"),
                            {d.conta, QString::fromLatin1(d.balco), QString::fromLatin1(d.saldo)});
        if (c.manualRows) {
            oldRow(*f.current, 1, "321101", "7");
            oldRow(*f.current, 1, "311101", "7");
            oldRow(*f.current, 1, "312101", "7");
        }
        ScriptedInteraction ui;
        ui.answers = {Button::Yes, Button::Yes};
        OpeningRun::Options o = groupsOnly();
        o.financial = o.budget = false;
        QList<QPair<Step, bool>> marks;
        run(f, ui, o, &marks);
        EXPECT_EQ(marks, (QList<QPair<Step, bool>>{{Step::Patrimonial, true}}));

        QStringList told;
        for (const auto &s : ui.said)
            if (!s.question)
                told << s.text;
        EXPECT_EQ(told, (QStringList{OpeningGroups::noPreviousYearMessage(), OpeningGroups::currentAccountsOnlyMessage()}));
        EXPECT_EQ(ui.said.last().caption, QStringLiteral("Atenção"));
        EXPECT_EQ(ui.said.last().icon, Interaction::Icon::Warning);

        QList<Posted> expected;
        if (c.manualRows)
            expected << line("321101", "D", "1.00", 0, "7", "");
        expected << line("311101", "D", "250.00", 101, c.block, "001/002")
                 << line("", "D", "80.00", 101, c.block, "001/002");
        EXPECT_EQ(posted(*f.current, 1), expected);
    }
}

// The groups are written together or not at all: a row the database refuses
// undoes the whole opening, the clearing of the old rows included.
TEST(OpeningRun, ARefusedRowUndoesTheWholeOpening)
{
    OpeningFixture f;
    f.typicalYear();
    oldRow(*f.current, 1, "311201");
    f.current->exec(QStringLiteral("ALTER TABLE CONDIA ADD CONSTRAINT CK_TEST_NO_BUDGET CHECK (IE IS DISTINCT FROM 3 OR BALCO IS NULL OR BALCO <> '121101')"));
    const QStringList before = journal(*f.current);
    ScriptedInteraction ui;
    ui.answers = {Button::Yes, Button::Yes};
    EXPECT_THROW(run(f, ui, groupsOnly()), std::exception);
    EXPECT_EQ(journal(*f.current), before);
    EXPECT_TRUE(ui.texts().last().startsWith(QStringLiteral("Atenção: O seguinte erro ocorreu: ")));
}

TEST(OpeningRun, EveryStepIsMarkedAndTheChartIsRepairedAfterTheOpening)
{
    OpeningFixture f;
    f.typicalYear();
    ScriptedInteraction ui;
    QList<QPair<Step, bool>> marks;
    EXPECT_EQ(run(f, ui, OpeningRun::Options{}, &marks), OpeningRun::Outcome::Completed);
    EXPECT_EQ(marks, (QList<QPair<Step, bool>>{{Step::Patrimonial, true},
                                               {Step::Financial, true},
                                               {Step::Budget, true},
                                               {Step::Repair, true},
                                               {Step::Conference, true}}));
    EXPECT_TRUE(ui.said.isEmpty()) << ui.texts().join(u'|').toStdString();
    EXPECT_GE(f.current->scalar(QStringLiteral("SELECT COUNT(*) FROM CONPLA")).toInt(), 638);
    EXPECT_FALSE(QFile::exists(f.dataDir() + QStringLiteral("/erroini.txt")));
}

// The repair runs after the opening is committed: its failure is told and
// thrown, and the opening stays written.
TEST(OpeningRun, ARepairErrorLeavesTheOpeningWritten)
{
    OpeningFixture f;
    f.typicalYear();
    f.current->exec(QStringLiteral("ALTER TABLE CONPLA ADD CONSTRAINT CK_TEST_REFUSE CHECK (BALCO <> '100000')"));
    ScriptedInteraction ui;
    QList<QPair<Step, bool>> marks;
    EXPECT_THROW(run(f, ui, OpeningRun::Options{}, &marks), DbError);
    EXPECT_EQ(marks.last(), qMakePair(Step::Repair, false));
    EXPECT_EQ(marks.size(), 4);
    EXPECT_EQ(count(*f.current, QStringLiteral("IE IN (1,2,3)")), 11);
}

// The monthly run refuses an empty journal; once opened, it accepts it and its
// clean-up of zero lines leaves the opening as it was.
TEST(OpeningRun, TheMonthlyRunAcceptsTheOpenedJournal)
{
    OpeningFixture f;
    f.typicalYear();
    ScriptedInteraction ui;
    const auto noMark = [](int, bool) {};
    EXPECT_EQ(MonthlyRun(*f.current, ui).run(MonthlyRun::monthItems()[0], noMark), MonthlyRun::Outcome::EmptyJournal);
    run(f, ui, groupsOnly());
    const QStringList opened = journal(*f.current);
    ScriptedInteraction monthly;
    EXPECT_EQ(MonthlyRun(*f.current, monthly).run(MonthlyRun::monthItems()[0], noMark), MonthlyRun::Outcome::Completed);
    QStringList openingRows;
    for (const QString &row : journal(*f.current))
        if (QStringList{"1", "2", "3"}.contains(row.section(u'|', 0, 0)))
            openingRows << row;
    EXPECT_EQ(openingRows, opened);
}
