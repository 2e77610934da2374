#pragma once

#include <QHash>
#include <QString>
#include <optional>

class Database;

// The standard histories (CONHIS): numbered texts that postings copy into the
// journal's DISCRI.
class StandardHistories {
public:
    static StandardHistories load(Database &db);
    // The text of a history, or nothing when the code is unknown.
    std::optional<QString> find(int histo) const;
    // The code a new history gets when written: the highest plus one (1 in an empty table).
    static int nextCode(Database &db);

private:
    QHash<int, QString> m_texts;
};
