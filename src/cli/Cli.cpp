#include "cli/Cli.h"

#include "cli/BenchPostCommand.h"
#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/DemoCommand.h"
#include "cli/FoundationCommands.h"
#include "cli/OpeningCommand.h"
#include "cli/PrintCommand.h"
#include "cli/PostMonthCommand.h"
#include "cli/OrganizeCommand.h"
#include "data/DbError.h"
#include "data/PathError.h"
#include "data/ZolvConfig.h"

const QList<Cli::Command> &Cli::commands()
{
    static const QList<Command> list = {
        {"create-db", "create-db [--year AAAA]", FoundationCommands::createDb},
        {"path", "path CODIGO", FoundationCommands::path},
        {"info", "info", FoundationCommands::info},
        {"demo", "demo --dir PASTA [--year AAAA] [--scale N] [--seed S] [--check]", DemoCommand::run},
        {"print", "print <diario|rascunho-periodo|rascunho-registro|razao|razao-sistema> [--de dd/mm/aaaa] [--ate dd/mm/aaaa] [--reg-de N] [--reg-ate N] [--conta C] [--sistema 1-4] [--grupo G] [--codigo C] [--filtro consolidado|nao-consolidado|vinculo] --pdf ARQUIVO", PrintCommand::run},
        {"post-month", "post-month <1-12|TODOS>", PostMonthCommand::run},
        {"bench-post", "bench-post [--month N]", BenchPostCommand::run},
        {"opening", "opening [--groups 1,2,3] [--no-repair] [--no-conference]", OpeningCommand::run},
        {"organizar", "organizar", OrganizeCommand::run},
    };
    return list;
}

namespace {

void usage(QTextStream &err)
{
    err << "uso: diario-cli [--ini ARQUIVO] [--yes|--no] COMANDO [ARGUMENTOS]" << Qt::endl << "comandos:" << Qt::endl;
    for (const auto &c : Cli::commands())
        err << "  " << c.usage << Qt::endl;
}

} // namespace

int Cli::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    QString ini = ZolvConfig::defaultPath();
    std::optional<bool> answer;
    while (!args.isEmpty() && args.first().startsWith(QStringLiteral("--"))) {
        const QString a = args.takeFirst();
        if (a == u"--ini" && !args.isEmpty())
            ini = args.takeFirst();
        else if (a == u"--yes")
            answer = true;
        else if (a == u"--no")
            answer = false;
        else {
            err << "Opção desconhecida: " << a << Qt::endl;
            usage(err);
            return 2;
        }
    }
    if (args.isEmpty()) {
        usage(err);
        return 2;
    }
    const QString name = args.takeFirst();
    // --yes/--no may also follow the command.
    for (const char *f : {"--yes", "--no"}) {
        if (args.removeAll(QLatin1String(f)) > 0)
            answer = QLatin1String(f) == QLatin1String("--yes");
    }
    for (const auto &c : commands()) {
        if (name != QLatin1String(c.name))
            continue;
        CliContext ctx(args, ini, out, err, answer);
        try {
            return c.run(ctx);
        } catch (const CliError &e) {
            if (!e.text().isEmpty())
                err << e.text() << Qt::endl;
            if (e.status() == 2)
                err << "uso: diario-cli " << c.usage << Qt::endl;
            return e.status();
        } catch (const PathError &e) {
            err << e.text() << Qt::endl;
            return 1;
        } catch (const DbError &e) {
            err << "Erro na Base de Dados: " << e.driverText() << Qt::endl << "[" << e.statement() << "]" << Qt::endl;
            return 1;
        }
    }
    err << "Comando desconhecido: " << name << Qt::endl;
    usage(err);
    return 2;
}
