#include "OpeningFixture.h"
#include "data/ScriptedInteraction.h"
#include "routine/PostingRoutine.h"
#include "yearend/OpeningGroups.h"
#include "yearend/OpeningRun.h"

#include <gtest/gtest.h>

namespace {

using Step = OpeningRun::Step;

OpeningRun::Options only(Step step)
{
    OpeningRun::Options o;
    o.patrimonial = step == Step::Patrimonial;
    o.financial = step == Step::Financial;
    o.budget = step == Step::Budget;
    o.repair = false;
    o.conference = false;
    return o;
}

// Runs the opening and gives the marks it made, in order.
QList<QPair<Step, bool>> runOpening(OpeningFixture &f, Interaction &ui, const OpeningRun::Options &options)
{
    QList<QPair<Step, bool>> marks;
    OpeningRun run(*f.current, *f.paths, ui);
    EXPECT_EQ(run.run(options, [&](Step s, bool ok) { marks.append({s, ok}); }), OpeningRun::Outcome::Completed);
    return marks;
}

} // namespace

// The previous year's patrimonial balances become the opening of the new year:
// debits first, then credits, on the link the previous year was closed for.
TEST(PatrimonialOpening, CarriesThePreviousBalancesOntoTheLinkTheYearWasClosedFor)
{
    OpeningFixture f;
    Database &prev = *f.previous;
    prev.exec(QStringLiteral("UPDATE FINAL SET VINGRUPO='005', VINCODIGO='002'"));
    OpeningFixture::account(prev, QStringLiteral("311000"), QStringLiteral("D"), "2500.00"); // group account
    OpeningFixture::account(prev, QStringLiteral("311101"), QStringLiteral("D"), "1000.00");
    OpeningFixture::account(prev, QStringLiteral("311201"), QStringLiteral("D"), "1500.00", QStringLiteral("Banco Novo"));
    OpeningFixture::account(prev, QStringLiteral("313101"), QStringLiteral("D"), "0");     // no balance
    OpeningFixture::account(prev, QStringLiteral("313102"), QStringLiteral("D"), "-40.00"); // against its nature
    OpeningFixture::account(prev, QStringLiteral("321102"), QStringLiteral("C"), "800.00");
    OpeningFixture::account(prev, QStringLiteral("321104"), QStringLiteral("C"), "200.00");
    OpeningFixture::account(prev, QStringLiteral("361101"), QStringLiteral("C"), "2460.00");
    OpeningFixture::account(prev, QStringLiteral("251101"), QStringLiteral("D"), "999.00"); // not patrimonial
    f.accounts({QStringLiteral("311101"), QStringLiteral("313102"), QStringLiteral("321101"), QStringLiteral("321102"),
                QStringLiteral("361101")});
    f.current->exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO) VALUES ('005', '001')"));

    ScriptedInteraction ui;
    const auto marks = runOpening(f, ui, only(Step::Patrimonial));
    EXPECT_EQ(marks, (QList<QPair<Step, bool>>{{Step::Patrimonial, true}}));
    EXPECT_TRUE(ui.said.isEmpty()) << ui.texts().join(u'|').toStdString();

    const auto rows = posted(*f.current, 1);
    const QList<Posted> expected = {
        header("2", "", "2"),
        line("311101", "D", "1000.00", 101, "2", "005/001"),
        line("311201", "D", "1500.00", 101, "2", "005/001"),
        line("313102", "D", "-40.00", 101, "2", "005/001"),
        line("321101", "C", "800.00", 101, "2", "005/001"),
        line("321101", "C", "200.00", 101, "2", "005/001"),
        line("361101", "C", "2460.00", 101, "2", "005/001"),
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(rows[0].titco, QStringLiteral("SISTEMA PATRIMONIAL"));
    EXPECT_EQ(rows[2].titco, QStringLiteral("Banco Novo"));
    EXPECT_EQ(rows[2].discri, QStringLiteral("Histórico 101"));

    // The account missing in the new chart was added there with zero totals.
    QSqlQuery added = f.current->query(QStringLiteral("SELECT TIP, TITCO, D_C, CREDIT, DEBIT, SALDO FROM CONPLA WHERE BALCO='311201'"));
    ASSERT_TRUE(added.next());
    EXPECT_EQ(added.value(0).toString(), QStringLiteral("3"));
    EXPECT_EQ(added.value(1).toString(), QStringLiteral("Banco Novo"));
    EXPECT_EQ(added.value(2).toString(), QStringLiteral("D"));
    for (int i = 3; i <= 5; ++i)
        EXPECT_TRUE(Money::fromVariant(added.value(i), 2).isZero());
}

