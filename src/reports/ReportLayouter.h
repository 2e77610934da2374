#pragma once

#include "reports/PageModel.h"
#include "reports/ReportContext.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportSource.h"

#include <QStringList>

// Lays the rows of one definition out on pages, a few pages at a time: the
// preview shows the first page while the rest is still being laid out. Page
// headers see the row about to print; group footers see the last row of their
// group with its sums.
class ReportLayouter {
public:
    ReportLayouter(const ReportDefinition &definition, ReportSource &source, PageModel &model);

    // Lays out until `pages` more pages are finished or the rows end; returns
    // false once everything is laid out.
    bool step(int pages);
    bool isDone() const { return m_done; }

private:
    void processRow(const QSqlRecord &row);
    void finish();
    void closeGroups(int fromLevel);
    void place(const ReportBand &band);
    void openPage();
    void closePage();
    void append(const ReportBand &band, const ReportBand::Rendered &r, double y);
    double bodyBottom() const;

    const ReportDefinition &m_def;
    ReportSource &m_source;
    PageModel &m_model;
    ReportContext m_ctx;
    QStringList m_keys;
    QSqlRecord m_previous;
    bool m_hasPrevious = false;
    bool m_pageOpen = false;
    bool m_pageHasBody = false;
    bool m_done = false;
    double m_y = 0;
    int m_firstPage;
    int m_closedPages = 0;
};
