#pragma once

#include "master/SearchStep.h"

#include <QSqlRecord>
#include <QString>
#include <optional>

// The queries of the standard history look-up ("Pesquisa"). Codes are compared
// as text, so 1 finds 1, 10 to 19 and 100 to 199.
class HistorySearch {
public:
    enum class Box { Code, Text };

    struct History {
        int histo = 0;
        QString discri;
    };

    static QString all();
    static QString byCode(const QString &typed);
    // The typed text anywhere in the description.
    static QString byText(const QString &typed);

    static std::optional<SearchStep> keyReleased(Box box, const QString &text, bool enter);
    static QString displayed(const QString &sql);
    static History fromRecord(const QSqlRecord &record);
};