TEST(PatrimonialOpening, LinkFallsBackToTheGroupsFirstCodeAndThenTo001)
{
    struct Case {
        const char *finalGroup;
        const char *finalCode;
        QStringList currentLinks; // "grupo/codigo" defined in the new year besides 001/001
        const char *expected;
    };
    const Case cases[] = {
        {"005", "002", {"005/002"}, "005/002"},
        {"005", "002", {"005/003", "005/004"}, "005/003"},
        {"005", "002", {"006/002"}, "001/001"},
        {nullptr, nullptr, {}, "001/001"}, // consolidated closing
    };
    for (const Case &c : cases) {
        OpeningFixture f;
        if (c.finalGroup)
            f.previous->exec(QStringLiteral("UPDATE FINAL SET VINGRUPO=?, VINCODIGO=?"),
                             {QString::fromLatin1(c.finalGroup), QString::fromLatin1(c.finalCode)});
        for (const QString &l : c.currentLinks)
            f.current->exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO) VALUES (?, ?)"),
                            {l.left(3), l.right(3)});
        OpeningFixture::account(*f.previous, QStringLiteral("311101"), QStringLiteral("D"), "10.00");
        ScriptedInteraction ui;
        runOpening(f, ui, only(Step::Patrimonial));
        const auto rows = posted(*f.current, 1);
        ASSERT_EQ(rows.size(), 2);
        EXPECT_EQ(rows[1].link, QString::fromLatin1(c.expected)) << c.expected;
    }
}

// DESCON's opening balances, summed per availability account and link.
TEST(FinancialOpening, SumsTheCashAndBankBalancesPerLink)
{
    OpeningFixture f;
    f.accounts({QStringLiteral("251101"), QStringLiteral("251102"), QStringLiteral("251105"), QStringLiteral("261101"),
                QStringLiteral("261102"), QStringLiteral("261105")});
    const struct {
        int conta;
        const char *balco;
        const char *saldo;
        const char *group;
        const char *code;
    } descon[] = {
        {1, "311201", "1000.00", "001", "001"}, {2, "311202", "500.00", "001", "001"},
        {3, "312101", "300.00", "001", "001"},  {4, "311101", "75.50", "002", "001"},
        {5, "311401", "0", "002", "001"},
    };
    for (const auto &d : descon)
        f.current->exec(QStringLiteral("INSERT INTO DESCON (CONTA, BALCO, SALDOINICIAL, VINGRUPO, VINCODIGO) VALUES (?,?,?,?,?)"),
                        {d.conta, QString::fromLatin1(d.balco), QString::fromLatin1(d.saldo),
                         QString::fromLatin1(d.group), QString::fromLatin1(d.code)});
    ScriptedInteraction ui;
    const auto marks = runOpening(f, ui, only(Step::Financial));
    EXPECT_EQ(marks, (QList<QPair<Step, bool>>{{Step::Financial, true}}));
    const QList<Posted> expected = {
        header("403", "001/001"),
        line("251102", "D", "1500.00", 102, "403", "001/001"),
        line("251105", "D", "300.00", 102, "403", "001/001"),
        line("261102", "C", "1500.00", 103, "403", "001/001"),
        line("261105", "C", "300.00", 103, "403", "001/001"),
        header("403", "002/001"),
        line("251101", "D", "75.50", 102, "403", "002/001"),
        line("261101", "C", "75.50", 103, "403", "002/001"),
    };
    const auto rows = posted(*f.current, 2);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(rows[0].titco, QStringLiteral("SISTEMA FINANCEIRO"));
}

