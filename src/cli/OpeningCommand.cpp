#include "cli/OpeningCommand.h"

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "data/DbError.h"
#include "data/PathResolver.h"
#include "yearend/OpeningRun.h"
#include "yearend/ProblemFile.h"

#include <exception>

namespace {

OpeningRun::Options options(const CliContext &ctx)
{
    OpeningRun::Options o;
    const QString groups = ctx.option(QStringLiteral("--groups"));
    if (!groups.isEmpty()) {
        o.patrimonial = o.financial = o.budget = false;
        for (const QString &g : groups.split(u',')) {
            const QString kind = g.trimmed();
            if (kind == u"1")
                o.patrimonial = true;
            else if (kind == u"2")
                o.financial = true;
            else if (kind == u"3")
                o.budget = true;
            else
                throw CliError(QStringLiteral("Grupo desconhecido: %1 (use 1, 2 e 3).").arg(kind), 2);
        }
    }
    o.repair = !ctx.flag(QStringLiteral("--no-repair"));
    o.conference = !ctx.flag(QStringLiteral("--no-conference"));
    return o;
}

} // namespace

namespace OpeningCommand {

int run(CliContext &ctx)
{
    ctx.allowOnly({QStringLiteral("--groups")}, {QStringLiteral("--no-repair"), QStringLiteral("--no-conference")});
    const OpeningRun::Options chosen = options(ctx);
    const PathResolver paths(ctx.iniPath());
    OpeningRun opening(ctx.db(), paths, ctx.ui());
    bool failed = false;
    bool problems = false;
    OpeningRun::Outcome outcome;
    try {
        outcome = opening.run(chosen, [&](OpeningRun::Step step, bool ok) {
            ctx.out() << OpeningRun::caption(step) << ' ' << (ok ? "OK" : "Erro") << Qt::endl;
            failed = failed || !ok;
            problems = problems || (step == OpeningRun::Step::Conference && !ok);
        });
    } catch (const CliError &) {
        throw;
    } catch (const DbError &) {
        throw;
    } catch (const std::exception &e) {
        throw CliError(QString::fromUtf8(e.what()));
    }
    if (outcome == OpeningRun::Outcome::Declined) {
        ctx.out() << "Nada foi alterado." << Qt::endl;
        return 0;
    }
    if (problems)
        ctx.out() << "Problemas em " << ProblemFile(paths.resolve(QStringLiteral("D"))).path() << Qt::endl;
    ctx.out() << OpeningRun::doneMessage() << Qt::endl;
    return failed ? 1 : 0;
}

} // namespace OpeningCommand
