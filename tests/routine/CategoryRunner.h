#pragma once

#include "CategoryRows.h"
#include "TestDatabase.h"
#include "data/ChartOfAccounts.h"
#include "data/JournalWriter.h"
#include "data/ScriptedInteraction.h"
#include "data/StandardHistories.h"
#include "routine/MonthlyContext.h"
#include "routine/PostingRoutine.h"
#include "routine/RunState.h"

#include <QStringList>
#include <memory>

// One category of the monthly run on a fresh database: March 2024, an entity
// that is not a town hall, a chart holding every account the categories' rules
// name, and the standard histories they use (text "H<code>").
//
// journal() lists the rows written, in SEQ order, one text a row:
//   header  "101 SISTEMA FINANCEIRO"
//   line    "101 G01/C01 D 251101 50.00 #312"          (standard history 312)
//           "101 - C 121101 0.00 |Valor Transferido ..." (text; no link)
// IMP "-" when empty, account "-" when the line has none.
class CategoryRunner {
public:
    CategoryRunner();

    template <typename C>
    bool run()
    {
        JournalWriter writer(*db);
        writer.resetCounter();
        ChartOfAccounts chart = ChartOfAccounts::load(*db);
        const StandardHistories histories = StandardHistories::load(*db);
        PostingRoutine routine(writer, chart, histories, ui);
        routine.setDate(state.runDate());
        routine.setBlock(100);
        MonthlyContext ctx{*db, routine, state, ui, chart};
        C category(ctx);
        m_kind = category.entryKind();
        const bool ok = category.run();
        writer.flush(ui);
        return ok;
    }

    // Also checks what every row must carry: the category's entry kind and the
    // run date, and on header rows no account, amount or link.
    QStringList journal() const;
    QString titleOf(const QString &balco) const;

    static QDate march(int day = 10) { return QDate(2024, 3, day); }
    static QDate april(int day = 10) { return QDate(2024, 4, day); }

    std::unique_ptr<Database> db;
    CategoryRows suite;
    ScriptedInteraction ui;
    RunState state;

private:
    int m_kind = 0;
};
