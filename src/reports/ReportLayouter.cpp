#include "reports/ReportLayouter.h"

ReportLayouter::ReportLayouter(const ReportDefinition &definition, ReportSource &source, PageModel &model)
    : m_def(definition), m_source(source), m_model(model), m_firstPage(model.pageCount())
{
    for (const ReportSum &s : m_def.sums)
        m_ctx.resetSum(s.name);
}

bool ReportLayouter::step(int pages)
{
    const int target = m_closedPages + pages;
    while (!m_done && m_closedPages < target) {
        if (m_source.next())
            processRow(m_source.record());
        else
            finish();
    }
    return !m_done;
}

void ReportLayouter::processRow(const QSqlRecord &row)
{
    ReportContext probe = m_ctx;
    probe.setRow(row);
    QStringList keys;
    for (const ReportGroup &g : m_def.groups)
        keys << g.key(probe);
    qsizetype level = m_hasPrevious ? keys.size() : 0;
    for (qsizetype i = 0; m_hasPrevious && i < keys.size(); ++i) {
        if (keys[i] != m_keys[i]) {
            level = i;
            break;
        }
    }
    if (m_hasPrevious)
        closeGroups(int(level));

    m_ctx.setRow(row);
    m_keys = keys;
    for (qsizetype j = level; j < m_def.groups.size(); ++j) {
        const ReportGroup &g = m_def.groups[j];
        if (g.newPage && m_pageOpen && m_pageHasBody)
            closePage();
        for (const ReportSum &s : m_def.sums) {
            if (s.group == int(j))
                m_ctx.resetSum(s.name);
        }
        place(g.header);
    }
    for (const ReportSum &s : m_def.sums)
        m_ctx.addToSum(s.name, m_ctx.money(s.column));
    place(m_def.detail);
    m_previous = row;
    m_hasPrevious = true;
}

void ReportLayouter::closeGroups(int fromLevel)
{
    m_ctx.setRow(m_previous);
    for (int j = int(m_def.groups.size()) - 1; j >= fromLevel; --j)
        place(m_def.groups[j].footer);
}

void ReportLayouter::finish()
{
    if (m_hasPrevious)
        closeGroups(0);
    place(m_def.summary);
    if (!m_pageOpen)
        openPage(); // a selection without rows still prints its headers
    closePage();
    m_done = true;
}

double ReportLayouter::bodyBottom() const
{
    return m_model.contentMm().height() - m_def.pageFooter.height();
}

void ReportLayouter::openPage()
{
    m_model.addPage();
    m_ctx.setPage(m_model.pageCount());
    m_pageOpen = true;
    m_pageHasBody = false;
    m_y = 0;
    if (m_def.pageHeader.isVisible(m_ctx)) {
        const ReportBand::Rendered r = m_def.pageHeader.render(m_ctx, m_model);
        append(m_def.pageHeader, r, 0);
        m_y = r.height;
    }
}

void ReportLayouter::closePage()
{
    if (!m_def.pageFooter.isEmpty() && m_def.pageFooter.isVisible(m_ctx)) {
        const ReportBand::Rendered r = m_def.pageFooter.render(m_ctx, m_model);
        append(m_def.pageFooter, r, bodyBottom());
    }
    m_pageOpen = false;
    ++m_closedPages;
}

void ReportLayouter::place(const ReportBand &band)
{
    if (band.isEmpty() || !band.isVisible(m_ctx))
        return;
    if (!m_pageOpen)
        openPage();
    const ReportBand::Rendered r = band.render(m_ctx, m_model);
    // A band taller than a whole page is printed from the top of a page and runs
    // past its foot rather than being lost.
    if (m_y + r.height > bodyBottom() + 1e-6 && m_pageHasBody) {
        closePage();
        openPage();
    }
    append(band, r, m_y);
    m_y += r.height;
    m_pageHasBody = true;
}

void ReportLayouter::append(const ReportBand &band, const ReportBand::Rendered &r, double y)
{
    ReportPage &page = m_model.lastPage();
    BandMark mark{band.name(), float(y), float(r.height), int(page.items.size()), int(r.items.size())};
    page.bands.append(mark);
    for (PageItem it : r.items) {
        it.y += float(y);
        page.items.append(it);
    }
}
