#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

class CliContext;

// diario-cli [--ini PATH] [--yes|--no] COMMAND [ARGS]. Exit 0 on success, 1 when a
// step failed, 2 on bad usage.
class Cli {
public:
    struct Command {
        const char *name;
        const char *usage;
        std::function<int(CliContext &)> run;
    };

    // The commands, in the order the help lists them.
    static const QList<Command> &commands();
    static int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
};
