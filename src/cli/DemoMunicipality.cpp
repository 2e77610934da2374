#include "cli/DemoMunicipality.h"

#include "cli/DemoBudget.h"
#include "cli/DemoExecution.h"
#include "cli/DemoForcedWrites.h"
#include "cli/DemoPatrimony.h"
#include "cli/DemoProgress.h"
#include "cli/DemoRandom.h"
#include "cli/DemoSizes.h"
#include "cli/DemoTreasury.h"
#include "cli/DemoWriter.h"
#include "data/Database.h"
#include "data/DatabaseCreator.h"
#include "data/Interaction.h"
#include "data/Schema.h"
#include "data/TransactionGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString caption = QStringLiteral("Atenção");

// A folder or file the generation could not make.
struct Failure {
    QString text;
};

// What a failed or stopped generation has to take away again.
class Made {
public:
    void dir(const QString &path)
    {
        if (!QFileInfo::exists(path)) {
            if (!QDir().mkpath(path))
                throw Failure{QStringLiteral("Não é possível criar a pasta %1").arg(QDir::toNativeSeparators(path))};
            m_dirs.prepend(path);
        }
    }
    void file(const QString &path) { m_files.prepend(path); }
    void undo()
    {
        for (const QString &f : std::as_const(m_files))
            QFile::remove(f);
        for (const QString &d : std::as_const(m_dirs))
            QDir().rmdir(d);
    }

private:
    QStringList m_files;
    QStringList m_dirs;
};

// A new, empty fiscal-year database, written without forced writes until done.
void createDatabase(const QString &path, Made &made)
{
    DatabaseCreator::create(path);
    made.file(path);
    DemoForcedWrites::set(path, false);
}

void writePrevious(const QString &path, const DemoMunicipality::Plan &plan, DemoProgress &progress, Made &made)
{
    const int year = plan.current.year - 1;
    createDatabase(path, made);
    {
        Database db(path);
        db.open();
        Schema::install(db);
        {
            TransactionGuard guard(db);
            DemoWriter writer(db, progress);
            writer.entity(plan.current, QString::number(year));
            writer.journal(plan.previousJournal);
            guard.commit();
        }
        progress.stage(QStringLiteral("Encerrando o exercício de %1...").arg(year));
        // The chart's totals as the closing leaves them: the suite's totalisation
        // over the whole journal up to the closing date.
        db.exec(QStringLiteral("EXECUTE PROCEDURE TOTALIZA_DIARIO(?, ?, ?, ?, ?)"),
                {QDate(year, 12, 31), QString(), QString(), 1, 0});
        db.exec(QStringLiteral("CREATE TABLE FINAL (TIPO INTEGER,VINGRUPO CHAR(3),VINCODIGO CHAR(3),EMPRESA INTEGER,DATA CHAR(10))"));
        db.exec(QStringLiteral("INSERT INTO FINAL (TIPO, VINGRUPO, VINCODIGO, EMPRESA, DATA) VALUES (1, '', '', 0, ?)"),
                {QStringLiteral("31/12/%1").arg(year)});
    }
    DemoForcedWrites::set(path, true);
}

void writeCurrent(const QString &path, const DemoMunicipality::Plan &plan, DemoProgress &progress, Made &made)
{
    createDatabase(path, made);
    {
        Database db(path);
        db.open();
        Schema::install(db);
        TransactionGuard guard(db);
        DemoWriter writer(db, progress);
        writer.entity(plan.current, QString::number(plan.current.year));
        writer.execution(plan.current);
        guard.commit();
    }
    DemoForcedWrites::set(path, true);
}

void writeIni(const QString &dir, int year, Made &made)
{
    const QString path = DemoMunicipality::iniPath(dir);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        throw Failure{QStringLiteral("Não é possível gravar o arquivo %1").arg(QDir::toNativeSeparators(path))};
    made.file(path);
    // Local mode: no server, the databases under the folder itself.
    const QString text = QStringLiteral("[ZOLV]\nano=%1\nServidor=\nCaminho_Base_Dados=%2/\n").arg(year).arg(dir);
    file.write(text.toUtf8());
}

} // namespace

QString DemoMunicipality::iniPath(const QString &dir)
{
    return dir + QStringLiteral("/Zolv.ini");
}

QString DemoMunicipality::databasePath(const QString &dir, int year)
{
    return QStringLiteral("%1/ARQ%2/ZOLV%2.FDB").arg(dir).arg(year);
}

