#include "TestDatabase.h"
#include "data/TransactionGuard.h"
#include "master/AccountSearch.h"
#include "master/AmountKeys.h"
#include "master/HistorySearch.h"
#include "master/JournalEntrySearch.h"
#include "master/LinkTree.h"

#include <gtest/gtest.h>

static void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

QStringList column(Database &db, const QString &sql, const char *name)
{
    QStringList values;
    QSqlQuery q = db.query(sql);
    while (q.next())
        values << q.value(QLatin1String(name)).toString().trimmed();
    return values;
}

std::unique_ptr<Database> chart()
{
    auto db = TestDatabase::fresh(QStringLiteral("lookup"));
    TransactionGuard tx(*db);
    const std::vector<std::array<const char *, 3>> accounts{
        {"111101", "RECEITA CORRENTE", "D"},          {"112102", "RECEITAS CORRENTES TRIBUTARIAS", "C"},
        {"121000", "RECEITA DE CAPITAL", "D"},        {"211101", "DESPESA CORRENTE", "D"},
        {"311101", "receita corrente municipal", "C"}, {"251101", "TAXA D'AGUA", "D"},
        {"261101", "DEPOSITOS", "C"},                 {"411101", "RESULTADO", "D"},
    };
    for (const auto &a : accounts)
        db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES (?,?,?,?)"),
                 {QString::fromUtf8(a[0]), QString::fromUtf8(a[0]).left(1), QString::fromUtf8(a[1]), QString::fromUtf8(a[2])});
    tx.commit();
    return db;
}

} // namespace

TEST(AccountSearch, CodePrefixTitleWordsAndApostrophesFindTheirAccounts)
{
    auto db = chart();
    const auto balcos = [&](const QString &sql) {
        QStringList b = column(*db, AccountSearch::displayed(sql), "BALCO");
        b.sort();
        return b;
    };
    EXPECT_EQ(balcos(AccountSearch::byCode(QStringLiteral("11"))), QStringList({"111101", "112102"}));
    EXPECT_EQ(balcos(AccountSearch::byCode(QStringLiteral(" 2 "))), QStringList({"211101", "251101", "261101"}));
    // First word starts the title, the next appears anywhere; the case of the title does not matter.
    EXPECT_EQ(balcos(AccountSearch::byDescription(QStringLiteral("receita;corrente"))),
              QStringList({"111101", "112102", "311101"}));
    EXPECT_EQ(balcos(AccountSearch::byDescription(QStringLiteral("taxa d'"))), QStringList({"251101"}));
    EXPECT_TRUE(balcos(AccountSearch::byCode(QStringLiteral("1'"))).isEmpty());
    EXPECT_EQ(balcos(AccountSearch::reset()).size(), 8);
}

TEST(AccountSearch, ListIsOrderedBySystemNatureAndCodeAndCanBeKeptToPrefixes)
{
    auto db = chart();
    EXPECT_EQ(column(*db, AccountSearch::displayed(AccountSearch::all()), "BALCO"),
              QStringList({"112102", "111101", "121000", "261101", "211101", "251101", "311101", "411101"}));
    EXPECT_EQ(column(*db, AccountSearch::displayed(AccountSearch::all(), {"3", "25", "26"}), "BALCO"),
              QStringList({"261101", "251101", "311101"}));
    EXPECT_EQ(column(*db, AccountSearch::displayed(AccountSearch::byCode(QStringLiteral("2")), {"3", "25"}), "BALCO"),
              QStringList({"251101"}));
}

TEST(AccountSearch, KeysDecideWhenTheListChanges)
{
    using Box = AccountSearch::Box;
    EXPECT_FALSE(AccountSearch::keyReleased(Box::Code, QStringLiteral("  "), false));
    EXPECT_FALSE(AccountSearch::keyReleased(Box::Code, QStringLiteral("11"), true));
    const auto code = AccountSearch::keyReleased(Box::Code, QStringLiteral("11"), false);
    ASSERT_TRUE(code);
    EXPECT_EQ(code->sql, QStringLiteral("select * from conpla where balco like '11%'"));
    EXPECT_TRUE(code->clearOthers);
    const auto words = AccountSearch::keyReleased(Box::Description, QStringLiteral("receita;corrente"), false);
    EXPECT_EQ(words->sql,
              QStringLiteral("select * from conpla where  (Upper(TITCO) like 'RECEITA%') AND  (Upper(TITCO) like '%CORRENTE%')"));
    for (const auto &[text, enter] : {std::pair{"", false}, std::pair{"receita", true}}) {
        const auto back = AccountSearch::keyReleased(Box::Description, QString::fromUtf8(text), enter);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->sql, QStringLiteral("select * from conpla "));
        EXPECT_FALSE(back->clearOthers);
    }
}

