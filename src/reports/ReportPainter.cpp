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

const ReportPainter::DeviceFont &ReportPainter::deviceFont(int index, const QPaintDevice *device, double pxPerMm) const
{
    if (device != m_fontDevice || pxPerMm != m_fontScale) {
        m_fonts.clear();
        m_fontDevice = device;
        m_fontScale = pxPerMm;
    }
    while (m_fonts.size() <= index) {
        const PrinterFont &pf = m_model.fonts()[m_fonts.size()];
        DeviceFont df;
        df.font = QFont(pf.family);
        df.font.setStyleHint(QFont::Monospace);
        df.font.setBold(pf.bold);
        df.font.setKerning(false);
        // Point sizes are taken by the device at its own resolution: ask for the
        // size in device pixels that the millimetre scale gives.
        const double px = pf.pointSize * 25.4 / 72.0 * pxPerMm;
        df.font.setPointSizeF(px * 72.0 / device->logicalDpiY());
        const QFontMetricsF fm(df.font, device);
        // Every character takes the printer font's pitch, whatever the face's own
        // advance: the text is stretched horizontally to the pitch.
        const double natural = fm.horizontalAdvance(QStringLiteral("0"));
        df.stretch = natural > 0 ? pf.charWidthMm() * pxPerMm / natural : 1.0;
        df.ascent = fm.ascent();
        df.descent = fm.descent();
        m_fonts.append(df);
    }
    return m_fonts[index];
}

void ReportPainter::drawText(QPainter &p, const PageItem &it, int page, QPointF origin, double pxPerMm) const
{
    const PrinterFont &pf = m_model.fonts()[it.font];
    const DeviceFont &df = deviceFont(it.font, p.device(), pxPerMm);
    const QString text = m_model.itemText(it, page);
    double sx = df.stretch;
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
    const double baseline = lineTopPx + (it.h * pxPerMm - (df.ascent + df.descent)) / 2 + df.ascent;
    p.setFont(df.font);
    const QTransform base = p.transform();
    p.setTransform(QTransform(sx, 0, 0, 1, origin.x() + left * pxPerMm, baseline) * base);
    p.drawText(QPointF(0, 0), text);
    p.setTransform(base);
}

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
            drawText(p, it, index, content, pxPerMm);
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
