#pragma once

#include <QString>

// The main window's caption: a fixed text until the window is first activated;
// from then on, when the suite's updater has left "VELQA8.exe" beside the
// program, the caption tells the version and when that file was last changed.
namespace MainCaption {

QString initial();
// The versioned caption, or empty when `programDir` holds no "VELQA8.exe".
QString versioned(const QString &programDir);

} // namespace MainCaption
