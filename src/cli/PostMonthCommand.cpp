#include "cli/PostMonthCommand.h"

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "data/CommonRoutines.h"
#include "routine/AllMonthsRun.h"
#include "routine/MonthlyRun.h"

#include <QMap>

namespace {

// The status rows as the window lists them: caption, a row of dots, the result.
void printRows(QTextStream &out, const QMap<int, bool> &marks)
{
    const auto &rows = MonthlyRun::statusRows();
    for (int i = 0; i < rows.size(); ++i) {
        const QString result = !marks.contains(i) ? QString() : marks[i] ? QStringLiteral("OK") : QStringLiteral("ERRO");
        out << CommonRoutines::completa_direita(rows[i].caption + u' ', QStringLiteral("."), 55) << u' ' << result << Qt::endl;
    }
}

} // namespace

namespace PostMonthCommand {

QString itemFor(const QString &argument)
{
    const QStringList &items = MonthlyRun::monthItems();
    if (argument.compare(QStringLiteral("TODOS"), Qt::CaseInsensitive) == 0)
        return items.last();
    bool ok = false;
    const int month = argument.toInt(&ok);
    return ok && month >= 1 && month <= 12 ? items[month - 1] : QString();
}

int run(CliContext &ctx)
{
    ctx.allowOnly({});
    const QStringList args = ctx.positional();
    const QString item = args.size() == 1 ? itemFor(args.first()) : QString();
    if (item.isEmpty())
        throw CliError(QStringLiteral("Informe o mês (1 a 12) ou TODOS."), 2);
    Database &db = ctx.db();

    bool failed = false;
    const auto postMonth = [&](const QString &monthItem, bool allMonths) {
        QMap<int, bool> marks;
        MonthlyRun run(db, ctx.ui());
        const MonthlyRun::Outcome outcome =
            run.run(monthItem, [&marks](int row, bool ok) { marks[row] = ok; }, allMonths);
        if (!marks.isEmpty())
            printRows(ctx.out(), marks);
        for (bool ok : std::as_const(marks))
            failed = failed || !ok;
        return outcome;
    };

    const MonthlyRun::Outcome outcome = postMonth(item, false);
    if (outcome == MonthlyRun::Outcome::NoMonth || outcome == MonthlyRun::Outcome::EmptyJournal)
        return 1;
    if (outcome == MonthlyRun::Outcome::AllMonthsRequested) {
        AllMonthsRun all(db, ctx.ui());
        all.run([&](int index) {
            ctx.out() << MonthlyRun::monthItems()[index].trimmed() << Qt::endl;
            postMonth(MonthlyRun::monthItems()[index], true);
        });
    }
    return failed ? 1 : 0;
}

} // namespace PostMonthCommand
