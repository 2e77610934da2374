#include "JournalFixture.h"
#include "TestDatabase.h"
#include "reports/JournalBook.h"
#include "reports/LedgerBook.h"
#include "reports/RecordListSource.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Compares a layout dump with tests/reports/golden/<name>.txt. With
// DIARIO_UPDATE_GOLDEN=1 the golden file is rewritten instead.
void expectGolden(const QString &name, const QString &dump)
{
    const QString path = QStringLiteral(DIARIO_SOURCE_DIR "/tests/reports/golden/") + name + QStringLiteral(".txt");
    if (qEnvironmentVariableIntValue("DIARIO_UPDATE_GOLDEN") == 1) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(dump.toUtf8());
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString expected = QString::fromUtf8(in.readAll());
    if (expected != dump) {
        const QString actual = QDir::temp().filePath(name + QStringLiteral(".actual.txt"));
        QFile f(actual);
        if (f.open(QIODevice::WriteOnly))
            f.write(dump.toUtf8());
        ADD_FAILURE() << "layout differs from " << path.toStdString() << "; actual written to " << actual.toStdString();
    }
}

// The texts of a page's bands of one name, in order.
QStringList texts(const PageModel &m, int page, const QString &band)
{
    QStringList r;
    const ReportPage &p = m.page(page);
    for (const BandMark &b : p.bands) {
        if (b.name != band)
            continue;
        for (int i = b.firstItem; i < b.firstItem + b.itemCount; ++i) {
            if (p.items[i].kind == PageItem::Kind::Text)
                r << m.itemText(p.items[i], page);
        }
    }
    return r;
}

int pictures(const PageModel &m, int page)
{
    int n = 0;
    for (const PageItem &it : m.page(page).items)
        n += it.kind == PageItem::Kind::Picture;
    return n;
}

class BooksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = TestDatabase::fresh();
        JournalFixture::fill(*db);
    }
    std::unique_ptr<Database> db;
};

TEST_F(BooksTest, FinalJournal)
{
    auto report = JournalBook::make(*db, JournalRequest(), LinkLines::consolidated());
    report->layoutAll();
    const PageModel &m = report->pages();
    expectGolden(QStringLiteral("diario"), m.dump());
    ASSERT_EQ(m.pageCount(), 2);
    // The totals of run 100 come before the first line of run 101, and restart.
    const QStringList footers = texts(m, 0, QStringLiteral("impFooter"));
    ASSERT_GE(footers.size(), 6);
    EXPECT_EQ(footers.mid(0, 3), (QStringList{"T O T A L   G E R A L . . .", "1.000,00", "1.000,00"}));
    EXPECT_EQ(footers.mid(3, 3), (QStringList{"T O T A L   G E R A L . . .", "500,00", "500,00"}));
    // A system header row prints its title but no date.
    const QStringList first = texts(m, 0, QStringLiteral("detail"));
    EXPECT_EQ(first.first(), QStringLiteral("SISTEMA ORCAMENTARIO"));
    EXPECT_EQ(first.at(1), QStringLiteral("RECEITA PREVISTA"));
    EXPECT_EQ(first.at(2), QStringLiteral("31/01/2024"));
    EXPECT_TRUE(texts(m, 0, QStringLiteral("pageHeader")).contains(QStringLiteral("pag 01")));
    EXPECT_TRUE(texts(m, 1, QStringLiteral("pageHeader")).contains(QStringLiteral("pag 02")));
    EXPECT_TRUE(texts(m, 0, QStringLiteral("pageHeader")).contains(QStringLiteral("CONSOLIDADO")));
    EXPECT_EQ(pictures(m, 0), 1);
}

TEST_F(BooksTest, PreliminaryJournalByRecord)
{
    JournalRequest r;
    r.mode = JournalRequest::Mode::RascunhoRegistro;
    r.seqFrom = QStringLiteral("4");
    auto report = JournalBook::make(*db, r, {QStringLiteral("RECURSOS ORDINÁRIOS"), QStringLiteral("TESOURO MUNICIPAL")});
    report->layoutAll();
    const PageModel &m = report->pages();
    expectGolden(QStringLiteral("rascunho-registro"), m.dump());
    ASSERT_EQ(m.pageCount(), 2);
    EXPECT_TRUE(texts(m, 1, QStringLiteral("pageHeader")).contains(QStringLiteral("Pag. 02 de 02")));
    EXPECT_TRUE(texts(m, 0, QStringLiteral("pageHeader")).contains(QStringLiteral("TESOURO MUNICIPAL")));
    EXPECT_EQ(texts(m, 0, QStringLiteral("detail")).first(), QStringLiteral("4"));
}

