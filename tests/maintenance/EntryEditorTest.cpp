#include "TestDatabase.h"
#include "data/ScriptedInteraction.h"
#include "data/TransactionGuard.h"
#include "maintenance/EntryEditor.h"

#include <gtest/gtest.h>

namespace {

using Mode = EntryEditor::Mode;
using Next = EntryEditor::Next;
using Field = EntryEditor::Field;

std::unique_ptr<Database> masterData()
{
    auto db = TestDatabase::fresh(QStringLiteral("editor"));
    TransactionGuard tx(*db);
    for (const auto &[balco, title, dc] : std::vector<std::tuple<const char *, const char *, const char *>>{
             {"111101", "RECEITA TRIBUTARIA", "D"},
             {"211101", "BANCOS CONTA MOVIMENTO DA PREFEITURA MUNICIPAL", "D"},
             {"211100", "BANCOS", "D"},
             {"511101", "CONTA DE OUTRO SISTEMA", "C"}})
        db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES (?,?,?,?)"),
                 {QString::fromUtf8(balco), QString::fromUtf8(balco).left(1), QString::fromUtf8(title), QString::fromUtf8(dc)});
    db->exec(QStringLiteral("INSERT INTO VINGRUPO (VINGRUPO, VINGRUPONOME) VALUES ('001', 'PROPRIOS')"));
    db->exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO, VINCODIGONOME) VALUES ('001', '001', 'GERAL')"));
    db->exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO, VINCODIGONOME) VALUES ('001', '002', 'SAUDE')"));
    db->exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (12, 'PAGAMENTO DE PESSOAL')"));
    tx.commit();
    return db;
}

JournalRow newRow()
{
    JournalRow r;
    r.vingrupo = QStringLiteral("001");
    r.vincodigo = QStringLiteral("001");
    r.seq = 121;
    return r;
}

EntryEditor::Input typed(const char *balco, QDate date, const char *debit, const char *credit)
{
    EntryEditor::Input in;
    in.vingrupo = QStringLiteral("001");
    in.vincodigo = QStringLiteral("001");
    in.balco = QString::fromUtf8(balco);
    in.datae = date;
    in.debit = QString::fromUtf8(debit);
    in.credit = QString::fromUtf8(credit);
    in.discri = QStringLiteral("AJUSTE");
    return in;
}

void header(Database &db, const char *title, QDate date, int seq, const char *imp)
{
    db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA,TITCO,DATAE,IE,IMP,SEQ) VALUES (0,?,?,33,?,?)"),
            {QString::fromUtf8(title), date.startOfDay(), QString::fromUtf8(imp), seq});
}

} // namespace

TEST(EntryEditor, ANewEntryFallsOnTheLastDayWithKind33AndTheSystemsBlock)
{
    auto db = masterData();
    ScriptedInteraction ui;
    EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
    EXPECT_FALSE(editor.ok(typed("211101", QDate(2008, 3, 15), "10,50", "")));
    const JournalRow &r = editor.row();
    EXPECT_EQ(r.datae, QDate(2008, 3, 31));
    EXPECT_EQ(r.ie, 33);
    EXPECT_EQ(r.imp, QStringLiteral("401"));
    EXPECT_EQ(r.seq, 1);
    EXPECT_EQ(r.debit, Money::fromCents(1050));
    EXPECT_EQ(r.credi, Money());
    // The chart's title, cut to the journal's 30 characters.
    EXPECT_EQ(r.titco, QStringLiteral("BANCOS CONTA MOVIMENTO DA PREF"));
    EXPECT_TRUE(ui.said.isEmpty());

    EntryEditor other(*db, ui, Mode::Inclusao, newRow());
    EXPECT_FALSE(other.ok(typed("511101", QDate(2008, 3, 15), "", "3")));
    EXPECT_EQ(other.row().imp, QStringLiteral("0"));
    EXPECT_EQ(other.row().credi, Money::fromCents(300));
}

TEST(EntryEditor, ANewEntryFollowsTheManualHeaderOfItsDayAndSystem)
{
    auto db = masterData();
    header(*db, "SISTEMA FINANCEIRO", QDate(2008, 3, 31), 40, "401");
    header(*db, "SISTEMA ORCAMENTARIO", QDate(2008, 3, 31), 7, "400");
    ScriptedInteraction ui;
    for (int i = 0; i < 2; ++i) {
        // Two entries of one day and system get the same number; the renumbering separates them.
        EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
        EXPECT_FALSE(editor.ok(typed("211101", QDate(2008, 3, 2), "1", "")));
        EXPECT_EQ(editor.row().seq, 41);
        EXPECT_EQ(editor.row().imp, QStringLiteral("401"));
    }
    EntryEditor april(*db, ui, Mode::Inclusao, newRow());
    EXPECT_FALSE(april.ok(typed("211101", QDate(2008, 4, 2), "1", "")));
    EXPECT_EQ(april.row().seq, 1);
}