DemoMunicipality::Plan DemoMunicipality::plan(int year, double scale, quint64 seed)
{
    const DemoSizes sizes = DemoSizes::at(scale);
    const DemoRandom root(seed);
    Plan p;
    p.current.year = year;
    DemoRandom budget = root.fork(100), execution = root.fork(200), treasury = root.fork(300),
               patrimony = root.fork(400), previous = root.fork(500);
    DemoBudget::plan(p.current, sizes, budget);
    DemoExecution::run(p.current, sizes, execution);
    DemoTreasury::run(p.current, sizes, treasury);
    DemoPatrimony::run(p.current, sizes, patrimony);
    p.previousJournal = DemoPreviousYear::journal(p.current, sizes, previous);
    return p;
}

bool DemoMunicipality::create(const DemoOptions &options, Interaction &ui)
{
    if (options.year < 1901 || options.year > 9999 || !(options.scale > 0)) {
        ui.message(QStringLiteral("Ano ou escala inválidos; nada foi alterado."), caption, Interaction::Icon::Warning);
        return false;
    }
    const QString dir = QDir::cleanPath(QDir(options.dir).absolutePath());
    const QString current = databasePath(dir, options.year);
    const QString previous = databasePath(dir, options.year - 1);
    for (const QString &path : {iniPath(dir), current, previous}) {
        if (QFileInfo::exists(path)) {
            ui.message(QStringLiteral("A pasta %1 já contém um município (%2). Escolha uma pasta vazia; nada foi alterado.")
                           .arg(QDir::toNativeSeparators(dir), QFileInfo(path).fileName()),
                       caption, Interaction::Icon::Warning);
            return false;
        }
    }
    if (QFileInfo::exists(dir) && !QFileInfo(dir).isDir()) {
        ui.message(QStringLiteral("%1 não é uma pasta; nada foi alterado.").arg(QDir::toNativeSeparators(dir)), caption,
                   Interaction::Icon::Warning);
        return false;
    }

    ui.progress(0, 1000, QStringLiteral("Gerando os dados do município de demonstração..."));
    const Plan p = plan(options.year, options.scale, options.seed);
    DemoProgress progress(ui, 2 * DemoWriter::entityRows(p.current) + DemoWriter::executionRows(p.current)
                                  + p.previousJournal.size());
    Made made;
    try {
        made.dir(dir);
        made.dir(QFileInfo(previous).path());
        made.dir(QFileInfo(current).path());
        writePrevious(previous, p, progress, made);
        writeCurrent(current, p, progress, made);
        writeIni(dir, options.year, made);
    } catch (const DemoProgress::Cancelled &) {
        made.undo();
        ui.message(QStringLiteral("Geração do município interrompida pelo usuário; nada foi gravado."), caption,
                   Interaction::Icon::Information);
        return false;
    } catch (const Failure &f) {
        made.undo();
        ui.message(f.text + QStringLiteral("; nada foi gravado."), caption, Interaction::Icon::Error);
        return false;
    } catch (...) {
        made.undo();
        throw;
    }
    ui.progress(1000, 1000);
    return true;
}

QList<DemoMunicipality::Total> DemoMunicipality::totals(Database &db)
{
    static const QList<QPair<const char *, const char *>> tables = {
        {"CONPLA", "SALDO"},      {"CONDIA", "DEBIT"},         {"CONHIS", "0"},        {"CONAUT", "0"},
        {"VINCODIGO", "0"},       {"UNIDADE", "0"},            {"DESFOR", "0"},        {"RECTAB", "0"},
        {"DESDIS", "DOTAC"},      {"RECDIS", "TOTOR"},         {"CADDECRETO", "0"},    {"DESALD", "VALOR"},
        {"DESPES", "VADEM"},      {"PAGAMENTO", "VAPAG"},      {"RECEIT", "VAREC"},    {"DESCON", "SALDOINICIAL"},
        {"ORDCAI", "CREDI-DEBIT"}, {"CADPAT", "VATO3"},        {"MOVBEM", "0"},        {"FRESPA", "PROCESSADO+NPROCESSADO"},
    };
    QList<Total> out;
    for (const auto &t : tables) {
        QSqlQuery q = db.query(QStringLiteral("SELECT COUNT(*), CAST(COALESCE(SUM(%1), 0) AS NUMERIC(18,2)) FROM %2")
                                   .arg(QLatin1String(t.second), QLatin1String(t.first)));
        q.next();
        out.append({QLatin1String(t.first), q.value(0).toLongLong(), Money::fromVariant(q.value(1), 2)});
    }
    return out;
}
