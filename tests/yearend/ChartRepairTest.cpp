#include "TestDatabase.h"
#include "data/ScriptedInteraction.h"
#include "yearend/ChartRepair.h"
#include "yearend/StandardChart.h"

#include <QMap>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

struct Account {
    QString tip, titco, d_c;
    bool operator==(const Account &) const = default;
};

QMap<QString, Account> chart(Database &db)
{
    QMap<QString, Account> accounts;
    QSqlQuery q = db.query(QStringLiteral("SELECT BALCO, TIP, TITCO, D_C FROM CONPLA"));
    while (q.next())
        accounts.insert(q.value(0).toString(), {q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return accounts;
}

QStringList rules(Database &db)
{
    QStringList r;
    QSqlQuery q = db.query(QStringLiteral("SELECT GRUPO, BALCO, D_C, DISCRI FROM CONAUT ORDER BY GRUPO, BALCO"));
    while (q.next())
        r << q.value(0).toString() + u'|' + q.value(1).toString() + u'|' + q.value(2).toString() + u'|' +
                 q.value(3).toString();
    return r;
}

void journalRow(Database &db, const char *balco, const QString &titco)
{
    db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, TITCO, IE) VALUES (0, ?, ?, 33)"),
            {QString::fromLatin1(balco), titco});
}

} // namespace

TEST(ChartRepair, AnEmptyChartGetsTheStandardAccountsAndTheRules)
{
    auto db = TestDatabase::fresh();
    ScriptedInteraction ui;
    EXPECT_TRUE(ChartRepair(*db, ui).corrige_plano());
    EXPECT_TRUE(ui.said.isEmpty());

    const auto accounts = chart(*db);
    ASSERT_EQ(accounts.size(), 638);
    for (const StandardChart::Account &a : StandardChart::standard()) {
        ASSERT_TRUE(accounts.contains(a.code)) << a.code.toStdString();
        EXPECT_EQ(accounts[a.code], (Account{a.code.left(1), a.title, QString(a.nature)})) << a.code.toStdString();
    }
    // Inserted after the nature correction, the five exceptions keep theirs.
    for (const char *code : {"163200", "163201", "163300"})
        EXPECT_EQ(accounts[QLatin1String(code)].d_c, QStringLiteral("D")) << code;
    for (const char *code : {"411900", "411907"})
        EXPECT_EQ(accounts[QLatin1String(code)].d_c, QStringLiteral("C")) << code;
    EXPECT_EQ(accounts[QStringLiteral("111101")].d_c, QStringLiteral("D"));
    EXPECT_EQ(accounts[QStringLiteral("321101")].titco, QStringLiteral("Fornecedores - de Exercícios Anteriores"));

    EXPECT_EQ(rules(*db), (QStringList{
                              "3236|431102|D|Inscrição de contribuição ao RPP",
                              "3236|441102|C|Inscrição de contribuição ao RPP",
                              "334601|431201|D|Inscr. calculo Atuarial- RPPS",
                              "343101|441108|C|Inscr. calculo Atuarial- RPPS",
                              "343102|441108|C|Inscr. calculo Atuarial- RPPS",
                              "343103|441108|C|Inscr. calculo Atuarial- RPPS",
                          }));
}

// Accounts in use give their derived accounts; a second repair adds nothing and
// only sets the nature of the accounts the first one inserted against their digit.
TEST(ChartRepair, DerivedAccountsAndASecondRepairThatOnlyCorrectsNatures)
{
    auto db = TestDatabase::fresh();
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C) VALUES ('111101', '9', 'Impostos e Taxas', 'C')"));
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C) VALUES ('324201', '3', 'Depósitos de Terceiros', 'C')"));
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C) VALUES ('313403', '3', 'Adiantamentos Concedidos', 'D')"));
    db->exec(QStringLiteral("INSERT INTO RECDIS (FICHA, BALCO, EXTRA) VALUES (1, '324201', 'S')"));
    db->exec(QStringLiteral("INSERT INTO DESDIS (FICHA, BALCO, EXTRA) VALUES (1, '313403', 'S')"));
    db->exec(QStringLiteral("INSERT INTO CONAUT (GRUPO, BALCO, D_C) VALUES ('3431019', '391101', 'C')"));
    journalRow(*db, "323701", QStringLiteral("Repasse d'Água Previdência"));
    journalRow(*db, "323701", QStringLiteral("Repasse d'Água Previdência"));

    ScriptedInteraction ui;
    ChartRepair(*db, ui).corrige_plano();
    auto once = chart(*db);
    // The account already there keeps its title; its type and nature are corrected.
    EXPECT_EQ(once[QStringLiteral("111101")], (Account{"1", "Impostos e Taxas", "D"}));
    for (const char *code : {"131301", "141401", "163301", "211301"})
        EXPECT_EQ(once[QLatin1String(code)], (Account{QString(QChar(code[0])), "Repasse d'Água Previdência", "D"})) << code;
    EXPECT_EQ(once[QStringLiteral("244201")].d_c, QStringLiteral("C"));
    EXPECT_EQ(once[QStringLiteral("234201")].d_c, QStringLiteral("D"));
    EXPECT_EQ(once[QStringLiteral("244403")], (Account{"2", "Adiantamentos Concedidos", "C"}));
    EXPECT_EQ(once[QStringLiteral("234403")], (Account{"2", "Adiantamentos Concedidos", "D"}));
    // The standard set (111101 and 324201 among it), 313403, four copies and two mirrors.
    EXPECT_EQ(once.size(), 638 + 1 + 4 + 2);
    const QStringList rulesOnce = rules(*db);
    EXPECT_TRUE(rulesOnce.contains(QStringLiteral("343101|391101|C|"))); // cut to six digits
    EXPECT_EQ(rulesOnce.size(), 7);

    ChartRepair(*db, ui).corrige_plano();
    const auto twice = chart(*db);
    EXPECT_EQ(rules(*db), rulesOnce);
    ASSERT_EQ(twice.keys(), once.keys());
    QStringList changed;
    for (auto it = once.cbegin(); it != once.cend(); ++it) {
        const Account &after = twice[it.key()];
        EXPECT_EQ(after.titco, it->titco);
        EXPECT_EQ(after.d_c, StandardChart::natureByDigit(it.key())) << it.key().toStdString();
        if (after.d_c != it->d_c)
            changed << it.key();
    }
    EXPECT_EQ(changed, (QStringList{"141401", "163200", "163201", "163300", "163301", "411900", "411907"}));
    EXPECT_TRUE(ui.said.isEmpty());
}

TEST(ChartRepair, AnErrorIsToldAndThrownAndKeepsWhatWasDone)
{
    auto db = TestDatabase::fresh();
    db->exec(QStringLiteral("ALTER TABLE CONPLA ADD CONSTRAINT CK_TEST_REFUSE CHECK (BALCO <> '111101')"));
    ScriptedInteraction ui;
    EXPECT_THROW(ChartRepair(*db, ui).corrige_plano(), DbError);
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_TRUE(ui.said[0].text.startsWith(QStringLiteral("O seguinte erro ocorreu:"))) << ui.said[0].text.toStdString();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONPLA WHERE BALCO='111100'")).toInt(), 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONAUT")).toInt(), 6);
}
