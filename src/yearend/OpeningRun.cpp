#include "yearend/OpeningRun.h"

#include "data/ChartOfAccounts.h"
#include "data/Database.h"
#include "data/JournalWriter.h"
#include "data/PathError.h"
#include "data/PathResolver.h"
#include "data/StandardHistories.h"
#include "data/TransactionGuard.h"
#include "routine/PostingRoutine.h"
#include "yearend/ChartRepair.h"
#include "yearend/OpeningConference.h"
#include "yearend/OpeningContext.h"
#include "yearend/OpeningGroups.h"
#include "yearend/PreviousYear.h"

#include <stdexcept>

OpeningRun::OpeningRun(Database &db, const PathResolver &paths, Interaction &ui) : m_db(db), m_paths(paths), m_ui(ui)
{
    m_threeWay = [this](const QString &text, const QString &caption) {
        return m_ui.question(text, caption, Interaction::Button::Yes | Interaction::Button::No | Interaction::Button::Cancel,
                             Interaction::Button::Yes);
    };
}

OpeningRun::~OpeningRun() = default;

QString OpeningRun::caption(Step step)
{
    switch (step) {
    case Step::Patrimonial:
        return QStringLiteral("Lançando Balanço Patrimonial do Exercício Anterior ................................");
    case Step::Financial:
        return QStringLiteral("Lançando Saldos Financeiros do Exercício Anterior .................................");
    case Step::Budget:
        return QStringLiteral("Lançando Orçamento do Exercício ........................................................");
    case Step::Repair:
        return QStringLiteral("Corrigir Códigos pendentes do Plano de Contas .......................................");
    case Step::Conference:
        return QStringLiteral("Conferência de Códigos do Plano de Contas ...........................................");
    }
    return {};
}

QString OpeningRun::existingRowsQuestion()
{
    return QStringLiteral("Lançamentos iniciais já existentes no diário! Deseja Reinicializar?");
}

QString OpeningRun::manualRowsQuestion()
{
    return QStringLiteral("Caso existam lançamentos iniciais manuais os mesmos serão excluidos! Deseja Continuar?");
}

QString OpeningRun::keepQuestion()
{
    return QStringLiteral("O diário do exercício anterior está finalizado por entidade ou vinculo. \r"
                          "Deseja importar sem apagar os lançamentos patrimoniais já existentes possibilitando assim que "
                          "sejam importados encerramentos patrimoniais de outros vinculos e entidades? \r"
                          "O que fazer com os lançamentos patrimoniais já existentes na abertura?");
}

QString OpeningRun::errorText(const std::exception &error)
{
    if (const auto *db = dynamic_cast<const DbError *>(&error))
        return db->driverText();
    if (const auto *path = dynamic_cast<const PathError *>(&error))
        return path->text();
    return QString::fromUtf8(error.what());
}

std::array<bool, 3> OpeningRun::groupsWithoutRows(Database &db)
{
    std::array<bool, 3> without{};
    for (int ie = 1; ie <= 3; ++ie)
        without[ie - 1] = db.scalar(QStringLiteral("SELECT COUNT(*) from condia where ie=%1").arg(ie)).toInt() == 0;
    return without;
}

void OpeningRun::atualiza_saldo_conpla(Database &db)
{
    db.exec(QStringLiteral(
        "update conpla set saldo=cast(credit as double precision)-cast(debit as double precision) where d_c='C'"));
    db.exec(QStringLiteral(
        "update conpla set saldo=cast(debit as double precision)-cast(credit as double precision) where d_c='D'"));
}

void OpeningRun::readFiscalYear()
{
    QSqlQuery q = m_db.query(QStringLiteral("select * from cadcli"));
    m_fiscalYear = q.next() ? q.value(QStringLiteral("MEXER")).toString().trimmed() : QString();
    bool numeric = false;
    m_fiscalYear.toInt(&numeric);
    if (!numeric)
        throw std::runtime_error(QStringLiteral("'%1' não é um valor inteiro válido").arg(m_fiscalYear).toStdString());
}

