#include "TestDatabase.h"
#include "data/TransactionGuard.h"
#include "maintenance/MaintenanceFilter.h"

#include <gtest/gtest.h>

namespace {

using Fields = MaintenanceFilter::Fields;

std::unique_ptr<Database> journal()
{
    auto db = TestDatabase::fresh(QStringLiteral("filter"));
    TransactionGuard tx(*db);
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES ('111101','1','RECEITA','D')"));
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES ('112101','1','RECEITA A REALIZAR','C')"));
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES ('211101','2','BANCOS','D')"));
    const std::vector<std::tuple<const char *, const char *, const char *, int, const char *>> rows{
        {"111101", "100.00", "0", 9, "001"},  {"112101", "0", "100.00", 9, "001"}, {"111101", "0", "30.00", 9, "002"},
        {"211101", "150.00", "0", 12, "001"}, {"111101", "5.00", "0", 1, "001"},   {"111101", "0", "7.00", 36, "001"},
    };
    int seq = 0;
    for (const auto &[balco, debit, credi, ie, vingrupo] : rows)
        db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA,BALCO,DATAE,DEBIT,CREDI,IE,SEQ,VINGRUPO,VINCODIGO) "
                                "VALUES (0,?,?,?,?,?,?,?,'001')"),
                 {QString::fromUtf8(balco), QDate(2008, 3, 31).startOfDay(), QString::fromUtf8(debit),
                  QString::fromUtf8(credi), ie, ++seq, QString::fromUtf8(vingrupo)});
    tx.commit();
    return db;
}

QList<int> shown(Database &db, const Fields &f)
{
    const QString condition = MaintenanceFilter::gridCondition(f);
    QSqlQuery q = db.query(QStringLiteral("SELECT SEQ FROM CONDIA") +
                           (condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition) +
                           QStringLiteral(" ORDER BY SEQ"));
    QList<int> seqs;
    while (q.next())
        seqs << q.value(0).toInt();
    return seqs;
}

} // namespace

TEST(MaintenanceFilter, TheGridTakesTheAccountAsAPrefixTheTotalsTakeItExactly)
{
    auto db = journal();
    Fields f;
    f.conta = QStringLiteral("1");
    EXPECT_EQ(shown(*db, f), QList<int>({1, 2, 3, 5, 6}));
    const QString totals = MaintenanceFilter::totalsCondition(f);
    EXPECT_EQ(totals, QStringLiteral("CONPLA.BALCO = '1'"));
    EXPECT_FALSE(MaintenanceFilter::firstTotals(*db, totals));

    f.conta = QStringLiteral("111101");
    f.vingrupo = QStringLiteral("001");
    f.kindItem = 5; // Receita Realizada
    EXPECT_EQ(shown(*db, f), QList<int>({1}));
    const auto t = MaintenanceFilter::firstTotals(*db, MaintenanceFilter::totalsCondition(f));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->balco, QStringLiteral("111101"));
    EXPECT_EQ(t->debit, Money::fromCents(10000));
    EXPECT_EQ(t->saldo(), Money::fromCents(10000));
}

TEST(MaintenanceFilter, TheBalanceFollowsTheNatureOfTheFirstAccount)
{
    auto db = journal();
    Fields f;
    f.conta = QStringLiteral("112101");
    const auto credit = MaintenanceFilter::firstTotals(*db, MaintenanceFilter::totalsCondition(f));
    EXPECT_EQ(credit->saldo(), Money::fromCents(10000));
    f.conta = QStringLiteral("111101");
    const auto debit = MaintenanceFilter::firstTotals(*db, MaintenanceFilter::totalsCondition(f));
    // 100 + 5 debited, 30 + 7 credited.
    EXPECT_EQ(debit->saldo(), Money::fromCents(6800));
    EXPECT_EQ(debit->saldoc, Money::fromCents(-6800));
    EXPECT_EQ(MaintenanceFilter::totalText(debit->saldoc), QStringLiteral("(68,00)"));
    EXPECT_EQ(MaintenanceFilter::totalText(Money::fromCents(123456)), QStringLiteral("1.234,56"));
}

TEST(MaintenanceFilter, EntryKindItemsAmountsAndLinks)
{
    auto db = journal();
    const auto &items = MaintenanceFilter::kindItems();
    ASSERT_EQ(items.size(), 21);
    EXPECT_EQ(items[20].text, QStringLiteral("Finais"));
    struct Case {
        Fields fields;
        QList<int> seqs;
    };
    Fields finais;
    finais.kindItem = 20;
    Fields balanco;
    balanco.kindItem = 1;
    Fields amount;
    amount.valor = QStringLiteral("150,00");
    Fields link;
    link.vingrupo = QStringLiteral("002");
    Fields none;
    none.kindItem = 0;
    Fields quote;
    quote.vincodigo = QStringLiteral("0'1");
    for (const Case &c : std::vector<Case>{{finais, {6}}, {balanco, {5}}, {amount, {4}}, {link, {3}}, {none, {1, 2, 3, 4, 5, 6}},
                                           {quote, {}}})
        EXPECT_EQ(shown(*db, c.fields), c.seqs) << MaintenanceFilter::gridCondition(c.fields).toStdString();

    // Only the amount: the grid is filtered, the totals panel has nothing to show.
    EXPECT_TRUE(MaintenanceFilter::totalsCondition(amount).isEmpty());
    Fields bad;
    bad.valor = QStringLiteral("1,2,3");
    EXPECT_THROW(MaintenanceFilter::gridCondition(bad), MaintenanceFilter::BadAmount);
}