TEST(EntryEditor, OkRefusesWhatIsMissingOrContradictoryInOrder)
{
    auto db = masterData();
    struct Case {
        EntryEditor::Input input;
        QString message;
        Field focus;
    };
    EntryEditor::Input badLink = typed("211101", QDate(2008, 3, 31), "1", "");
    badLink.vincodigo = QStringLiteral("009");
    const std::vector<Case> cases{
        {typed(" ", QDate(), "", ""), QStringLiteral("Entre com o número da Conta!!!"), Field::Account},
        {typed("211101", QDate(), "1", ""), QStringLiteral("Entre com Data do lançamento!!!"), Field::Date},
        {typed("211101", QDate(2008, 3, 31), "", "0"), QStringLiteral("Entre com o valor!!!"), Field::None},
        {typed("211101", QDate(2008, 3, 31), "1", "2"), QStringLiteral("Erro em um dos valores!!! Ou é Débito ou Crédito!!!"),
         Field::None},
        {badLink, QStringLiteral("Vinculo não encontrado no cadastro de vínculo! Verifique"), Field::None},
    };
    for (const Case &c : cases) {
        ScriptedInteraction ui;
        EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
        const auto refusal = editor.ok(c.input);
        ASSERT_TRUE(refusal) << c.message.toStdString();
        EXPECT_EQ(refusal->text, c.message);
        EXPECT_EQ(refusal->focus, c.focus);
        ASSERT_EQ(ui.said.size(), 1);
        EXPECT_EQ(ui.said[0].text, c.message);
        // Nothing was derived: the row is still the one that arrived.
        EXPECT_FALSE(editor.row().ie);
        EXPECT_EQ(editor.row().seq, 121);
    }
    ScriptedInteraction ui;
    EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
    editor.ok(badLink);
    EXPECT_EQ(ui.said[0].caption, QStringLiteral("Atenção"));
}

TEST(EntryEditor, AnEmptyLinkBecomes001)
{
    auto db = masterData();
    ScriptedInteraction ui;
    EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
    EntryEditor::Input in = typed("111101", QDate(2008, 5, 1), "", "8");
    in.vingrupo.clear();
    in.vincodigo = QStringLiteral(" ");
    EXPECT_FALSE(editor.ok(in));
    EXPECT_EQ(editor.row().vingrupo + editor.row().vincodigo, QStringLiteral("001001"));
}

TEST(EntryEditor, AHeaderRowBeingChangedTakesNoAccountNorAmountAndKeepsItsTitle)
{
    auto db = masterData();
    JournalRow h;
    h.sequencia = 77;
    h.titco = QStringLiteral("SISTEMA FINANCEIRO");
    h.datae = QDate(2008, 3, 31);
    h.ie = 7;
    h.imp = QStringLiteral("105");
    h.seq = 12;
    ScriptedInteraction ui;
    EntryEditor editor(*db, ui, Mode::Alteracao, h);
    ASSERT_TRUE(editor.isTitleEntry());

    EntryEditor::Input in = editor.input();
    in.debit = QStringLiteral("5");
    EXPECT_EQ(editor.ok(in)->text, QStringLiteral("Para título não pode digitar o valor!!!"));
    in = editor.input();
    in.balco = QStringLiteral("211101");
    EXPECT_EQ(editor.ok(in)->text, QStringLiteral("Para título não pode digitar a Conta!!!"));

    in = editor.input();
    in.discri = QStringLiteral("CABECALHO");
    EXPECT_FALSE(editor.ok(in));
    EXPECT_EQ(editor.row().titco, QStringLiteral("SISTEMA FINANCEIRO"));
    EXPECT_EQ(editor.row().ie, 7);
    EXPECT_EQ(editor.row().imp, QStringLiteral("105"));
    EXPECT_EQ(editor.row().discri, QStringLiteral("CABECALHO"));

    // A row without account whose title is no system title is an account entry.
    JournalRow loose = h;
    loose.titco = QStringLiteral("AVULSO");
    EXPECT_FALSE(EntryEditor(*db, ui, Mode::Alteracao, loose).isTitleEntry());
}

TEST(EntryEditor, ChangingAnEntryKeepsItsKindAndBlockAndTakesTheTypedNumber)
{
    auto db = masterData();
    JournalRow r;
    r.sequencia = 5;
    r.balco = QStringLiteral("111101");
    r.titco = QStringLiteral("RECEITA TRIBUTARIA");
    r.datae = QDate(2008, 3, 31);
    r.debit = Money::fromCents(100);
    r.credi = Money();
    r.ie = 9;
    r.imp = QStringLiteral("130");
    r.seq = 44;
    r.vingrupo = QStringLiteral("001");
    r.vincodigo = QStringLiteral("002");
    ScriptedInteraction ui;
    EntryEditor editor(*db, ui, Mode::Alteracao, r);
    EntryEditor::Input in = editor.input();
    EXPECT_EQ(in.debit, QStringLiteral("1,00"));
    in.balco = QStringLiteral("211101");
    in.seq = QStringLiteral("45");
    in.datae = QDate(2008, 3, 20);
    EXPECT_FALSE(editor.ok(in));
    EXPECT_EQ(editor.row().ie, 9);
    EXPECT_EQ(editor.row().imp, QStringLiteral("130"));
    EXPECT_EQ(editor.row().seq, 45);
    EXPECT_EQ(editor.row().datae, QDate(2008, 3, 20));
    EXPECT_EQ(editor.row().titco, QStringLiteral("BANCOS CONTA MOVIMENTO DA PREF"));
    EXPECT_EQ(editor.row().sequencia, 5);
}

