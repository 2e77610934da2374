#include "reports/JournalBook.h"

#include "reports/BookParts.h"
#include "reports/QueryReportSource.h"

namespace JournalBook {

namespace {

using Align = ReportBand::Align;
using Stroke = ReportBand::Stroke;
using BookParts::ContentWidth;

const QString Title = QStringLiteral("D  I  Á  R  I  O");
const QString TotalCaption = QStringLiteral("T O T A L   G E R A L . . .");

// Column positions of one form of the journal.
struct Columns {
    double titco, date, balco, history, debitEnd, creditEnd;
};

void captions(ReportBand &band, double y, const Columns &c)
{
    const PrinterFont f = PrinterFont::roman20();
    band.line(0, y, ContentWidth, Stroke::Dotted);
    band.label(c.titco, y + 1.2, f, QStringLiteral("TITULO DA CONTA"));
    band.label(c.date, y + 1.2, f, QStringLiteral("DATA"));
    band.label(c.balco, y + 1.2, f, QStringLiteral("CONTA"));
    band.label(c.history, y + 1.2, f, QStringLiteral("HISTÓRICO"));
    BookParts::labelRight(band, c.debitEnd, y + 1.2, f, QStringLiteral("DÉBITO"));
    BookParts::labelRight(band, c.creditEnd, y + 1.2, f, QStringLiteral("CRÉDITO"));
    band.line(0, y + 5.5, ContentWidth, Stroke::Dotted);
}

void detail(ReportBand &band, const Columns &c, double historyWidth, double y)
{
    const PrinterFont f = PrinterFont::roman20();
    band.field(c.titco, y, c.date - c.titco - 1.0, f, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("TITCO")); });
    band.field(c.date, y, c.balco - c.date - 0.5, f, [](const ReportContext &ctx) {
        return BookParts::isSystemHeader(ctx) ? QString() : ctx.dateText(QStringLiteral("DATAE"));
    });
    band.field(c.balco, y, c.history - c.balco - 0.5, f, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("BALCO")); });
    band.memo(c.history, y, historyWidth, f, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("DISCRI")); });
    BookParts::amount(band, c.debitEnd, y, QStringLiteral("DEBIT"));
    BookParts::amount(band, c.creditEnd, y, QStringLiteral("CREDI"));
}

// After the last line of every run of equal IMP, the sums of that run.
void impGroup(ReportDefinition &def, double debitEnd, double creditEnd)
{
    ReportGroup g;
    g.name = QStringLiteral("IMP");
    g.key = [](const ReportContext &ctx) { return ctx.text(QStringLiteral("IMP")); };
    g.header = ReportBand(QStringLiteral("impHeader"));
    g.footer = ReportBand(QStringLiteral("impFooter"), 14.0);
    const PrinterFont f = PrinterFont::roman20();
    g.footer.line(debitEnd - 32, 1.0, creditEnd, Stroke::Dotted);
    g.footer.label(90.2, 4.5, f, TotalCaption);
    g.footer.field(debitEnd - 40 - 0.1, 4.5, 40, f, BookParts::sumText(QStringLiteral("DEBIT")), Align::Right);
    g.footer.field(creditEnd - 40, 4.5, 40, f, BookParts::sumText(QStringLiteral("CREDI")), Align::Right);
    g.footer.line(debitEnd - 32, 9.5, creditEnd, Stroke::Dotted);
    def.groups.append(g);
    def.sums.append({QStringLiteral("DEBIT"), QStringLiteral("DEBIT"), 0});
    def.sums.append({QStringLiteral("CREDI"), QStringLiteral("CREDI"), 0});
}

void pageFooter(ReportDefinition &def, double height)
{
    def.pageFooter = ReportBand(QStringLiteral("pageFooter"), height);
    def.pageFooter.line(0, 1.0, ContentWidth, Stroke::Dotted);
}

} // namespace

std::unique_ptr<ReportDefinition> finalDefinition(const ReportEntity &entity, const LinkLines &links)
{
    auto def = std::make_unique<ReportDefinition>();
    def->name = QStringLiteral("relatorio");
    const Columns header{20.4, 72.5, 92.3, 105.6, 176.0, 199.5};
    const Columns lines{20.4, 72.5, 92.1, 105.6, 176.0, 199.5};

    ReportBand &h = def->pageHeader = ReportBand(QStringLiteral("pageHeader"), 51.9);
    BookParts::entityHeader(h, entity, links, 23.0, 42.3);
    h.pageText(150, 34.4, ContentWidth - 150, PrinterFont::roman20(), QStringLiteral("pag {p}"), Align::Right);
    h.label(0, 25.0, PrinterFont::roman6(), Title, Align::Center, ContentWidth);
    captions(h, 40.0, header);

    def->detail = ReportBand(QStringLiteral("detail"), 4.0);
    detail(def->detail, lines, 49.2, 0.25);
    impGroup(*def, 176.0, 199.5);
    pageFooter(*def, 12.2);
    return def;
}

std::unique_ptr<ReportDefinition> draftDefinition(const ReportEntity &entity, const LinkLines &links)
{
    auto def = std::make_unique<ReportDefinition>();
    def->name = QStringLiteral("relatorio2");
    const Columns header{18.0, 71.4, 88.9, 102.9, 174.1, 198.2};
    const Columns lines{17.7, 71.2, 88.4, 102.7, 173.8, 197.9};
    const PrinterFont body = PrinterFont::roman20();
    const PrinterFont name = PrinterFont::draft10(12, true);

    ReportBand &h = def->pageHeader = ReportBand(QStringLiteral("pageHeader"), 45.0);
    h.picture(11.6, 0.5, 18.0, 17.5, entity.printedLogo());
    h.label(30.7, 7.9, name, entity.name, Align::Left, ContentWidth - 30.7);
    h.label(30.7, 13.0, name, QStringLiteral("Exercício de ") + entity.year, Align::Left, 100);
    h.label(30.7, 18.5, body, links.first, Align::Left, ContentWidth - 30.7);
    h.label(30.7, 22.0, body, links.second, Align::Left, ContentWidth - 30.7);
    h.pageText(140, 14.8, 198.2 - 140, body, QStringLiteral("Pag. {p} de {n}"), Align::Right);
    h.label(0, 29.1, PrinterFont::roman6(), Title, Align::Center, ContentWidth);
    captions(h, 37.0, header);

    def->detail = ReportBand(QStringLiteral("detail"), 4.8);
    ReportBand &d = def->detail;
    d.field(7.4, 0.6, 15.6 - 7.4, body, [](const ReportContext &ctx) { return ctx.text(QStringLiteral("SEQ")); }, Align::Right);
    detail(d, lines, 48.7, 0.6);
    impGroup(*def, 173.8, 197.9);
    pageFooter(*def, 12.2);
    return def;
}

std::unique_ptr<Report> make(Database &db, const JournalRequest &request, const LinkLines &links)
{
    const QString sql = request.sql();
    const ReportEntity entity = ReportEntity::load(db);
    auto report = std::make_unique<Report>(request.isDraft() ? QStringLiteral("Rascunho do Diário") : QStringLiteral("Diário"));
    auto def = request.isDraft() ? draftDefinition(entity, links) : finalDefinition(entity, links);
    report->addPart(std::move(def), std::make_unique<QueryReportSource>(db, sql));
    return report;
}

} // namespace JournalBook
