#include "reports/Report.h"

Report::Report(QString title) : m_title(std::move(title)) {}

void Report::addPart(std::unique_ptr<ReportDefinition> definition, std::unique_ptr<ReportSource> source)
{
    m_parts.push_back({std::move(definition), std::move(source)});
}

bool Report::layoutSome(int pages)
{
    while (!m_model.isComplete() && pages > 0) {
        if (!m_layouter) {
            if (m_current >= m_parts.size()) {
                m_model.setComplete(true);
                break;
            }
            Part &part = m_parts[m_current];
            m_layouter = std::make_unique<ReportLayouter>(*part.definition, *part.source, m_model);
        }
        const int before = m_model.pageCount();
        if (!m_layouter->step(pages)) {
            m_layouter.reset();
            ++m_current;
        }
        pages -= m_model.pageCount() - before;
    }
    return !m_model.isComplete();
}

void Report::layoutAll()
{
    while (layoutSome(1000)) {
    }
}
