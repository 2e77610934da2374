#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the program:
//   diario [--ini PATH] [--shots DIR] [design]
// "design" (exact, case-sensitive) as the first argument after the options shows
// the package information window before the main window. --shots saves a picture
// of every window into DIR and ends.
struct StartupOptions {
    QString iniPath;
    QString shotsDir;
    bool design = false;
    // Not empty when the command line cannot be understood; the program then ends.
    QString error;

    // `arguments` without the program name; `defaultIni` is used without --ini.
    static StartupOptions parse(const QStringList &arguments, const QString &defaultIni);
    static QString usage();
};
