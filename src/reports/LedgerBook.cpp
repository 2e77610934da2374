#include "reports/LedgerBook.h"

#include "reports/BookParts.h"
#include "reports/LedgerTitles.h"
#include "reports/QueryReportSource.h"

#include <memory>

namespace LedgerBook {

namespace {

using Align = ReportBand::Align;
using Stroke = ReportBand::Stroke;
using BookParts::ContentWidth;

constexpr double RuleLeft = 22.0;
constexpr double RuleRight = 170.0;
constexpr double DebitEnd = 141.3;
constexpr double CreditEnd = 162.7;
constexpr double SideEnd = 169.1;

ReportBand::TextFn titleFor(const QString &fixedTitle)
{
    if (!fixedTitle.isEmpty())
        return [fixedTitle](const ReportContext &) { return fixedTitle; };
    // A digit that names no system leaves the title of the page before.
    auto current = std::make_shared<QString>(LedgerTitles::initial());
    return [current](const ReportContext &ctx) {
        const QString t = LedgerTitles::forSystem(ctx.text(QStringLiteral("BALCO")).left(1).isEmpty() ? QChar() : ctx.text(QStringLiteral("BALCO")).at(0));
        if (!t.isEmpty())
            *current = t;
        return *current;
    };
}

Money debitBalance(const ReportContext &ctx)
{
    return ctx.sum(QStringLiteral("DEBIT")) - ctx.sum(QStringLiteral("CREDI"));
}

void accountGroup(ReportDefinition &def, Variant variant)
{
    const PrinterFont f = PrinterFont::roman20();
    const double pen = variant == Variant::BySystem ? 0.5 : 0.2;
    ReportGroup g;
    g.name = QStringLiteral("BALCO");
    g.newPage = true;
    g.key = [](const ReportContext &ctx) { return ctx.text(QStringLiteral("BALCO")); };

    g.header = ReportBand(QStringLiteral("accountHeader"), 16.7);
    const PrinterFont account = PrinterFont::draft10(11, true);
    g.header.field(23.3, 0.8, 43.4 - 23.3, account, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("BALCO")); });
    g.header.field(43.4, 0.8, RuleRight - 43.4, account, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("TITCO")); });
    g.header.line(RuleLeft, 6.8, RuleRight, Stroke::Dotted);
    g.header.label(24.3, 8.3, f, QStringLiteral("DATA"));
    g.header.label(43.1, 8.3, f, QStringLiteral("HISTÓRICO"));
    BookParts::labelRight(g.header, DebitEnd, 8.3, f, QStringLiteral("DÉBITO"));
    BookParts::labelRight(g.header, 162.8, 8.3, f, QStringLiteral("CRÉDITO"));
    BookParts::labelRight(g.header, SideEnd, 8.3, f, QStringLiteral("D/C"));
    g.header.line(RuleLeft, 12.8, RuleRight, Stroke::Dotted);

    g.footer = ReportBand(QStringLiteral("accountFooter"), 20.9);
    ReportBand &t = g.footer;
    t.line(DebitEnd - 24, 1.0, RuleRight, Stroke::Dotted, pen);
    t.label(60.6, 2.5, f, QStringLiteral("T O T A L   G E R A L . . ."));
    t.field(141.2 - 40, 2.5, 40, f, BookParts::sumText(QStringLiteral("DEBIT")), Align::Right);
    t.field(CreditEnd - 40, 2.5, 40, f, BookParts::sumText(QStringLiteral("CREDI")), Align::Right);
    t.line(DebitEnd - 24, 7.0, RuleRight, Stroke::Dotted, pen);
    t.label(60.9, 8.5, f, QStringLiteral("S A L D O . . . . . . . . ."));
    t.field(141.2 - 40, 8.5, 40, f, [](const ReportContext &ctx) {
        const Money b = debitBalance(ctx);
        return b > Money() ? b.toBr() : QString();
    }, Align::Right);
    t.field(CreditEnd - 40, 8.5, 40, f, [](const ReportContext &ctx) {
        const Money b = -debitBalance(ctx);
        return b > Money() ? b.toBr() : QString();
    }, Align::Right);
    t.field(SideEnd - 5, 8.5, 5, f, [](const ReportContext &ctx) {
        const Money b = debitBalance(ctx);
        return b > Money() ? QStringLiteral("D") : b < Money() ? QStringLiteral("C") : QString();
    }, Align::Right);
    t.line(RuleLeft, 13.5, RuleRight, Stroke::Dotted, pen);

    def.groups.append(g);
    def.sums.append({QStringLiteral("DEBIT"), QStringLiteral("DEBIT"), 0});
    def.sums.append({QStringLiteral("CREDI"), QStringLiteral("CREDI"), 0});
}

} // namespace

std::unique_ptr<ReportDefinition> definition(const ReportEntity &entity, const LinkLines &links, Variant variant,
                                             const QString &fixedTitle)
{
    auto def = std::make_unique<ReportDefinition>();
    def->name = QStringLiteral("relatorio");
    const PrinterFont f = PrinterFont::roman20();

    ReportBand &h = def->pageHeader = ReportBand(QStringLiteral("pageHeader"), 38.4);
    BookParts::entityHeader(h, entity, links, 23.0, 42.1);
    const double pageY = variant == Variant::BySystem ? 19.1 : 24.1;
    h.pageText(130, pageY, 168.6 - 130, f, QStringLiteral("pag {p}"), Align::Right);
    h.field(0, 30.2, ContentWidth, PrinterFont::roman6(), titleFor(fixedTitle), Align::Center);

    accountGroup(*def, variant);

    def->detail = ReportBand(QStringLiteral("detail"), 5.3);
    ReportBand &d = def->detail;
    d.field(24.6, 0.8, 42.9 - 24.6, f, [](const ReportContext &ctx) { return ctx.dateText(QStringLiteral("DATAE")); });
    d.memo(42.9, 0.8, 74.6, f, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("DISCRI")); });
    BookParts::amount(d, DebitEnd, 0.8, QStringLiteral("DEBIT"));
    BookParts::amount(d, CreditEnd, 0.8, QStringLiteral("CREDI"));

    def->pageFooter = ReportBand(QStringLiteral("pageFooter"), variant == Variant::BySystem ? 6.3 : 10.6);
    def->pageFooter.line(RuleLeft, 1.0, RuleRight, Stroke::Dotted);
    return def;
}

std::unique_ptr<Report> make(Database &db, const LedgerRequest &request, const LinkLines &links)
{
    const QString sql = request.sql();
    auto report = std::make_unique<Report>(QStringLiteral("Razão"));
    report->addPart(definition(ReportEntity::load(db), links, Variant::Ledger), std::make_unique<QueryReportSource>(db, sql));
    return report;
}

std::unique_ptr<Report> make(Database &db, const LedgerSystemRequest &request, const LinkLines &links)
{
    const QString sql = request.sql();
    auto report = std::make_unique<Report>(QStringLiteral("Razão por Sistema"));
    report->addPart(definition(ReportEntity::load(db), links, Variant::BySystem, request.title()),
                    std::make_unique<QueryReportSource>(db, sql));
    return report;
}

} // namespace LedgerBook
