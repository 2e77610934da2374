#include "reports/ReportPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <stdexcept>

namespace {

QFont deviceFont(const PrinterFont &pf, double pxPerMm, const QPaintDevice *device)
{
    QFont f(pf.family);
    f.setStyleHint(QFont::Monospace);
    f.setBold(pf.bold);
    // Point sizes are taken by the device at its own resolution: ask for the size
    // in device pixels that the millimetre scale gives.
    const double px = pf.pointSize * 25.4 / 72.0 * pxPerMm;
    f.setPointSizeF(px * 72.0 / device->logicalDpiY());
    f.setKerning(false);
    return f;
}

void drawText(QPainter &p, const PageModel &model, const PageItem &it, int page, QPointF origin, double pxPerMm)
{
    const PrinterFont &pf = model.fonts()[it.font];
    const QString text = model.itemText(it, page);
    const QFont font = deviceFont(pf, pxPerMm, p.device());
    p.setFont(font);
    const QFontMetricsF fm(font, p.device());
    // Every character takes the printer font's pitch, whatever the face's own
    // advance: the text is stretched horizontally to the pitch.
    const double natural = fm.horizontalAdvance(QStringLiteral("0"));
    const double pitchPx = pf.charWidthMm() * pxPerMm;
    double sx = natural > 0 ? pitchPx / natural : 1.0;
    double widthMm = pf.textWidthMm(text);
    if (it.align == PageItem::Align::Center && widthMm > it.w && widthMm > 0) {
        sx *= it.w / widthMm;
        widthMm = it.w;
    }
    double left = it.x;
    if (it.align == PageItem::Align::Right)
        left = it.x + it.w - widthMm;
    else if (it.align == PageItem::Align::Center)
        left = it.x + (it.w - widthMm) / 2;
    const double lineTopPx = origin.y() + it.y * pxPerMm;
    const double baseline = lineTopPx + (it.h * pxPerMm - (fm.ascent() + fm.descent())) / 2 + fm.ascent();
    p.save();
    p.translate(origin.x() + left * pxPerMm, baseline);
    p.scale(sx, 1.0);
    p.drawText(QPointF(0, 0), text);
    p.restore();
}

void drawLine(QPainter &p, const PageItem &it, QPointF origin, double pxPerMm)
{
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, it.penWidth * pxPerMm));
    pen.setCapStyle(Qt::FlatCap);
    if (it.stroke == PageItem::Stroke::Dotted)
        pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    const QPointF a(origin.x() + it.x * pxPerMm, origin.y() + it.y * pxPerMm);
    const QPointF b(origin.x() + (it.x + it.w) * pxPerMm, origin.y() + (it.y + it.h) * pxPerMm);
    p.drawLine(a, b);
    if (it.stroke == PageItem::Stroke::Double) {
        const QPointF gap(0, 0.6 * pxPerMm);
        p.drawLine(a + gap, b + gap);
    }
}

} // namespace

void ReportPainter::paintPage(QPainter &p, int index, QPointF origin, double pxPerMm) const
{
    const ReportPage &page = m_model.page(index);
    const QPointF content = origin + QPointF(m_model.marginMm() * pxPerMm, m_model.marginMm() * pxPerMm);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setPen(Qt::black);
    for (const PageItem &it : page.items) {
        switch (it.kind) {
        case PageItem::Kind::Text:
            drawText(p, m_model, it, index, content, pxPerMm);
            break;
        case PageItem::Kind::Line:
            drawLine(p, it, content, pxPerMm);
            break;
        case PageItem::Kind::Picture: {
            const QRectF r(content.x() + it.x * pxPerMm, content.y() + it.y * pxPerMm, it.w * pxPerMm, it.h * pxPerMm);
            p.drawImage(r, m_model.pictures()[it.picture]);
            break;
        }
        }
    }
    p.restore();
}

void ReportPainter::paintAll(QPagedPaintDevice &device, int from, int to) const
{
    if (to < 0 || to >= m_model.pageCount())
        to = m_model.pageCount() - 1;
    QPainter p;
    if (!p.begin(&device))
        throw std::runtime_error("the printing device could not be opened");
    const double pxPerMm = device.logicalDpiX() / 25.4;
    // Both devices are set up with the paper's corner as the painter's origin
    // (no margins of their own, a printer in full-page mode).
    const QPointF origin(0, 0);
    for (int i = from; i <= to; ++i) {
        if (i > from)
            device.newPage();
        paintPage(p, i, origin, pxPerMm);
    }
    p.end();
}

namespace {

QPageLayout letterLayout(const PageModel &model)
{
    return QPageLayout(QPageSize(model.paperMm(), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

void ReportPainter::writePdf(const QString &fileName, const QString &title) const
{
    QPdfWriter writer(fileName);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Diário/Razão"));
    writer.setResolution(600);
    writer.setPageLayout(letterLayout(m_model));
    paintAll(writer);
}

void ReportPainter::print(QPrinter &printer) const
{
    printer.setFullPage(true);
    printer.setPageLayout(letterLayout(m_model));
    int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    int to = printer.toPage() > 0 ? printer.toPage() - 1 : -1;
    paintAll(printer, from, to);
}