TEST(EntryEditor, LeavingTheAccountShowsItsTitleOrLeadsToTheLookUp)
{
    auto db = masterData();
    {
        ScriptedInteraction ui;
        EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
        const auto found = editor.accountLeft(QStringLiteral("111101"));
        EXPECT_EQ(found.label, QStringLiteral("RECEITA TRIBUTARIA -> D"));
        EXPECT_EQ(found.next, Next::Stay);
        const auto title = editor.accountLeft(QStringLiteral("211100"));
        EXPECT_EQ(title.next, Next::OpenAccountLookup);
        EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Selecione uma conta, esse código é de um título!")});
    }
    for (const auto &[answer, next] : {std::pair{Interaction::Button::Yes, Next::OpenAccountLookup},
                                       std::pair{Interaction::Button::No, Next::ClearAccount}}) {
        ScriptedInteraction ui;
        ui.answers.push_back(answer);
        EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
        const auto missing = editor.accountLeft(QStringLiteral("999999"));
        EXPECT_EQ(missing.next, next);
        ASSERT_EQ(ui.said.size(), 1);
        EXPECT_TRUE(ui.said[0].question);
        EXPECT_EQ(ui.said[0].caption, QStringLiteral("Atenção"));
        EXPECT_EQ(ui.said[0].text, QStringLiteral("Codigo não disponível para lançamento! Deseja consultar ou cadastrar?"));
    }
    ScriptedInteraction ui;
    EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
    // Without an answer the default is No.
    EXPECT_EQ(editor.accountLeft(QStringLiteral("999999")).next, Next::ClearAccount);
    EXPECT_TRUE(editor.row().balco.isEmpty());
}

TEST(EntryEditor, OneAmountLocksTheOtherAndDatesGoToTheEndOfTheMonth)
{
    const auto debit = EntryEditor::debitLeft(QStringLiteral("10,00"), QStringLiteral("3"));
    EXPECT_EQ(debit.credit, QStringLiteral("0"));
    EXPECT_FALSE(debit.creditEnabled);
    EXPECT_TRUE(debit.debitEnabled);
    const auto cleared = EntryEditor::debitLeft(QString(), QStringLiteral("0"));
    EXPECT_TRUE(cleared.creditEnabled && cleared.debitEnabled);
    const auto credit = EntryEditor::creditLeft(QStringLiteral("4"), QStringLiteral("2,5"));
    EXPECT_EQ(credit.debit, QStringLiteral("0"));
    EXPECT_FALSE(credit.debitEnabled);
    EXPECT_FALSE(EntryEditor::amountFilled(QStringLiteral("0,00")));

    EXPECT_EQ(EntryEditor::dateLeft(QDate(2008, 2, 3)), QDate(2008, 2, 29));
    EXPECT_EQ(EntryEditor::dateLeft(QDate(2009, 2, 3)), QDate(2009, 2, 28));
    EXPECT_EQ(EntryEditor::dateLeft(QDate(2008, 12, 1)), QDate(2008, 12, 31));
}

TEST(EntryEditor, HistoriesAndLinksAreLookedUpWhenTheirFieldsAreLeft)
{
    auto db = masterData();
    ScriptedInteraction ui;
    EntryEditor editor(*db, ui, Mode::Inclusao, newRow());
    EXPECT_EQ(editor.historyLeft(QStringLiteral("12")).discri, QStringLiteral("PAGAMENTO DE PESSOAL"));
    EXPECT_EQ(editor.row().histo, 12);
    EXPECT_EQ(editor.historyLeft(QStringLiteral("13")).next, Next::OpenHistoryLookup);

    EXPECT_EQ(editor.groupLeft(QStringLiteral("00")).name, QStringLiteral("PROPRIOS"));
    EXPECT_EQ(editor.codeLeft(QStringLiteral("001"), QStringLiteral("002")).name, QStringLiteral("SAUDE"));
    EXPECT_TRUE(ui.said.isEmpty());
    EXPECT_EQ(editor.groupLeft(QStringLiteral("9'")).next, Next::OpenLinkLookup);
    EXPECT_EQ(editor.codeLeft(QStringLiteral("001"), QStringLiteral("7")).next, Next::OpenLinkLookup);
    EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("Não existem vinculos iniciando com 9'"),
                                       QStringLiteral("Não existem vinculos iniciando com grupo \"001\" and subgrupo "
                                                      "iniciando com \"7\"")}));
    EXPECT_EQ(ui.said[1].caption, QStringLiteral("Atenção"));
}
