#pragma once

#include <QSqlRecord>

// The rows of a report, read one at a time so that a long book never sits in memory.
class ReportSource {
public:
    virtual ~ReportSource() = default;
    // Moves to the next row; false after the last one.
    virtual bool next() = 0;
    virtual QSqlRecord record() const = 0;
};
