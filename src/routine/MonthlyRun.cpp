#include "routine/MonthlyRun.h"

#include "data/ChartOfAccounts.h"
#include "data/CommonRoutines.h"
#include "data/Database.h"
#include "data/Interaction.h"
#include "data/JournalWriter.h"
#include "data/StandardHistories.h"
#include "routine/Category.h"
#include "routine/CategoryCatalog.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"

const QStringList &MonthlyRun::monthItems()
{
    static const QStringList items = {
        QStringLiteral(" 1- Janeiro"), QStringLiteral(" 2- Fevereiro"), QStringLiteral(" 3- Março"),
        QStringLiteral(" 4- Abril"),   QStringLiteral(" 5- Maio"),      QStringLiteral(" 6- Junho"),
        QStringLiteral(" 7- Julho"),   QStringLiteral(" 8- Agosto"),    QStringLiteral(" 9- Setembro"),
        QStringLiteral("10- Outubro"), QStringLiteral("11- Novembro"),  QStringLiteral("12- Dezembro"),
        QStringLiteral("TODOS")};
    return items;
}

int MonthlyRun::monthOf(const QString &item)
{
    bool ok = false;
    const int m = item.left(2).trimmed().toInt(&ok);
    return ok && m >= 1 && m <= 12 ? m : 0;
}

const QList<MonthlyRun::StatusRow> &MonthlyRun::statusRows()
{
    return CategoryCatalog::statusRows();
}

QString MonthlyRun::noMonthMessage()
{
    return QStringLiteral("Especifique o Mês para efetuar os lançamentos!");
}

QString MonthlyRun::emptyJournalMessage()
{
    return QStringLiteral("Execute primeiramente o \"Lançamento Anual Inicial\".");
}

QString MonthlyRun::interruptedMessage()
{
    return QStringLiteral("Lançamento interrompido pelo usuário!");
}

QString MonthlyRun::endMessage()
{
    return QStringLiteral("Término do Lançamento de Rotina! Verifique se ocorreu algum erro!");
}

MonthlyRun::MonthlyRun(Database &db, Interaction &ui) : m_db(db), m_ui(ui) {}

void MonthlyRun::readEntity()
{
    QSqlQuery q = m_db.query(QStringLiteral("select * from cadcli"));
    const bool found = q.next();
    m_state.fiscalYear = found ? q.value(QStringLiteral("MEXER")).toString().trimmed() : QString();
    const QString name = found ? q.value(QStringLiteral("CLNT1")).toString().trimmed() : QString();
    m_state.pEntity = name.startsWith(u'P', Qt::CaseInsensitive);
}

MonthlyRun::Outcome MonthlyRun::run(const QString &item, const Mark &mark, bool allMonths)
{
    Events events;
    events.marked = mark;
    return run(item, events, allMonths);
}

namespace {

void notify(const std::function<void()> &event)
{
    if (event)
        event();
}

} // namespace

MonthlyRun::Outcome MonthlyRun::run(const QString &item, const Events &events, bool allMonths)
{
    const QString caption = QString::fromUtf8(Caption);
    if (item.isEmpty()) {
        m_ui.message(noMonthMessage(), caption, Interaction::Icon::Warning);
        return Outcome::NoMonth;
    }
    JournalWriter writer(m_db);
    writer.resetCounter();
    if (writer.lineCounter() == 0) {
        m_ui.message(emptyJournalMessage(), caption, Interaction::Icon::Warning);
        return Outcome::EmptyJournal;
    }
    notify(events.starting);
    if (monthOf(item) == 0)
        return Outcome::AllMonthsRequested;
    notify(events.posting);

    readEntity();
    m_state.month = monthOf(item);
    m_state.runDay = CommonRoutines::ultimo_dia_mes(m_state.month, m_state.fiscalYear.toInt());

    ChartOfAccounts chart = ChartOfAccounts::load(m_db);
    const StandardHistories histories = StandardHistories::load(m_db);
    PostingRoutine routine(writer, chart, histories, m_ui);
    routine.setDate(m_state.runDate());
    routine.setBlock(100);
    MonthlyContext ctx{m_db, routine, m_state, m_ui, chart};

    const auto mark = [&events](int row, bool ok) {
        if (events.marked)
            events.marked(row, ok);
    };
    const auto &rows = statusRows();
    for (int i = 0; i < rows.size(); ++i) {
        const StatusRow &row = rows[i];
        if (row.operation.isEmpty()) {
            mark(i, true);
        } else if (row.make) {
            const bool ok = row.make(ctx)->run();
            mark(i, ok);
        }
        writer.flush(m_ui);
        if (m_ui.cancelled()) {
            m_ui.message(interruptedMessage(), caption, Interaction::Icon::Warning);
            notify(events.postingDone);
            return Outcome::Interrupted;
        }
    }
    notify(events.postingDone);
    cleanZeroLines();
    if (!allMonths)
        m_ui.message(endMessage(), caption, Interaction::Icon::Warning);
    return Outcome::Completed;
}

// Lines whose amounts add up to zero at two decimals go, in every month; header
// rows stay even when no line follows them.
void MonthlyRun::cleanZeroLines()
{
    m_db.exec(QStringLiteral("DELETE FROM CONDIA WHERE (TITCO IS NULL OR POSITION('SISTEMA' IN TITCO) = 0) "
                             "AND ROUND(COALESCE(CREDI, 0) + COALESCE(DEBIT, 0), 2) = 0"));
}
