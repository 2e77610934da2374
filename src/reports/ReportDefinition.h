#pragma once

#include "reports/ReportBand.h"

#include <QList>
#include <QString>
#include <functional>

// A group of consecutive rows sharing a key: a header before its first row, a
// footer after its last one, and the sums that restart with it.
struct ReportGroup {
    QString name;
    std::function<QString(const ReportContext &)> key;
    ReportBand header;
    ReportBand footer;
    // Each group starts on a page of its own.
    bool newPage = false;
};

// A running sum of a money column, restarted when its group starts (group -1:
// never, a grand total).
struct ReportSum {
    QString name;
    QString column;
    int group = -1;
};

// Everything a report is, apart from its rows: the bands, the groups and the sums.
// The engine lays any definition out; no report paints itself.
struct ReportDefinition {
    QString name;
    ReportBand pageHeader{QStringLiteral("pageHeader")};
    ReportBand detail{QStringLiteral("detail")};
    ReportBand summary{QStringLiteral("summary")};
    ReportBand pageFooter{QStringLiteral("pageFooter")};
    QList<ReportGroup> groups;
    QList<ReportSum> sums;
};
