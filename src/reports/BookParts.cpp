#include "reports/BookParts.h"

namespace BookParts {

namespace {
constexpr double AmountBox = 40;
}

double entityHeader(ReportBand &band, const ReportEntity &entity, const LinkLines &links, double logoX, double textX)
{
    const PrinterFont body = PrinterFont::roman20();
    const PrinterFont name = PrinterFont::draft10(12, true);
    const double width = ContentWidth - textX;
    band.picture(logoX, 0.5, 18.0, 17.5, entity.printedLogo());
    band.label(textX, 0.5, name, entity.name, ReportBand::Align::Left, width);
    band.label(textX, 6.0, body, entity.address, ReportBand::Align::Left, width);
    band.label(textX, 9.5, body, entity.cgc, ReportBand::Align::Left, 50);
    band.label(textX + 52, 9.5, body, QStringLiteral("Exercício: ") + entity.year);
    band.label(textX, 13.0, body, links.first, ReportBand::Align::Left, width);
    band.label(textX, 16.5, body, links.second, ReportBand::Align::Left, width);
    return 16.5 + body.lineHeightMm();
}

ReportBand::TextFn amountText(const QString &column)
{
    return [column](const ReportContext &ctx) { return ctx.value(column).isNull() ? QString() : ctx.money(column).toBr(); };
}

ReportBand::TextFn sumText(const QString &sum)
{
    return [sum](const ReportContext &ctx) { return ctx.sum(sum).toBr(); };
}

ReportBand &amount(ReportBand &band, double rightX, double y, const QString &column)
{
    return band.field(rightX - AmountBox, y, AmountBox, PrinterFont::roman20(), amountText(column), ReportBand::Align::Right);
}

ReportBand &labelRight(ReportBand &band, double rightX, double y, const PrinterFont &font, const QString &text)
{
    const double w = font.textWidthMm(text);
    return band.label(rightX - w, y, font, text, ReportBand::Align::Right, w);
}

bool isSystemHeader(const ReportContext &ctx)
{
    return ctx.text(QStringLiteral("TITCO")).startsWith(QStringLiteral("SISTEMA"));
}

} // namespace BookParts
