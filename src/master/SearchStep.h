#pragma once

#include <QString>

// What a key released in a search box does to a look-up's list: the query the
// list switches to and whether the other search boxes are emptied, because the
// list now answers this box alone.
struct SearchStep {
    QString sql;
    bool clearOthers = false;
};