TEST(FinancialOpening, EachOfTheSixAvailabilitiesHasItsOwnAccount)
{
    OpeningFixture f;
    for (const char *prefix : {"2511", "2611"})
        for (int i = 1; i <= 6; ++i)
            f.accounts({QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i, 2, 10, QChar(u'0'))});
    const char *balcos[] = {"311101", "311201", "311301", "311401", "312101", "311501", "313101"};
    int conta = 0;
    for (const char *b : balcos)
        f.current->exec(QStringLiteral("INSERT INTO DESCON (CONTA, BALCO, SALDOINICIAL, VINGRUPO, VINCODIGO) VALUES (?,?,?,'001','001')"),
                        {++conta, QString::fromLatin1(b), conta * 10});
    ScriptedInteraction ui;
    runOpening(f, ui, only(Step::Financial));
    QStringList debits, credits;
    for (const Posted &p : posted(*f.current, 2))
        if (!p.side.isEmpty())
            (p.side == u"D" ? debits : credits) << p.balco + u'=' + p.amount.toSql();
    EXPECT_EQ(debits, (QStringList{"251101=10.00", "251102=20.00", "251103=30.00", "251104=40.00", "251105=50.00",
                                   "251106=60.00"}));
    EXPECT_EQ(credits.size(), 6);
    EXPECT_EQ(credits[3], QStringLiteral("261104=40.00"));
}

namespace {

void revenue(Database &db, int ficha, const char *codre, const char *totor, const char *group, const char *code)
{
    db.exec(QStringLiteral("UPDATE OR INSERT INTO RECTAB (CODRE, NOMRE) VALUES (?, ?) MATCHING (CODRE)"),
            {QString::fromLatin1(codre), QStringLiteral("Receita ") + QString::fromLatin1(codre)});
    db.exec(QStringLiteral("INSERT INTO RECDIS (FICHA, CODRE, TOTOR, EXTRA, VINGRUPO, VINCODIGO) VALUES (?,?,?,'N',?,?)"),
            {ficha, QString::fromLatin1(codre), QString::fromLatin1(totor), QString::fromLatin1(group),
             QString::fromLatin1(code)});
}

void appropriation(Database &db, int ficha, const char *dotac, const char *extra, const QVariant &group, const char *code)
{
    db.exec(QStringLiteral("INSERT INTO DESDIS (FICHA, DOTAC, EXTRA, VINGRUPO, VINCODIGO) VALUES (?,?,?,?,?)"),
            {ficha, QString::fromLatin1(dotac), QString::fromLatin1(extra), group, QString::fromLatin1(code)});
}

} // namespace

// The revenue estimate by category against the estimated revenue, the fixed
// expenditure against the appropriated credits; the difference of a link is its
// forecast deficit or surplus.
TEST(BudgetOpening, DeficitAndSurplusLinksBalance)
{
    OpeningFixture f;
    f.accounts({QStringLiteral("111101"), QStringLiteral("111107"), QStringLiteral("111201"), QStringLiteral("111702"),
                QStringLiteral("111907"), QStringLiteral("112101"), QStringLiteral("121101"), QStringLiteral("122101"),
                QStringLiteral("152101"), QStringLiteral("162101")});
    // 001/001: revenue 100, appropriation 120 (deficit 20).
    revenue(*f.current, 1, "11120000", "60.00", "001", "001");
    revenue(*f.current, 2, "17210000", "40.00", "001", "001");
    appropriation(*f.current, 1, "120.00", "N", QStringLiteral("001"), "001");
    appropriation(*f.current, 2, "999.00", "S", QStringLiteral("001"), "001"); // extra-budget: left out
    // 002/001: revenue 150 (one intra-budget, one deduction), appropriation 120 (surplus 30).
    revenue(*f.current, 3, "11130000", "100.00", "002", "001");
    revenue(*f.current, 4, "72100000", "70.00", "002", "001");
    revenue(*f.current, 5, "97100000", "-20.00", "002", "001");
    appropriation(*f.current, 3, "120.00", "N", QStringLiteral("002"), "001");

    ScriptedInteraction ui;
    const auto marks = runOpening(f, ui, only(Step::Budget));
    EXPECT_EQ(marks, (QList<QPair<Step, bool>>{{Step::Budget, true}}));
    EXPECT_TRUE(ui.said.isEmpty()) << ui.texts().join(u'|').toStdString();
    const QList<Posted> expected = {
        header("405", "001/001"),
        line("111101", "D", "60.00", 104, "405", "001/001"),
        line("111107", "D", "40.00", 104, "405", "001/001"),
        line("112101", "D", "20.00", 104, "405", "001/001"),
        line("162101", "C", "120.00", 105, "405", "001/001"),
        line("152101", "D", "120.00", 105, "405", "001/001"),
        line("121101", "C", "120.00", 106, "405", "001/001"),
        line("111101", "D", "100.00", 104, "405", "002/001"),
        line("111702", "D", "70.00", 104, "405", "002/001"),
        line("111907", "D", "-20.00", 104, "405", "002/001"),
        line("162101", "C", "150.00", 105, "405", "002/001"),
        line("152101", "D", "150.00", 105, "405", "002/001"),
        line("122101", "C", "30.00", 106, "405", "002/001"),
        line("121101", "C", "120.00", 106, "405", "002/001"),
    };
    const auto rows = posted(*f.current, 3);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(rows[0].titco, QStringLiteral("SISTEMA ORCAMENTARIO"));
}