TEST_F(BooksTest, LedgerPutsEachAccountOnItsOwnPages)
{
    auto report = LedgerBook::make(*db, LedgerRequest(), LinkLines::consolidated());
    report->layoutAll();
    const PageModel &m = report->pages();
    expectGolden(QStringLiteral("razao"), m.dump());
    // 111101, 191101, 211101, 311101, 311201, 411101, 412101: one page each.
    ASSERT_EQ(m.pageCount(), 7);
    for (int p = 0; p < m.pageCount(); ++p)
        EXPECT_EQ(m.page(p).bands.at(1).name, QStringLiteral("accountHeader")) << p;
    // Debits 1.000,00 and 200,00 against a credit of 300,00: 900,00 on the debit side.
    EXPECT_EQ(texts(m, 0, QStringLiteral("accountFooter")),
              (QStringList{"T O T A L   G E R A L . . .", "1.200,00", "300,00", "S A L D O . . . . . . . . .", "900,00", "D"}));
    // 211101 balances: totals, no balance and no side.
    EXPECT_EQ(texts(m, 2, QStringLiteral("accountFooter")),
              (QStringList{"T O T A L   G E R A L . . .", "500,00", "500,00", "S A L D O . . . . . . . . ."}));
    // Only credits: the balance under the credit column with "C".
    EXPECT_EQ(texts(m, 3, QStringLiteral("accountFooter")),
              (QStringList{"T O T A L   G E R A L . . .", "0,00", "50,00", "S A L D O . . . . . . . . .", "50,00", "C"}));
    EXPECT_TRUE(texts(m, 2, QStringLiteral("pageHeader")).contains(QStringLiteral("R A Z Ã O   F I N A N C E I R O")));
    EXPECT_TRUE(texts(m, 0, QStringLiteral("pageHeader")).contains(QStringLiteral("R A Z Ã O   O R Ç A M E N T A R I O")));
}

TEST_F(BooksTest, LedgerBySystemKeepsOneTitle)
{
    LedgerSystemRequest r;
    r.system = 4;
    auto report = LedgerBook::make(*db, r, LinkLines::consolidated());
    report->layoutAll();
    const PageModel &m = report->pages();
    expectGolden(QStringLiteral("razao-sistema"), m.dump());
    ASSERT_EQ(m.pageCount(), 2);
    for (int p = 0; p < m.pageCount(); ++p)
        EXPECT_TRUE(texts(m, p, QStringLiteral("pageHeader")).contains(QStringLiteral("R A Z Ã O   E C O N O M I C O")));

    LedgerSystemRequest none;
    none.dateTo = QStringLiteral("31/01/2024");
    auto all = LedgerBook::make(*db, none, LinkLines::consolidated());
    all->layoutAll();
    for (int p = 0; p < all->pages().pageCount(); ++p)
        EXPECT_TRUE(texts(all->pages(), p, QStringLiteral("pageHeader"))
                        .contains(QStringLiteral("R  A  Z  Ã  O      P  A  T  R  I  M  O  N  I  A  L")));
}

TEST(BooksLogoTest, LogoOnlyWhenShown)
{
    auto db = TestDatabase::fresh();
    JournalFixture::fill(*db, false);
    JournalRequest draft;
    draft.mode = JournalRequest::Mode::RascunhoPeriodo;
    for (const JournalRequest &r : {JournalRequest(), draft}) {
        auto report = JournalBook::make(*db, r, LinkLines::consolidated());
        report->layoutAll();
        EXPECT_EQ(pictures(report->pages(), 0), 0);
    }
}

