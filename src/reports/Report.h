#pragma once

#include "reports/PageModel.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportLayouter.h"
#include "reports/ReportSource.h"

#include <memory>
#include <vector>

// A printable book: one or more definitions laid out one after the other into
// one page model (a sub-report printed as a section continues the numbering).
// It owns its definitions and row sources, so it can be laid out a little at a
// time while the preview is already showing pages.
class Report {
public:
    explicit Report(QString title = {});
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    const QString &title() const { return m_title; }
    void addPart(std::unique_ptr<ReportDefinition> definition, std::unique_ptr<ReportSource> source);

    // Lays out `pages` more pages; false once the book is complete.
    bool layoutSome(int pages);
    void layoutAll();
    bool isComplete() const { return m_model.isComplete(); }

    const PageModel &pages() const { return m_model; }

private:
    struct Part {
        std::unique_ptr<ReportDefinition> definition;
        std::unique_ptr<ReportSource> source;
    };
    QString m_title;
    PageModel m_model;
    std::vector<Part> m_parts;
    std::size_t m_current = 0;
    std::unique_ptr<ReportLayouter> m_layouter;
};
