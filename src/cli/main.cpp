#include "cli/Cli.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // Printing to PDF needs fonts, hence a Gui application; the command line never
    // needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
