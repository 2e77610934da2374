#include "cli/PrintCommand.h"

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "data/Database.h"
#include "reports/JournalBook.h"
#include "reports/LedgerBook.h"
#include "reports/LinkNames.h"
#include "reports/ReportInputError.h"
#include "reports/ReportPainter.h"

#include <QElapsedTimer>
#include <QGuiApplication>

namespace PrintCommand {

namespace {

const QStringList Options = {QStringLiteral("--de"),    QStringLiteral("--ate"),     QStringLiteral("--reg-de"),
                             QStringLiteral("--reg-ate"), QStringLiteral("--conta"), QStringLiteral("--sistema"),
                             QStringLiteral("--grupo"), QStringLiteral("--codigo"),  QStringLiteral("--filtro"),
                             QStringLiteral("--pdf")};

// The names the dialogs' labels would show after leaving "Grupo" and "Codigo".
LinkLines linkLines(Database &db, const QString &group, const QString &code)
{
    const QString groupName = group.trimmed().isEmpty() ? QString() : LinkNames::groupName(db, group).value_or(QString());
    const QString codeName = code.trimmed().isEmpty() ? QString() : LinkNames::codeName(db, group, code).value_or(QString());
    return LinkLines::forTyped(group, code, groupName, codeName);
}

std::unique_ptr<Report> journal(CliContext &ctx, JournalRequest::Mode mode)
{
    JournalRequest r;
    r.mode = mode;
    r.dateFrom = ctx.option(QStringLiteral("--de"));
    r.dateTo = ctx.option(QStringLiteral("--ate"));
    r.seqFrom = ctx.option(QStringLiteral("--reg-de"));
    r.seqTo = ctx.option(QStringLiteral("--reg-ate"));
    r.group = ctx.option(QStringLiteral("--grupo"));
    r.code = ctx.option(QStringLiteral("--codigo"));
    Database &db = ctx.db();
    return JournalBook::make(db, r, linkLines(db, r.group, r.code));
}

LedgerRequest::Filter ledgerFilter(const QString &name)
{
    if (name.isEmpty() || name == u"consolidado")
        return LedgerRequest::Filter::Consolidados;
    if (name == u"nao-consolidado")
        return LedgerRequest::Filter::NaoConsolidados;
    if (name == u"vinculo")
        return LedgerRequest::Filter::PorVinculo;
    throw CliError(QStringLiteral("Filtro inválido: %1 (consolidado, nao-consolidado ou vinculo)").arg(name), 2);
}

std::unique_ptr<Report> ledger(CliContext &ctx)
{
    LedgerRequest r;
    r.account = ctx.option(QStringLiteral("--conta"));
    r.dateFrom = ctx.option(QStringLiteral("--de"));
    r.dateTo = ctx.option(QStringLiteral("--ate"));
    r.filter = ledgerFilter(ctx.option(QStringLiteral("--filtro")));
    if (r.filter == LedgerRequest::Filter::PorVinculo) {
        r.group = ctx.option(QStringLiteral("--grupo"));
        r.code = ctx.option(QStringLiteral("--codigo"));
    }
    Database &db = ctx.db();
    return LedgerBook::make(db, r, linkLines(db, r.group, r.code));
}

std::unique_ptr<Report> ledgerBySystem(CliContext &ctx)
{
    LedgerSystemRequest r;
    const QString system = ctx.option(QStringLiteral("--sistema"));
    if (!system.isEmpty()) {
        r.system = system.toInt();
        if (r.system < 1 || r.system > 4)
            throw CliError(QStringLiteral("Sistema inválido: %1 (1 a 4)").arg(system), 2);
    }
    r.dateFrom = ctx.option(QStringLiteral("--de"));
    r.dateTo = ctx.option(QStringLiteral("--ate"));
    r.group = ctx.option(QStringLiteral("--grupo"));
    r.code = ctx.option(QStringLiteral("--codigo"));
    Database &db = ctx.db();
    return LedgerBook::make(db, r, linkLines(db, r.group, r.code));
}

std::unique_ptr<Report> book(CliContext &ctx, const QString &which)
{
    if (which == u"diario")
        return journal(ctx, JournalRequest::Mode::Diario);
    if (which == u"rascunho-periodo")
        return journal(ctx, JournalRequest::Mode::RascunhoPeriodo);
    if (which == u"rascunho-registro")
        return journal(ctx, JournalRequest::Mode::RascunhoRegistro);
    if (which == u"razao")
        return ledger(ctx);
    if (which == u"razao-sistema")
        return ledgerBySystem(ctx);
    throw CliError(QStringLiteral("Livro desconhecido: %1").arg(which), 2);
}

} // namespace

int run(CliContext &ctx)
{
    ctx.allowOnly(Options);
    const QStringList which = ctx.positional();
    if (which.size() != 1)
        throw CliError(QStringLiteral("Informe o livro a imprimir."), 2);
    const QString pdf = ctx.option(QStringLiteral("--pdf"));
    if (pdf.isEmpty())
        throw CliError(QStringLiteral("Informe o arquivo PDF (--pdf ARQUIVO)."), 2);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw CliError(QStringLiteral("A impressão precisa da aplicação gráfica (QGuiApplication)."));

    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<Report> report;
    try {
        report = book(ctx, which.first());
        report->layoutAll();
    } catch (const ReportInputError &e) {
        throw CliError(e.text(), 2);
    }
    const ReportPainter painter(report->pages());
    try {
        painter.writePdf(pdf, report->title());
    } catch (const std::runtime_error &) {
        throw CliError(QStringLiteral("Não é possível gravar o arquivo: ") + pdf);
    }
    ctx.out() << pdf << ": " << report->pages().pageCount() << " páginas em " << timer.elapsed() / 1000.0 << " s" << Qt::endl;
    return 0;
}

} // namespace PrintCommand
