#include "app/DesktopCalculator.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

DesktopCalculator::DesktopCalculator(QStringList searchPath, QString procDir)
    : m_searchPath(std::move(searchPath)), m_procDir(std::move(procDir))
{
}

QStringList DesktopCalculator::candidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("xcalc")};
}

QString DesktopCalculator::noneInstalledMessage()
{
    return QStringLiteral("Nenhuma calculadora foi encontrada neste computador. "
                          "Instale uma destas: gnome-calculator, kcalc, galculator ou xcalc.");
}

QString DesktopCalculator::noneInstalledCaption()
{
    return QStringLiteral("Atenção");
}

QString DesktopCalculator::executable(const QString &name) const
{
    return QStandardPaths::findExecutable(name, m_searchPath);
}

QString DesktopCalculator::installed() const
{
    for (const QString &name : candidates())
        if (!executable(name).isEmpty())
            return name;
    return {};
}

QString DesktopCalculator::running() const
{
    const QStringList pids = QDir(m_procDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QStringList commands;
    for (const QString &pid : pids) {
        QFile comm(m_procDir + u'/' + pid + QStringLiteral("/comm"));
        if (comm.open(QIODevice::ReadOnly))
            commands << QString::fromLocal8Bit(comm.readAll()).trimmed();
    }
    // The kernel keeps only the first 15 characters of a command's name.
    for (const QString &name : candidates())
        if (commands.contains(name.left(15)))
            return name;
    return {};
}

// Through whichever window tool the desktop has; without one the caller starts
// the calculator again (gnome-calculator then raises its own window).
bool DesktopCalculator::raise(const QString &name) const
{
    const QString wmctrl = executable(QStringLiteral("wmctrl"));
    if (!wmctrl.isEmpty())
        return QProcess::startDetached(wmctrl, {QStringLiteral("-x"), QStringLiteral("-a"), name});
    const QString xdotool = executable(QStringLiteral("xdotool"));
    if (!xdotool.isEmpty())
        return QProcess::startDetached(xdotool, {QStringLiteral("search"), QStringLiteral("--class"), name,
                                                 QStringLiteral("windowactivate")});
    return false;
}

DesktopCalculator::Outcome DesktopCalculator::open() const
{
    const QString active = running();
    if (!active.isEmpty() && raise(active))
        return Outcome::Raised;
    const QString name = active.isEmpty() ? installed() : active;
    if (name.isEmpty())
        return Outcome::NoneInstalled;
    return QProcess::startDetached(executable(name), {}) ? Outcome::Started : Outcome::NoneInstalled;
}
