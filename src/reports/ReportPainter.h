#pragma once

#include "reports/PageModel.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;

// Paints laid-out pages on any device: a printer, a PDF file or the preview's
// widget. Painting needs the Qt Gui application (fonts); laying out does not.
class ReportPainter {
public:
    explicit ReportPainter(const PageModel &model) : m_model(model) {}

    // Paints page `index` with its paper's top-left corner at `origin` (device
    // pixels) and `pxPerMm` device pixels to the millimetre.
    void paintPage(QPainter &painter, int index, QPointF origin, double pxPerMm) const;

    // Pages `from`..`to` (0-based, inclusive; -1 for the last) on a device whose
    // page is already set up for the paper (letter, no margins of its own).
    void paintAll(QPagedPaintDevice &device, int from = 0, int to = -1) const;

    void writePdf(const QString &fileName, const QString &title) const;
    void print(QPrinter &printer) const;

private:
    // A printer font as one device draws it at one scale: made once per paint
    // run, not once per text.
    struct DeviceFont {
        QFont font;
        double stretch = 1; // horizontal scale that gives the printer's pitch
        double ascent = 0;
        double descent = 0;
    };
    const DeviceFont &deviceFont(int index, const QPaintDevice *device, double pxPerMm) const;
    void drawText(QPainter &p, const PageItem &it, int page, QPointF origin, double pxPerMm) const;

    const PageModel &m_model;
    mutable QList<DeviceFont> m_fonts;
    mutable const QPaintDevice *m_fontDevice = nullptr;
    mutable double m_fontScale = 0;
};
