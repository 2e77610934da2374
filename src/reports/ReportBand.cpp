#include "reports/ReportBand.h"

#include <algorithm>

ReportBand::ReportBand(QString name, double height) : m_name(std::move(name)), m_height(height) {}

ReportBand &ReportBand::label(double x, double y, const PrinterFont &font, const QString &text, Align align, double w)
{
    if (w <= 0)
        w = font.textWidthMm(text);
    return field(x, y, w, font, [text](const ReportContext &) { return text; }, align);
}

ReportBand &ReportBand::field(double x, double y, double w, const PrinterFont &font, TextFn text, Align align)
{
    m_elements.append({Kind::Text, x, y, w, font.lineHeightMm(), font, align, Stroke::Solid, 0, std::move(text), {}, {}});
    return *this;
}

ReportBand &ReportBand::memo(double x, double y, double w, const PrinterFont &font, TextFn text)
{
    m_elements.append({Kind::Memo, x, y, w, font.lineHeightMm(), font, Align::Left, Stroke::Solid, 0, std::move(text), {}, {}});
    return *this;
}

ReportBand &ReportBand::pageText(double x, double y, double w, const PrinterFont &font, const QString &pattern, Align align)
{
    m_elements.append({Kind::PageText, x, y, w, font.lineHeightMm(), font, align, Stroke::Solid, 0,
                       [pattern](const ReportContext &) { return pattern; }, {}, {}});
    return *this;
}

ReportBand &ReportBand::line(double x1, double y, double x2, Stroke stroke, double penWidth)
{
    m_elements.append({Kind::Line, x1, y, x2 - x1, 0, {}, Align::Left, stroke, penWidth, {}, {}, {}});
    return *this;
}

ReportBand &ReportBand::picture(double x, double y, double w, double h, const QImage &picture, Condition when)
{
    m_elements.append({Kind::Picture, x, y, w, h, {}, Align::Left, Stroke::Solid, 0, {}, picture, std::move(when)});
    return *this;
}

ReportBand &ReportBand::visibleWhen(Condition condition)
{
    m_visible = std::move(condition);
    return *this;
}

namespace {

// Wrapping "at any character": every line is as full as the box allows; line
// breaks in the text are kept.
QStringList wrap(const QString &text, int width)
{
    QStringList lines;
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QString para : t.split(u'\n')) {
        while (para.endsWith(u' '))
            para.chop(1);
        if (para.isEmpty()) {
            lines << QString();
            continue;
        }
        for (qsizetype at = 0; at < para.size(); at += width)
            lines << para.mid(at, width);
    }
    while (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

PageItem textItem(quint16 font, double x, double y, double w, double h, PageItem::Align align, QString text)
{
    PageItem it;
    it.kind = PageItem::Kind::Text;
    it.font = font;
    it.align = align;
    it.x = float(x);
    it.y = float(y);
    it.w = float(w);
    it.h = float(h);
    it.text = std::move(text);
    return it;
}

} // namespace

ReportBand::Rendered ReportBand::render(const ReportContext &ctx, PageModel &model) const
{
    Rendered r;
    r.height = m_height;
    for (const Element &e : m_elements) {
        switch (e.kind) {
        case Kind::Text:
        case Kind::PageText: {
            QString t = e.text(ctx);
            if (t.isEmpty())
                break;
            const int fit = e.font.charsIn(e.w);
            // A centred title keeps every letter; the painter squeezes it into its box.
            if (e.kind == Kind::Text && e.align != Align::Center && t.size() > fit)
                t.truncate(fit);
            PageItem it = textItem(model.fontIndex(e.font), e.x, e.y, e.w, e.h, e.align, t);
            it.pageTemplate = e.kind == Kind::PageText;
            r.items.append(it);
            break;
        }
        case Kind::Memo: {
            const QString t = e.text(ctx);
            if (t.trimmed().isEmpty())
                break;
            const QStringList lines = wrap(t, e.font.charsIn(e.w));
            const quint16 font = model.fontIndex(e.font);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (!lines[i].isEmpty())
                    r.items.append(textItem(font, e.x, e.y + double(i) * e.h, e.w, e.h, Align::Left, lines[i]));
            }
            // The band keeps its bottom space under the last line.
            r.height = std::max(r.height, m_height + double(lines.size() - 1) * e.h);
            break;
        }
        case Kind::Line: {
            PageItem it;
            it.kind = PageItem::Kind::Line;
            it.stroke = e.stroke;
            it.penWidth = float(e.penWidth);
            it.x = float(e.x);
            it.y = float(e.y);
            it.w = float(e.w);
            r.items.append(it);
            break;
        }
        case Kind::Picture: {
            if (e.picture.isNull() || (e.when && !e.when(ctx)))
                break;
            const QSizeF fitted = QSizeF(e.picture.size()).scaled(QSizeF(e.w, e.h), Qt::KeepAspectRatio);
            PageItem it;
            it.kind = PageItem::Kind::Picture;
            it.picture = model.pictureIndex(e.picture);
            it.x = float(e.x);
            it.y = float(e.y);
            it.w = float(fitted.width());
            it.h = float(fitted.height());
            r.items.append(it);
            break;
        }
        }
    }
    return r;
}
