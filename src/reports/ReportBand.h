#pragma once

#include "reports/PageModel.h"
#include "reports/PrinterFont.h"
#include "reports/ReportContext.h"

#include <QImage>
#include <functional>

// A band of a report: a strip of fixed height (a detail band grows with its
// wrapped texts) holding texts, fields, lines and pictures at millimetre
// positions relative to the band's top-left corner.
class ReportBand {
public:
    using TextFn = std::function<QString(const ReportContext &)>;
    using Condition = std::function<bool(const ReportContext &)>;
    using Align = PageItem::Align;
    using Stroke = PageItem::Stroke;

    explicit ReportBand(QString name = {}, double height = 0);

    const QString &name() const { return m_name; }
    double height() const { return m_height; }
    bool isEmpty() const { return m_elements.isEmpty() && m_height <= 0; }

    // A fixed text; with Right the box ends at x + w, with Center it is centred in it.
    ReportBand &label(double x, double y, const PrinterFont &font, const QString &text, Align align = Align::Left, double w = 0);
    // A text computed from the context, cut to the box when it is longer (a
    // centred one is squeezed into the box instead).
    ReportBand &field(double x, double y, double w, const PrinterFont &font, TextFn text, Align align = Align::Left);
    // A text wrapped at any character to the box width; the band grows to hold it.
    ReportBand &memo(double x, double y, double w, const PrinterFont &font, TextFn text);
    // "{p}" and "{n}" stand for the page number and the page count, two digits at least.
    ReportBand &pageText(double x, double y, double w, const PrinterFont &font, const QString &pattern, Align align);
    ReportBand &line(double x1, double y, double x2, Stroke stroke = Stroke::Solid, double penWidth = 0.2);
    // Scaled into the box keeping its aspect ratio; a null picture prints nothing.
    ReportBand &picture(double x, double y, double w, double h, const QImage &picture, Condition when = {});
    // The band prints only when the condition holds.
    ReportBand &visibleWhen(Condition condition);

    bool isVisible(const ReportContext &ctx) const { return !m_visible || m_visible(ctx); }

    struct Rendered {
        double height = 0;
        QList<PageItem> items; // y relative to the band
    };
    Rendered render(const ReportContext &ctx, PageModel &model) const;

private:
    enum class Kind { Text, Memo, PageText, Line, Picture };
    struct Element {
        Kind kind;
        double x, y, w, h;
        PrinterFont font;
        Align align = Align::Left;
        Stroke stroke = Stroke::Solid;
        double penWidth = 0.2;
        TextFn text;
        QImage picture;
        Condition when;
    };

    QString m_name;
    double m_height;
    QList<Element> m_elements;
    Condition m_visible;
};