bool OpeningRun::confirm(const Options &options)
{
    if (!options.anyGroup())
        return true;
    if (m_db.scalar(QStringLiteral("select count(*) from condia where ie=1 or ie=2 or ie=3")).toInt() == 0)
        return true;
    const QString caption = QString::fromUtf8(ConfirmCaption);
    const int yesNo = Interaction::Button::Yes | Interaction::Button::No;
    return m_ui.question(existingRowsQuestion(), caption, yesNo, Interaction::Button::Yes) == Interaction::Button::Yes &&
           m_ui.question(manualRowsQuestion(), caption, yesNo, Interaction::Button::Yes) == Interaction::Button::Yes;
}

void OpeningRun::findPreviousYear()
{
    m_previousFound = false;
    m_finalGroup.clear();
    m_finalCode.clear();
    m_previous = std::make_unique<PreviousYear>(m_paths, m_fiscalYear);
    if (!m_previous->arquivo_ano_Anterior())
        return;
    m_previous->open();
    const PreviousYear::Closing closing = m_previous->closing();
    m_finalGroup = closing.vingrupo;
    m_finalCode = closing.vincodigo;
    m_previousFound = true;
    atualiza_saldo_conpla(m_db);
}

void OpeningRun::clearOldRows(const Options &options)
{
    if (options.patrimonial && m_previousFound) {
        // A year closed for one entity or link leaves the patrimonial opening of
        // the others to be imported beside it; the user says whether to keep it.
        bool remove = true;
        if (!m_finalGroup.isEmpty() &&
            m_db.scalar(QStringLiteral("select count(*) from condia where ie=1")).toInt() > 0)
            remove = m_threeWay(keepQuestion(), QString::fromUtf8(KeepCaption)) == Interaction::Button::Yes;
        if (remove)
            m_db.exec(QStringLiteral("Delete from condia where ie=1"));
    }
    if (options.financial)
        m_db.exec(QStringLiteral("Delete from condia where ie=2"));
    if (options.budget)
        m_db.exec(QStringLiteral("Delete from condia where ie=3"));
}

OpeningRun::Outcome OpeningRun::run(const Options &options, const Mark &mark)
{
    readFiscalYear();
    JournalWriter writer(m_db);
    writer.resetCounter();
    if (!confirm(options))
        return Outcome::Declined;

    {
        TransactionGuard tx(m_db);
        findPreviousYear();
        clearOldRows(options);

        ChartOfAccounts chart = ChartOfAccounts::load(m_db);
        const StandardHistories histories = StandardHistories::load(m_db);
        PostingRoutine post(writer, chart, histories, m_ui);
        post.setDate(QDate(m_fiscalYear.toInt(), 1, 1));
        post.setBlock(1);
        post.setSkipZeroAmounts(true);
        post.setWarnMissingAccount(false);
        OpeningContext ctx{m_db, m_previous->database(), post, chart, m_ui, m_fiscalYear, m_finalGroup, m_finalCode};
        OpeningGroups groups(ctx);

        if (options.patrimonial) {
            if (m_previousFound) {
                mark(Step::Patrimonial, !groups.patrimonial());
            } else {
                groups.patrimonialFallback();
                mark(Step::Patrimonial, true);
            }
        }
        if (options.financial)
            mark(Step::Financial, !groups.financeiro());
        if (options.budget)
            mark(Step::Budget, !groups.orcamentario());

        writer.flush(m_ui);
        if (!writer.pending().empty())
            throw std::runtime_error("A base de dados recusou lançamentos da abertura; nada foi gravado.");
        tx.commit();
    }

    if (options.repair) {
        try {
            ChartRepair(m_db, m_ui).corrige_plano();
        } catch (...) {
            mark(Step::Repair, false);
            throw;
        }
        mark(Step::Repair, true);
    }
    if (options.conference) {
        OpeningConference conference(m_db, m_paths.resolve(QStringLiteral("D")), m_ui);
        mark(Step::Conference, !conference.conferencia());
    }
    return Outcome::Completed;
}
