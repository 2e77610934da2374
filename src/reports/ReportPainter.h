#pragma once

#include "reports/PageModel.h"

#include <QPointF>
#include <QString>

class QPagedPaintDevice;
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
    const PageModel &m_model;
};
