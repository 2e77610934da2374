#include "reports/PageModel.h"

#include <QTextStream>

PageModel::PageModel(QSizeF paperMm, double marginMm) : m_paper(paperMm), m_margin(marginMm) {}

quint16 PageModel::fontIndex(const PrinterFont &font)
{
    const qsizetype at = m_fonts.indexOf(font);
    if (at >= 0)
        return quint16(at);
    m_fonts.append(font);
    return quint16(m_fonts.size() - 1);
}

quint16 PageModel::pictureIndex(const QImage &picture)
{
    const qsizetype at = m_pictureKeys.indexOf(picture.cacheKey());
    if (at >= 0)
        return quint16(at);
    m_pictures.append(picture);
    m_pictureKeys.append(picture.cacheKey());
    return quint16(m_pictures.size() - 1);
}

ReportPage &PageModel::addPage()
{
    m_pages.append(ReportPage());
    return m_pages.last();
}

namespace {

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString mm(double v)
{
    return QString::number(v, 'f', 1);
}

const char *alignName(PageItem::Align a)
{
    switch (a) {
    case PageItem::Align::Right:
        return "right";
    case PageItem::Align::Center:
        return "center";
    default:
        return "left";
    }
}

const char *strokeName(PageItem::Stroke s)
{
    switch (s) {
    case PageItem::Stroke::Dotted:
        return "dotted";
    case PageItem::Stroke::Double:
        return "double";
    default:
        return "solid";
    }
}

} // namespace

QString PageModel::itemText(const PageItem &item, int index) const
{
    if (!item.pageTemplate)
        return item.text;
    QString t = item.text;
    t.replace(QStringLiteral("{p}"), twoDigits(index + 1));
    t.replace(QStringLiteral("{n}"), twoDigits(pageCount()));
    return t;
}

QString PageModel::dump() const
{
    QString out;
    QTextStream s(&out);
    for (int p = 0; p < pageCount(); ++p) {
        const ReportPage &page = m_pages[p];
        s << "page " << p + 1 << " of " << pageCount() << "\n";
        for (const BandMark &band : page.bands) {
            s << "  " << band.name << " y=" << mm(band.y) << " h=" << mm(band.h) << "\n";
            for (int i = band.firstItem; i < band.firstItem + band.itemCount; ++i) {
                const PageItem &it = page.items[i];
                s << "    ";
                switch (it.kind) {
                case PageItem::Kind::Text:
                    s << "text " << mm(it.x) << "," << mm(it.y) << " w=" << mm(it.w) << " " << alignName(it.align) << " ["
                      << m_fonts[it.font].describe() << "] \"" << itemText(it, p) << "\"";
                    break;
                case PageItem::Kind::Line:
                    s << "line " << mm(it.x) << "," << mm(it.y) << " to " << mm(it.x + it.w) << "," << mm(it.y + it.h) << " "
                      << strokeName(it.stroke);
                    break;
                case PageItem::Kind::Picture:
                    s << "picture " << mm(it.x) << "," << mm(it.y) << " " << mm(it.w) << "x" << mm(it.h);
                    break;
                }
                s << "\n";
            }
        }
    }
    return out;
}
