#pragma once

#include "reports/PrinterFont.h"

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

// One thing printed on a page. Positions are millimetres from the top-left corner
// of the printable area (inside the margins). Kept small: a year's journal holds
// hundreds of thousands of them.
struct PageItem {
    enum class Kind : quint8 { Text, Line, Picture };
    enum class Align : quint8 { Left, Right, Center };
    enum class Stroke : quint8 { Solid, Dotted, Double };

    Kind kind = Kind::Text;
    Align align = Align::Left;
    Stroke stroke = Stroke::Solid;
    // Text whose "{p}" and "{n}" stand for the page number and the page count,
    // known only once the whole book is laid out.
    bool pageTemplate = false;
    quint16 font = 0;    // index into PageModel::fonts()
    quint16 picture = 0; // index into PageModel::pictures()
    float x = 0, y = 0, w = 0, h = 0; // a line runs from (x, y) to (x + w, y + h)
    float penWidth = 0.2f;            // lines, millimetres
    QString text;
};

// Where one band landed on a page; the items it placed follow each other.
struct BandMark {
    QString name;
    float y = 0, h = 0;
    int firstItem = 0;
    int itemCount = 0;
};

struct ReportPage {
    QList<BandMark> bands;
    QList<PageItem> items;
};

// The laid-out book: what each page shows, once, for the printer, the PDF and the
// preview alike. Pictures and fonts are stored once and referred to by index.
class PageModel {
public:
    // Letter paper with the 6.35 mm margins of every book.
    PageModel(QSizeF paperMm = QSizeF(215.9, 279.4), double marginMm = 6.35);

    QSizeF paperMm() const { return m_paper; }
    double marginMm() const { return m_margin; }
    QSizeF contentMm() const { return {m_paper.width() - 2 * m_margin, m_paper.height() - 2 * m_margin}; }

    quint16 fontIndex(const PrinterFont &font);
    quint16 pictureIndex(const QImage &picture);
    const QList<PrinterFont> &fonts() const { return m_fonts; }
    const QList<QImage> &pictures() const { return m_pictures; }

    ReportPage &addPage();
    int pageCount() const { return int(m_pages.size()); }
    const ReportPage &page(int index) const { return m_pages[index]; }
    ReportPage &lastPage() { return m_pages.last(); }

    // False while pages are still being laid out; the page count is final only then.
    bool isComplete() const { return m_complete; }
    void setComplete(bool complete) { m_complete = complete; }

    // The text an item shows on page `index` (page templates resolved).
    QString itemText(const PageItem &item, int index) const;
    // Every page, band by band, item by item, for golden-file comparisons.
    QString dump() const;

private:
    QSizeF m_paper;
    double m_margin;
    QList<PrinterFont> m_fonts;
    QList<QImage> m_pictures;
    QList<qint64> m_pictureKeys;
    QList<ReportPage> m_pages;
    bool m_complete = false;
};
