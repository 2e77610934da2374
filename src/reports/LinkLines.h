#pragma once

#include <QString>

// The two lines under the entity header that say which link ("vínculo") a book
// covers: the group's and the code's names, or "CONSOLIDADO" and an empty line.
struct LinkLines {
    QString first;
    QString second;

    static LinkLines consolidated() { return {QStringLiteral("CONSOLIDADO"), QString()}; }
    // The names when the user typed a group or a code (any text at all); otherwise
    // the consolidated lines.
    static LinkLines forTyped(const QString &group, const QString &code, const QString &groupName, const QString &codeName)
    {
        if (group.isEmpty() && code.isEmpty())
            return consolidated();
        return {groupName, codeName};
    }
};
