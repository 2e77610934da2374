#include "cli/BenchPostCommand.h"

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "data/CommonRoutines.h"
#include "data/Database.h"
#include "data/Interaction.h"
#include "routine/AllMonthsRun.h"
#include "routine/MonthlyRun.h"

#include <QElapsedTimer>

namespace {

// Warnings would drown the timings: they are only counted.
class CountingInteraction : public Interaction {
public:
    void message(const QString &, const QString &, Icon) override { ++messages; }
    Button question(const QString &, const QString &, int, Button defaultButton) override { return defaultButton; }
    void progress(int, int, const QString &) override {}
    bool cancelled() override { return false; }
    int messages = 0;
};

QString seconds(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 2) + QStringLiteral(" s");
}

} // namespace

namespace BenchPostCommand {

int run(CliContext &ctx)
{
    ctx.allowOnly({QStringLiteral("--month")});
    const QString monthOption = ctx.option(QStringLiteral("--month"));
    const int month = monthOption.isEmpty() ? 3 : monthOption.toInt();
    if (month < 1 || month > 12)
        throw CliError(QStringLiteral("Mês inválido: %1").arg(monthOption), 2);
    Database &db = ctx.db();
    const QStringList &items = MonthlyRun::monthItems();
    QTextStream &out = ctx.out();
    out << "Diário: " << db.scalar(QStringLiteral("select count(*) from condia")).toLongLong() << " linhas antes" << Qt::endl;

    CountingInteraction ui;
    QElapsedTimer total, step;
    bool failed = false;
    total.start();
    step.start();
    MonthlyRun one(db, ui);
    const auto outcome = one.run(
        items[month - 1],
        [&](int row, bool ok) {
            out << CommonRoutines::completa_direita(MonthlyRun::statusRows()[row].caption + u' ', QStringLiteral("."), 55)
                << u' ' << (ok ? "OK  " : "ERRO") << u' ' << seconds(step.restart()) << Qt::endl;
            failed = failed || !ok;
        },
        true);
    if (outcome != MonthlyRun::Outcome::Completed)
        throw CliError(QStringLiteral("O lançamento do mês não foi concluído."));
    out << "Limpeza e gravação final: " << seconds(step.elapsed()) << Qt::endl;
    out << "Mês " << month << ": " << seconds(total.elapsed()) << Qt::endl;

    AllMonthsRun all(db, ui);
    const int count = all.monthCount();
    QList<qint64> byRow(MonthlyRun::statusRows().size(), 0);
    total.restart();
    all.run([&](int index) {
        QElapsedTimer month;
        month.start();
        step.restart();
        MonthlyRun run(db, ui);
        run.run(items[index], [&](int row, bool ok) {
            byRow[row] += step.restart();
            failed = failed || !ok;
        }, true);
        out << items[index].trimmed() << ": " << seconds(month.elapsed()) << Qt::endl;
    });
    out << "Todos os meses (" << count << "): " << seconds(total.elapsed()) << Qt::endl;
    for (int row = 0; row < byRow.size(); ++row) {
        if (byRow[row] > 0)
            out << "  " << CommonRoutines::completa_direita(MonthlyRun::statusRows()[row].caption + u' ', QStringLiteral("."), 53)
                << u' ' << seconds(byRow[row]) << Qt::endl;
    }
    out << "Diário: " << db.scalar(QStringLiteral("select count(*) from condia")).toLongLong() << " linhas depois; "
        << ui.messages << " avisos" << Qt::endl;
    return failed ? 1 : 0;
}

} // namespace BenchPostCommand
