#include "cli/DemoCommand.h"

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/DemoCheck.h"
#include "cli/DemoMunicipality.h"
#include "data/Database.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>

namespace {

int report(CliContext &ctx, const QStringList &problems)
{
    for (const QString &p : problems)
        ctx.err() << "Inconsistência: " << p << Qt::endl;
    if (problems.isEmpty())
        ctx.out() << "Verificação: nenhuma inconsistência encontrada." << Qt::endl;
    return problems.isEmpty() ? 0 : 1;
}

} // namespace

namespace DemoCommand {

int run(CliContext &ctx)
{
    ctx.allowOnly({QStringLiteral("--dir"), QStringLiteral("--year"), QStringLiteral("--scale"), QStringLiteral("--seed")},
                  {QStringLiteral("--check")});
    DemoOptions options;
    options.dir = ctx.option(QStringLiteral("--dir"));
    if (options.dir.isEmpty())
        throw CliError(QStringLiteral("Informe a pasta do município: --dir PASTA"), 2);
    // Without --year the demo is the machine's current year.
    const QString year = ctx.option(QStringLiteral("--year"));
    bool ok = true;
    options.year = year.isEmpty() ? QDate::currentDate().year() : year.toInt(&ok);
    if (!ok || options.year < 1901 || options.year > 9999)
        throw CliError(QStringLiteral("Ano inválido: %1").arg(year), 2);
    const QString scale = ctx.option(QStringLiteral("--scale"));
    if (!scale.isEmpty()) {
        options.scale = QString(scale).replace(u',', u'.').toDouble(&ok);
        if (!ok || options.scale <= 0 || options.scale > 100)
            throw CliError(QStringLiteral("Escala inválida: %1 (de 0,01 a 100)").arg(scale), 2);
    }
    const QString seed = ctx.option(QStringLiteral("--seed"));
    if (!seed.isEmpty()) {
        options.seed = seed.toULongLong(&ok);
        if (!ok)
            throw CliError(QStringLiteral("Semente inválida: %1").arg(seed), 2);
    }

    const QString dir = QDir(options.dir).absolutePath();
    if (ctx.flag(QStringLiteral("--check")))
        return report(ctx, DemoCheck::folder(dir, options.year));

    QElapsedTimer timer;
    timer.start();
    if (!DemoMunicipality::create(options, ctx.ui()))
        return 1;
    const double seconds = timer.elapsed() / 1000.0;
    QTextStream &out = ctx.out();
    out << "Município de demonstração criado em " << QDir::toNativeSeparators(dir) << " (exercícios " << options.year - 1
        << " e " << options.year << ", escala " << options.scale << ", semente " << options.seed << ") em "
        << QString::number(seconds, 'f', 1) << " s" << Qt::endl;
    Database current(DemoMunicipality::databasePath(dir, options.year));
    current.open();
    for (const auto &t : DemoMunicipality::totals(current)) {
        out << "  " << t.table.leftJustified(11) << QString::number(t.rows).rightJustified(8) << "  "
            << t.amount.toBr().rightJustified(20) << Qt::endl;
    }
    return report(ctx, DemoCheck::folder(dir, options.year));
}

} // namespace DemoCommand
