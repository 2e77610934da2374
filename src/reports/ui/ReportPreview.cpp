#include "reports/ui/ReportPreview.h"

#include "data/DbError.h"
#include "reports/Report.h"
#include "reports/ReportInputError.h"
#include "reports/ReportPainter.h"
#include "reports/ui/PageView.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Pages laid out per turn of the event loop while the preview is open.
constexpr int PagesPerSlice = 10;

QToolButton *toolButton(QWidget *parent, const QString &name, const QString &text, const QString &tip)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    b->setMinimumWidth(36);
    return b;
}

} // namespace

ReportPreview::ReportPreview(std::unique_ptr<Report> report, QWidget *parent)
    : QDialog(parent), m_report(std::move(report))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Visualização - ") + m_report->title());
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    m_report->layoutSome(1);

    auto *bar = new QHBoxLayout;
    auto *printButton = new QPushButton(QStringLiteral("&Imprimir"), this);
    printButton->setObjectName(QStringLiteral("btnImprimir"));
    auto *pdfButton = new QPushButton(QStringLiteral("&Salvar PDF"), this);
    pdfButton->setObjectName(QStringLiteral("btnPdf"));
    auto *first = toolButton(this, QStringLiteral("btnPrimeira"), QStringLiteral("|<"), QStringLiteral("Primeira página"));
    auto *prev = toolButton(this, QStringLiteral("btnAnterior"), QStringLiteral("<"), QStringLiteral("Página anterior"));
    auto *next = toolButton(this, QStringLiteral("btnProxima"), QStringLiteral(">"), QStringLiteral("Próxima página"));
    auto *last = toolButton(this, QStringLiteral("btnUltima"), QStringLiteral(">|"), QStringLiteral("Última página"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lbPagina"));
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cbZoom"));
    for (int z : {50, 80, 100, 125, 150, 200})
        m_zoom->addItem(QStringLiteral("%1 %").arg(z), z / 100.0);
    m_zoom->setCurrentIndex(1);
    auto *close = new QPushButton(QStringLiteral("&Fechar"), this);
    close->setObjectName(QStringLiteral("btnFechar"));
    bar->addWidget(printButton);
    bar->addWidget(pdfButton);
    bar->addSpacing(16);
    bar->addWidget(first);
    bar->addWidget(prev);
    bar->addWidget(m_status);
    bar->addWidget(next);
    bar->addWidget(last);
    bar->addSpacing(16);
    bar->addWidget(m_zoom);
    bar->addStretch();
    bar->addWidget(close);

    m_view = new PageView(m_report->pages(), this);
    m_view->setZoom(0.8);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrollPagina"));
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(first, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(prev, &QToolButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(next, &QToolButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(last, &QToolButton::clicked, this, [this] {
        finishLayout();
        showPage(m_report->pages().pageCount() - 1);
    });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this] { m_view->setZoom(m_zoom->currentData().toDouble()); });
    connect(printButton, &QPushButton::clicked, this, &ReportPreview::print);
    connect(pdfButton, &QPushButton::clicked, this, &ReportPreview::saveAs);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    m_timer = new QTimer(this);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &ReportPreview::layoutMore);
    if (!m_report->isComplete())
        m_timer->start();
    updateStatus();
    setWindowState(windowState() | Qt::WindowMaximized);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::run(QWidget *parent, const std::function<std::unique_ptr<Report>()> &build)
{
    std::unique_ptr<Report> report;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        report = build();
        QApplication::restoreOverrideCursor();
    } catch (const ReportInputError &e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::critical(parent, QStringLiteral("Erro"), e.text());
        return;
    } catch (const DbError &e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::critical(parent, QStringLiteral("Erro na Base de Dados"), e.driverText());
        return;
    }
    ReportPreview preview(std::move(report), parent);
    preview.exec();
}

int ReportPreview::currentPage() const
{
    return m_view->page();
}

void ReportPreview::showPage(int index)
{
    const int count = m_report->pages().pageCount();
    if (count == 0)
        return;
    m_view->setPage(std::clamp(index, 0, count - 1));
    m_scroll->verticalScrollBar()->setValue(0);
    updateStatus();
}

void ReportPreview::layoutMore()
{
    try {
        if (!m_report->layoutSome(PagesPerSlice)) {
            m_timer->stop();
            m_view->update(); // the page count is final now
        }
    } catch (const DbError &e) {
        m_timer->stop();
        QMessageBox::critical(this, QStringLiteral("Erro na Base de Dados"), e.driverText());
    }
    updateStatus();
}

void ReportPreview::finishLayout()
{
    if (m_report->isComplete())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    while (!m_report->isComplete())
        layoutMore();
    QApplication::restoreOverrideCursor();
}

void ReportPreview::updateStatus()
{
    const int count = m_report->pages().pageCount();
    m_status->setText(QStringLiteral("Página %1 de %2%3")
                          .arg(currentPage() + 1)
                          .arg(count)
                          .arg(m_report->isComplete() ? QString() : QStringLiteral("...")));
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(currentPage() + 1);
        return;
    case Qt::Key_PageUp:
        showPage(currentPage() - 1);
        return;
    case Qt::Key_Home:
        showPage(0);
        return;
    case Qt::Key_End:
        finishLayout();
        showPage(m_report->pages().pageCount() - 1);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool ReportPreview::savePdf(const QString &fileName)
{
    finishLayout();
    try {
        ReportPainter(m_report->pages()).writePdf(fileName, m_report->title());
    } catch (const std::runtime_error &) {
        return false;
    }
    return true;
}

void ReportPreview::saveAs()
{
    QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar PDF"), m_report->title() + QStringLiteral(".pdf"),
                                                QStringLiteral("PDF (*.pdf)"));
    if (name.isEmpty())
        return;
    if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    if (!savePdf(name))
        QMessageBox::critical(this, QStringLiteral("Erro"), QStringLiteral("Não é possível gravar o arquivo: ") + name);
}

void ReportPreview::print()
{
    finishLayout();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_report->title());
    printer.setFromTo(1, m_report->pages().pageCount());
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        ReportPainter(m_report->pages()).print(printer);
    } catch (const std::runtime_error &) {
        QMessageBox::critical(this, QStringLiteral("Erro"), QStringLiteral("Não é possível imprimir."));
    }
}
