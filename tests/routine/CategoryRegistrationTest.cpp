#include "CategoryRunner.h"
#include "routine/Category.h"
#include "routine/CategoryCatalog.h"

#include <gtest/gtest.h>

// The status rows run the categories of their entry kinds, and each can run
// twice on the same month without doubling its rows.
TEST(CategoryRegistration, StatusRowsRunTheirCategoriesAgainAndAgain)
{
    CategoryRunner r;
    r.suite.accounts({"323702", "141402", "211302", "163302", "131302", "382101", "385201", "321101", "342101"})
        .supplier(1, QStringLiteral("Fornecedor"))
        .expenditureAllocation(1, "339030", "001", "001", "N", 0, "N")
        .creditMovement(1, 100, 1, r.march())
        .revenueAllocation(2, "323702", "001", "001")
        .receipt(2, 70, r.march())
        .expenditureAllocation(3, "323702", "001", "001", "S")
        .payment(3, 30, r.march(), "001", "001")
        .expenditureAllocation(4, "382101", "001", "001", "N")
        .payment(4, 9, r.march(), "001", "001", 1)
        .expenditureAllocation(5, "371101", "001", "001", "N")
        .payment(5, 8, r.march(), "001", "001")
        .revenueAllocation(6, "385201", "001", "001", "N")
        .receipt(6, 6, r.march())
        .expenditureAllocation(7, "321101", "001", "001")
        .commitment(7, -5, r.march(), "001", "001")
        .expenditureAllocation(8, "342101", "001", "001")
        .payment(8, 4, r.march(), "001", "001");

    const QList<QPair<QString, int>> expected = {
        {"credito_suplementar", 6}, {"Receitas_EXTRAS", 11}, {"CAUCOES", 18},  {"ADIANTAMENTO", 24},
        {"VALORES_GUARDA", 22},     {"RESTOS_PAGAR", 26},    {"AMORTIZACAO", 27}, {"PATRONAL", 19},
        {"TRANSFERENCIA_FINANCEIRA", 21}};
    for (const auto &[operation, kind] : expected) {
        const auto &rows = CategoryCatalog::statusRows();
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto &s) { return s.operation == operation; });
        ASSERT_NE(row, rows.end()) << qPrintable(operation);
        ASSERT_TRUE(row->make) << qPrintable(operation);

        int written = 0;
        for (int round = 0; round < 2; ++round) {
            JournalWriter writer(*r.db);
            writer.resetCounter();
            ChartOfAccounts chart = ChartOfAccounts::load(*r.db);
            const StandardHistories histories = StandardHistories::load(*r.db);
            PostingRoutine routine(writer, chart, histories, r.ui);
            routine.setDate(r.state.runDate());
            MonthlyContext ctx{*r.db, routine, r.state, r.ui, chart};
            const auto category = row->make(ctx);
            EXPECT_EQ(category->entryKind(), kind) << qPrintable(operation);
            EXPECT_TRUE(category->run()) << qPrintable(operation);
            writer.flush(r.ui);
            const int now = r.db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = ?"), {kind}).toInt();
            EXPECT_GT(now, 1) << qPrintable(operation);
            if (round == 1)
                EXPECT_EQ(now, written) << qPrintable(operation);
            written = now;
        }
    }
    EXPECT_TRUE(r.ui.said.isEmpty()) << qPrintable(r.ui.texts().join(u'\n'));
}
