#include "cli/OrganizeCommand.h"

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "maintenance/JournalRenumbering.h"

#include <QElapsedTimer>

namespace OrganizeCommand {

int run(CliContext &ctx)
{
    ctx.allowOnly({});
    if (!ctx.positional().isEmpty())
        throw CliError(QStringLiteral("O comando não aceita argumentos."), 2);
    JournalRenumbering renumbering(ctx.db(), ctx.ui());
    QElapsedTimer clock;
    clock.start();
    bool written = false;
    try {
        written = renumbering.Reorganizar();
    } catch (const JournalRenumbering::HeaderRefused &e) {
        throw CliError(e.text());
    }
    const double seconds = double(clock.elapsed()) / 1000.0;
    const auto &counts = renumbering.counts();
    ctx.out() << (written ? JournalRenumbering::successText() : JournalRenumbering::cancelledText()) << Qt::endl
              << "Linhas removidas: " << counts.purged << Qt::endl
              << "Cabeçalhos de sistema: " << counts.headers << Qt::endl
              << "Linhas renumeradas: " << counts.renumbered << Qt::endl
              << "Tempo: " << QString::number(seconds, 'f', 2) << " s" << Qt::endl;
    return written ? 0 : 1;
}

} // namespace OrganizeCommand
