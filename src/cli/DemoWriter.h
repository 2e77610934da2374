#pragma once

#include "cli/DemoPreviousYear.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>

class Database;
class DemoProgress;
struct DemoYear;

// Writes the demo town into a fiscal-year database made from the schema: one
// prepared statement per table, the caller's transaction around it all.
class DemoWriter {
public:
    DemoWriter(Database &db, DemoProgress &progress) : m_db(db), m_progress(progress) {}

    // The entity record and logo, the parameters, the standard histories, the
    // rules of the manual postings, the whole chart and the links.
    void entity(const DemoYear &year, const QString &fiscalYear);
    // Every table of the year's budget execution.
    void execution(const DemoYear &year);
    // A journal, SEQ numbered in the order given.
    void journal(const QList<DemoPreviousYear::Line> &lines);

    // Rows the calls above write, for the progress.
    static qint64 entityRows(const DemoYear &year);
    static qint64 executionRows(const DemoYear &year);

private:
    template <typename Row>
    void insert(const QString &label, const QString &sql, const QList<Row> &rows,
                const std::function<QVariantList(const Row &)> &bind);

    Database &m_db;
    DemoProgress &m_progress;
};
