#pragma once

#include <QString>
#include <QStringList>

// The desktop's calculator behind the main window's calculator button: a running
// one is brought to the front, otherwise the first one installed is started.
class DesktopCalculator {
public:
    enum class Outcome { Raised, Started, NoneInstalled };

    // `searchPath` empty means the PATH of the environment; `procDir` is where the
    // running processes are listed.
    explicit DesktopCalculator(QStringList searchPath = {}, QString procDir = QStringLiteral("/proc"));

    // The calculators looked for, in order of preference.
    static QStringList candidates();
    static QString noneInstalledMessage();
    static QString noneInstalledCaption();

    Outcome open() const;
    // The first candidate installed, or empty.
    QString installed() const;
    // The first candidate with a running process, or empty.
    QString running() const;

private:
    QString executable(const QString &name) const;
    bool raise(const QString &name) const;

    QStringList m_searchPath;
    QString m_procDir;
};