namespace {

std::unique_ptr<Database> journal()
{
    auto db = TestDatabase::fresh(QStringLiteral("entries"));
    TransactionGuard tx(*db);
    const std::vector<std::tuple<const char *, const char *, const char *, const char *, int>> rows{
        {"111101", "149.96", "0", "AGUA D'OESTE", 1},     {"111101", "149.97", "0", "RECEITA ORÇAMENTÁRIA", 2},
        {"211101", "0", "150.03", "PAGAMENTO", 3},        {"211101", "0", "150.04", "PAGAMENTO", 4},
        {"311101", "-150.00", "0", "ESTORNO", 5},         {"411101", "150.00", "0", "RESULTADO", 6},
    };
    for (const auto &[balco, debit, credi, discri, seq] : rows)
        db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA,BALCO,TITCO,DATAE,DEBIT,CREDI,IE,IMP,SEQ,DISCRI) "
                                "VALUES (0,?,'CONTA',?,?,?,7,'100',?,?)"),
                 {QString::fromUtf8(balco), QDate(2008, 3, 31).startOfDay(), QString::fromUtf8(debit),
                  QString::fromUtf8(credi), seq, QString::fromUtf8(discri)});
    tx.commit();
    return db;
}

QStringList seqs(Database &db, const QString &sql)
{
    return column(db, JournalEntrySearch::displayed(sql), "SEQ");
}

} // namespace

TEST(JournalEntrySearch, AValueFindsTheLinesWithinThreeCentsOnEitherSide)
{
    auto db = journal();
    EXPECT_EQ(seqs(*db, JournalEntrySearch::byValue(QStringLiteral("150,00"))), QStringList({"2", "3", "6"}));
    EXPECT_EQ(seqs(*db, JournalEntrySearch::byValue(QStringLiteral("150.00"))), QStringList({"2", "3", "6"}));
    EXPECT_EQ(seqs(*db, JournalEntrySearch::byValue(QStringLiteral("-150"))), QStringList({"5"}));
    EXPECT_EQ(JournalEntrySearch::byValue(QStringLiteral("150,00")),
              QStringLiteral("select * from condia where (cast(credi as double precision) >=149.97 and cast(credi as double "
                             "precision) <=150.03) or (cast(debit as double precision) >=149.97 and cast(debit as double "
                             "precision) <=150.03)"));
    EXPECT_THROW(JournalEntrySearch::byValue(QStringLiteral("1,2,3")), JournalEntrySearch::BadValue);
}

TEST(JournalEntrySearch, ALoneMinusOrAnEmptyValueShowsEveryLine)
{
    auto db = journal();
    using Box = JournalEntrySearch::Box;
    for (const char *text : {"-", "", " - "}) {
        const auto step = JournalEntrySearch::keyReleased(Box::Value, QString::fromUtf8(text), false);
        ASSERT_TRUE(step) << text;
        EXPECT_EQ(step->sql, QStringLiteral("select * from condia "));
        EXPECT_EQ(seqs(*db, step->sql).size(), 6);
    }
    EXPECT_FALSE(JournalEntrySearch::keyReleased(Box::Value, QStringLiteral("150"), true));
    EXPECT_TRUE(JournalEntrySearch::keyReleased(Box::Value, QStringLiteral("150"), false)->clearOthers);
}

TEST(JournalEntrySearch, TextSearchesIgnoreCaseAndKeepApostrophes)
{
    auto db = journal();
    EXPECT_EQ(seqs(*db, JournalEntrySearch::byDescription(QStringLiteral("d'oeste"))), QStringList({"1"}));
    EXPECT_EQ(seqs(*db, JournalEntrySearch::byDescription(QStringLiteral("orçamentária"))), QStringList({"2"}));
    EXPECT_EQ(seqs(*db, JournalEntrySearch::byTitle(QStringLiteral("conta"))).size(), 6);
    EXPECT_EQ(seqs(*db, JournalEntrySearch::byCode(QStringLiteral("21"))), QStringList({"3", "4"}));
    const QSqlRecord chosen = [&] {
        QSqlQuery q = db->query(JournalEntrySearch::displayed(JournalEntrySearch::byCode(QStringLiteral("41"))));
        q.next();
        return q.record();
    }();
    const JournalRow row = JournalEntrySearch::fromRecord(chosen);
    EXPECT_GT(row.sequencia, 0);
    EXPECT_EQ(row.debit, Money::fromCents(15000));
    EXPECT_EQ(row.seq, 6);
}

