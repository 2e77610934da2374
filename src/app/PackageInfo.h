#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the package information window lists: the program itself and the Qt and
// database-client libraries loaded into it, each with the units it is made of
// and the libraries it requires.
namespace PackageInfo {

enum UnitFlag { MainUnit = 1, PackageUnit = 2, WeakUnit = 4 };

struct Unit {
    QString name;
    int flags = 0;
};

struct Module {
    QString fileName;
    QList<Unit> contains;
    QStringList required;
    QString description;
    bool designOnly = false;
    bool runOnly = false;
};

// The program first, then the other modules in load order.
QList<Module> loadedModules();
// The unit's line in the tree: its name and its flags, e.g. "app ( Main Unit )",
// or the name and one blank when it has none.
QString unitText(const Unit &unit);

} // namespace PackageInfo