TEST(BudgetOpening, RevenueAccountsByCategory)
{
    const QPair<const char *, const char *> cases[] = {
        {"11120000", "111101"}, {"19900000", "111109"}, {"24000000", "111204"}, {"71000000", "111701"},
        {"83000000", "111803"}, {"97100000", "111907"}, {"91000000", ""},       {"31000000", ""},
        {"1", ""},
    };
    for (const auto &[codre, account] : cases)
        EXPECT_EQ(OpeningGroups::revenueAccount(QString::fromLatin1(codre)), QString::fromLatin1(account)) << codre;
}

TEST(BudgetOpening, ACodeNoRulePlacesIsPostedWithoutAccountAndNamed)
{
    OpeningFixture f;
    revenue(*f.current, 1, "91000000", "10.00", "001", "001");
    revenue(*f.current, 2, "92000000", "0", "001", "001"); // nothing to post, nothing to say
    appropriation(*f.current, 1, "10.00", "N", QStringLiteral("001"), "001");
    ScriptedInteraction ui;
    runOpening(f, ui, only(Step::Budget));
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_EQ(ui.said[0].text, PostingRoutine::missingAccountMessage(QStringLiteral("91000000"), true));
    EXPECT_EQ(ui.said[0].caption, QStringLiteral("Erro de lançamento"));
    const auto rows = posted(*f.current, 3);
    ASSERT_GE(rows.size(), 2);
    EXPECT_EQ(rows[1], line("", "D", "10.00", 104, "405", "001/001"));
    // The other accounts are missing from this chart too, but only the code that
    // no rule could place is told.
    EXPECT_EQ(rows.size(), 5);
}

TEST(BudgetOpening, RecordsWithoutLinkAreToldOnceAndThePostingsGoOn)
{
    OpeningFixture f;
    f.accounts({QStringLiteral("111101"), QStringLiteral("162101")});
    revenue(*f.current, 1, "11120000", "50.00", "001", "001");
    appropriation(*f.current, 1, "30.00", "N", QVariant(QMetaType(QMetaType::QString)), "001");
    appropriation(*f.current, 2, "20.00", "N", QString(), "");
    ScriptedInteraction ui;
    const auto marks = runOpening(f, ui, only(Step::Budget));
    EXPECT_EQ(marks, (QList<QPair<Step, bool>>{{Step::Budget, true}}));
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_EQ(ui.said[0].text, OpeningGroups::unlinkedRecordsMessage());
    EXPECT_EQ(ui.said[0].caption, QStringLiteral("Atenção"));
    EXPECT_EQ(ui.said[0].icon, Interaction::Icon::Error);
    const auto rows = posted(*f.current, 3);
    EXPECT_TRUE(rows.contains(line("111101", "D", "50.00", 104, "405", "001/001")));
    EXPECT_TRUE(rows.contains(line("162101", "C", "50.00", 105, "405", "001/001")));
}
