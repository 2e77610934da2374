#pragma once

#include <QString>

// The two printing switches of this workstation, kept in "Diario.ini" beside the
// program: [PARAMIMP] VER (ask before printing directly or on screen) and
// [PARAMIMPMAT] VER (print the chart on a dot-matrix printer).
struct PrintParameters {
    bool verify = false;
    bool matrixPrinter = false;

    // A switch is on only when its key holds exactly "S".
    static PrintParameters load(const QString &iniPath = defaultPath());
    // Writes "S" or "N" into both keys, creating the file when needed; false when
    // the file could not be written.
    bool save(const QString &iniPath = defaultPath()) const;
    static QString defaultPath();
};
