#include "reports/ui/PageView.h"

#include "reports/PageModel.h"
#include "reports/ReportPainter.h"

#include <QPainter>

namespace {
constexpr int Border = 12;
}

PageView::PageView(const PageModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("PageView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double PageView::pxPerMm() const
{
    return m_zoom * logicalDpiX() / 25.4;
}

void PageView::setPage(int index)
{
    m_page = index;
    update();
}

void PageView::setZoom(double zoom)
{
    m_zoom = zoom;
    setFixedSize(sizeHint());
    update();
}

QSize PageView::sizeHint() const
{
    const QSizeF paper = m_model.paperMm() * pxPerMm();
    return {int(paper.width()) + 2 * Border, int(paper.height()) + 2 * Border};
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    const QSizeF paper = m_model.paperMm() * pxPerMm();
    const QRectF sheet(Border, Border, paper.width(), paper.height());
    p.fillRect(sheet.translated(3, 3), Qt::black);
    p.fillRect(sheet, Qt::white);
    if (m_page >= 0 && m_page < m_model.pageCount())
        ReportPainter(m_model).paintPage(p, m_page, sheet.topLeft(), pxPerMm());
}
