#include "cli/Cli.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // Printing to PDF needs fonts, hence a Gui application; the command line never
    // needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session the platform plugin warns on stderr, where our messages go.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/diario-cli-runtime-") + qEnvironmentVariable("USER", QStringLiteral("root"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    args.removeFirst();
    const int status = Cli::run(args, out, err);
    out.flush();
    err.flush();
    return status;
}