TEST_F(BooksTest, EmptySelectionPrintsTheHeaders)
{
    JournalRequest r;
    r.dateFrom = QStringLiteral("01/01/2030");
    auto report = JournalBook::make(*db, r, LinkLines::consolidated());
    report->layoutAll();
    ASSERT_EQ(report->pages().pageCount(), 1);
    EXPECT_TRUE(texts(report->pages(), 0, QStringLiteral("detail")).isEmpty());
    EXPECT_TRUE(texts(report->pages(), 0, QStringLiteral("pageHeader")).contains(QStringLiteral("D  I  Á  R  I  O")));
}

// The engine on its own: a definition over rows held in memory.
ReportDefinition twoLevelDefinition()
{
    ReportDefinition def;
    const PrinterFont f = PrinterFont::roman20();
    def.pageHeader = ReportBand(QStringLiteral("pageHeader"), 10);
    def.pageHeader.pageText(0, 0, 50, f, QStringLiteral("{p}/{n}"), PageItem::Align::Left);
    def.pageHeader.field(60, 0, 50, f, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("K")); });
    def.detail = ReportBand(QStringLiteral("detail"), 120);
    def.detail.memo(0, 0, 25.4, f, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("T")); });
    ReportGroup g;
    g.name = QStringLiteral("K");
    g.key = [](const ReportContext &ctx) { return ctx.text(QStringLiteral("K")); };
    g.header = ReportBand(QStringLiteral("kHeader"), 5);
    g.footer = ReportBand(QStringLiteral("kFooter"), 5);
    g.footer.field(0, 0, 50, f, [](const ReportContext &ctx) { return ctx.sum(QStringLiteral("V")).toBr(); });
    def.groups.append(g);
    def.sums.append({QStringLiteral("V"), QStringLiteral("V"), 0});
    def.sums.append({QStringLiteral("ALL"), QStringLiteral("V"), -1});
    def.summary = ReportBand(QStringLiteral("summary"), 5);
    def.summary.field(0, 0, 50, f, [](const ReportContext &ctx) { return ctx.sum(QStringLiteral("ALL")).toBr(); });
    def.pageFooter = ReportBand(QStringLiteral("pageFooter"), 10);
    def.pageFooter.line(0, 1, 100);
    return def;
}

TEST(ReportEngineTest, BreaksPagesGrowsBandsAndRestartsSums)
{
    const ReportDefinition def = twoLevelDefinition();
    RecordListSource rows({QStringLiteral("K"), QStringLiteral("T"), QStringLiteral("V")},
                          {{"a", "x", 1.5}, {"a", QString(45, u'y'), 2.0}, {"b", "z", 4.0}});
    PageModel model;
    ReportLayouter layouter(def, rows, model);
    EXPECT_TRUE(layouter.step(1));
    EXPECT_EQ(model.pageCount(), 2); // the second page is open, not finished
    EXPECT_FALSE(layouter.step(100));
    model.setComplete(true);
    ASSERT_EQ(model.pageCount(), 3);
    // 20 characters to a line at 20 cpi in 25.4 mm: 45 characters take three lines.
    const ReportPage &second = model.page(1);
    EXPECT_EQ(second.bands.at(1).name, QStringLiteral("detail"));
    EXPECT_NEAR(second.bands.at(1).h, 120 + 2 * PrinterFont::roman20().lineHeightMm(), 1e-4);
    EXPECT_EQ(texts(model, 1, QStringLiteral("detail")), (QStringList{QString(20, u'y'), QString(20, u'y'), QString(5, u'y')}));
    EXPECT_EQ(texts(model, 1, QStringLiteral("kFooter")), QStringList{"3,50"});
    EXPECT_EQ(texts(model, 2, QStringLiteral("kFooter")), QStringList{"4,00"});
    EXPECT_EQ(texts(model, 2, QStringLiteral("summary")), QStringList{"7,50"});
    // The page header sees the row about to print; the footer sits at the foot.
    EXPECT_EQ(texts(model, 2, QStringLiteral("pageHeader")), (QStringList{"03/03", "b"}));
    const BandMark &foot = model.page(0).bands.last();
    EXPECT_EQ(foot.name, QStringLiteral("pageFooter"));
    EXPECT_NEAR(foot.y, model.contentMm().height() - 10, 1e-4);
}

} // namespace
