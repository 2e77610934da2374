#pragma once

#include "data/ChartOfAccounts.h"
#include "data/Database.h"
#include "data/JournalWriter.h"
#include "data/ScriptedInteraction.h"
#include "data/StandardHistories.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"
#include "routine/RunState.h"
#include "SuiteRows.h"
#include "TestDatabase.h"

#include <QStringList>

// One category run alone on a month, as the monthly run sets it up but without
// the other categories and without the zero-line cleanup, so that zero lines
// can be seen.
struct CategoryHarness {
    CategoryHarness(Database &db, int month, const QString &year = QStringLiteral("2008"))
        : db(db), writer(db), chart(ChartOfAccounts::load(db)), histories(StandardHistories::load(db)),
          routine(writer, chart, histories, ui), ctx{db, routine, state, ui, chart}
    {
        state.fiscalYear = year;
        state.month = month;
        state.runDay = QDate(year.toInt(), month, 1).daysInMonth();
        writer.resetCounter();
        routine.setDate(state.runDate());
        routine.setBlock(100);
    }

    template <typename C>
    bool run()
    {
        C category(ctx);
        const bool ok = category.run();
        writer.flush(ui);
        return ok;
    }

    Database &db;
    ScriptedInteraction ui;
    RunState state;
    JournalWriter writer;
    ChartOfAccounts chart;
    StandardHistories histories;
    PostingRoutine routine;
    MonthlyContext ctx;
};

// The journal rows of one entry kind in SEQ order, one compact text each:
//   "101 SISTEMA ORCAMENTARIO"                       a header row
//   "101 D 131101 100.00 h201"                       a line with a standard history
//   "102 C 251102 100.00 'Retiradas ...'"            a line with a text
//   "102 C - 40.00 h0"                               a line without account
inline QStringList journalLines(Database &db, int ie)
{
    QStringList r;
    QSqlQuery q = db.query(QStringLiteral("SELECT IMP, BALCO, TITCO, DEBIT, CREDI, HISTO, DISCRI FROM CONDIA WHERE IE = ? "
                                          "ORDER BY SEQ"),
                           {ie});
    while (q.next()) {
        const QString imp = q.value(0).toString();
        const QString balco = q.value(1).toString();
        if (balco.isEmpty() && q.value(3).isNull() && q.value(4).isNull()) {
            r << imp + u' ' + q.value(2).toString();
            continue;
        }
        const bool debit = !q.value(3).isNull();
        const Money amount = Money::fromVariant(q.value(debit ? 3 : 4), 2);
        QString how;
        if (!q.value(5).isNull())
            how = QStringLiteral("h") + q.value(5).toString();
        else if (!q.value(6).isNull())
            how = u'\'' + q.value(6).toString() + u'\'';
        else
            how = QStringLiteral("h0");
        r << QStringLiteral("%1 %2 %3 %4 %5").arg(imp, debit ? u"D" : u"C", balco.isEmpty() ? QStringLiteral("-") : balco,
                                                  amount.toSql(2), how);
    }
    return r;
}

// A database with the entity (fiscal year 2008), one opening row, the accounts and
// the standard histories the categories post to. 332103 is left out: the active
// debt category creates it.
inline std::unique_ptr<Database> seededDatabase(const QString &year = QStringLiteral("2008"))
{
    auto db = TestDatabase::fresh(QStringLiteral("routine"));
    SuiteRows(*db)
        .entity(year)
        .openingRow()
        .accounts({QStringLiteral("131101"), QStringLiteral("131102"), QStringLiteral("163101"), QStringLiteral("211104"),
                   QStringLiteral("211108"), QStringLiteral("242101"), QStringLiteral("391101"), QStringLiteral("325101"),
                   QStringLiteral("491101"), QStringLiteral("421101"), QStringLiteral("421102"), QStringLiteral("421103"),
                   QStringLiteral("421201"), QStringLiteral("421204"), QStringLiteral("421205"), QStringLiteral("153101"),
                   QStringLiteral("141101"), QStringLiteral("141107"), QStringLiteral("251101"), QStringLiteral("221101"),
                   QStringLiteral("221107"), QStringLiteral("311101"), QStringLiteral("411101"), QStringLiteral("411107"),
                   QStringLiteral("332101"), QStringLiteral("332102"), QStringLiteral("341101"), QStringLiteral("331101"),
                   QStringLiteral("331201"), QStringLiteral("422101"), QStringLiteral("422102"), QStringLiteral("422103"),
                   QStringLiteral("422106"), QStringLiteral("251102"), QStringLiteral("251103"), QStringLiteral("251104"),
                   QStringLiteral("251105"), QStringLiteral("251106"), QStringLiteral("311201"), QStringLiteral("311301"),
                   QStringLiteral("121101"), QStringLiteral("121102")})
        .histories({201, 202, 203, 204, 205, 206, 209, 214, 216, 217, 301, 302, 303, 304, 402, 427, 431});
    return db;
}