TEST(HistorySearch, CodesCompareAsTextAndTextIsFoundAnywhere)
{
    auto db = TestDatabase::fresh(QStringLiteral("histories"));
    {
        TransactionGuard tx(*db);
        for (int h : {1, 2, 10, 15, 19, 20, 100, 150, 200})
            db->exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (?, ?)"),
                     {h, h == 15 ? QStringLiteral("Pagamento de água d'ouro") : QStringLiteral("HISTORICO %1").arg(h)});
        tx.commit();
    }
    EXPECT_EQ(column(*db, HistorySearch::displayed(HistorySearch::byCode(QStringLiteral("1"))), "HISTO"),
              QStringList({"1", "10", "15", "19", "100", "150"}));
    EXPECT_EQ(column(*db, HistorySearch::displayed(HistorySearch::byText(QStringLiteral("ÁGUA D'"))), "HISTO"),
              QStringList({"15"}));
    EXPECT_EQ(column(*db, HistorySearch::displayed(HistorySearch::all()), "HISTO").size(), 9);
    EXPECT_FALSE(HistorySearch::keyReleased(HistorySearch::Box::Text, QStringLiteral(" "), false));
}

TEST(LinkTree, GroupsFollowTheQueryAndAGroupStandsForItsFirstCode)
{
    auto db = TestDatabase::fresh(QStringLiteral("links"));
    {
        TransactionGuard tx(*db);
        db->exec(QStringLiteral("INSERT INTO VINGRUPO (VINGRUPO, VINGRUPONOME) VALUES ('001', 'RECURSOS PROPRIOS')"));
        for (const auto &[g, c, name] : std::vector<std::tuple<const char *, const char *, const char *>>{
                 {"002", "010", "FUNDEB"}, {"001", "002", "SAUDE"}, {"001", "001", "GERAL"}})
            db->exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO, VINCODIGONOME) VALUES (?, ?, ?)"),
                     {QString::fromUtf8(g), QString::fromUtf8(c), QString::fromUtf8(name)});
        tx.commit();
    }
    const LinkTree tree = LinkTree::load(*db);
    ASSERT_EQ(tree.groups().size(), 2u);
    EXPECT_EQ(tree.groups()[0].text, QStringLiteral("001   RECURSOS PROPRIOS"));
    // A group missing from VINGRUPO still heads its codes, without a name.
    EXPECT_EQ(tree.groups()[1].text, QStringLiteral("002   "));
    EXPECT_EQ(LinkTree::linkText(tree.groups()[0].links[1]), QStringLiteral("001 002   SAUDE"));

    const LinkTree::Link *first = tree.pick(0, -1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->vingrupo + first->vincodigo, QStringLiteral("001001"));
    EXPECT_EQ(first->vingruponome, QStringLiteral("RECURSOS PROPRIOS"));
    EXPECT_EQ(tree.pick(0, 1)->vincodigonome, QStringLiteral("SAUDE"));
    EXPECT_EQ(tree.pick(1, -1)->vincodigo, QStringLiteral("010"));
    EXPECT_FALSE(tree.pick(2, -1));
    EXPECT_FALSE(tree.pick(0, 2));
}

TEST(AmountKeys, SearchBoxesTakeSignedAmountsWithACommaEntryFieldsNoSign)
{
    EXPECT_EQ(AmountKeys::search(u'.'), QChar(u','));
    EXPECT_EQ(AmountKeys::search(u'-'), QChar(u'-'));
    EXPECT_FALSE(AmountKeys::search(u'a'));
    EXPECT_FALSE(AmountKeys::entry(u'-'));
    EXPECT_FALSE(AmountKeys::entry(u'.'));
    EXPECT_EQ(AmountKeys::entry(u'7'), QChar(u'7'));
    EXPECT_EQ(AmountKeys::entry(u'\b'), QChar(u'\b'));
}
