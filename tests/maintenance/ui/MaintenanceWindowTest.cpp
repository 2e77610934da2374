#include "TestDatabase.h"
#include "data/ScriptedInteraction.h"
#include "data/TransactionGuard.h"
#include "maintenance/ui/JournalGridModel.h"
#include "maintenance/ui/Tfrmmanu.h"
#include "maintenance/ui/Tfrmmanutencao.h"
#include "master/ui/Tfrmlocalizacondia.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace {

void fill(Database &db)
{
    TransactionGuard tx(db);
    for (const auto &[balco, title, dc] : std::vector<std::tuple<const char *, const char *, const char *>>{
             {"111101", "RECEITA TRIBUTARIA", "D"}, {"112101", "RECEITA A REALIZAR", "C"}, {"211101", "BANCOS", "D"},
             {"311101", "BENS MOVEIS", "D"},        {"322101", "PATRIMONIO", "C"}})
        db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES (?,?,?,?)"),
                {QString::fromUtf8(balco), QString::fromUtf8(balco).left(1), QString::fromUtf8(title), QString::fromUtf8(dc)});
    db.exec(QStringLiteral("INSERT INTO VINGRUPO (VINGRUPO, VINGRUPONOME) VALUES ('001', 'PROPRIOS')"));
    db.exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO, VINCODIGONOME) VALUES ('001', '001', 'GERAL')"));
    // Provisional numbers out of journal order, as postings leave them.
    const std::vector<std::tuple<const char *, const char *, const char *, int, int, int>> rows{
        {"112101", "0", "100.00", 9, 1, 3}, {"111101", "100.00", "0", 9, 1, 2}, {"211101", "100.00", "0", 9, 2, 5},
        {"311101", "40.00", "0", 2, 1, 9},  {"322101", "0", "40.00", 2, 1, 8},
    };
    for (const auto &[balco, debit, credi, ie, day, seq] : rows)
        db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA,BALCO,TITCO,DATAE,DEBIT,CREDI,IE,IMP,SEQ,VINGRUPO,VINCODIGO) "
                               "VALUES (0,?,'CONTA',?,?,?,?,'100',?,'001','001')"),
                {QString::fromUtf8(balco), QDate(2008, 3, day).startOfDay(), QString::fromUtf8(debit),
                 QString::fromUtf8(credi), ie, seq});
    tx.commit();
}

QStringList column(Tfrmmanutencao &w, int column)
{
    QStringList values;
    JournalGridModel &m = w.grid();
    while (m.canFetchMore({}))
        m.fetchMore({});
    for (int r = 0; r < m.rowCount(); ++r)
        values << m.data(m.index(r, column)).toString();
    return values;
}

template <typename T>
T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}

// Runs `step` on the modal dialog that the next action opens.
void onNextDialog(std::function<void(QDialog &)> step)
{
    QTimer::singleShot(0, [step] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (d)
            step(*d);
    });
}

void leave(QWidget *field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

} // namespace

class MaintenanceWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Database> m_db;

    std::unique_ptr<Database> fresh()
    {
        auto db = TestDatabase::fresh(QStringLiteral("window"));
        fill(*db);
        return db;
    }

private slots:
    void gridShowsTheJournalInOrderDrawnBySystem()
    {
        auto db = fresh();
        ScriptedInteraction ui;
        Tfrmmanutencao w(*db, ui);
        w.show();
        QCOMPARE(column(w, JournalGridModel::Conta), QStringList({"311101", "322101", "111101", "112101", "211101"}));
        JournalGridModel &m = w.grid();
        QCOMPARE(m.headerData(JournalGridModel::Titulo, Qt::Horizontal).toString(), QStringLiteral("TITULO DA CONTA"));
        QCOMPARE(m.data(m.index(0, JournalGridModel::Conta), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 128));
        QCOMPARE(m.data(m.index(4, JournalGridModel::Conta), Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));
        QCOMPARE(m.data(m.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(239, 239, 230));
        QCOMPARE(m.data(m.index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(247, 247, 239));
        QCOMPARE(m.data(m.index(0, JournalGridModel::Credito)).toString(), QString());
        QCOMPARE(m.data(m.index(0, JournalGridModel::Lancamento)).toString(), QStringLiteral("Lançamento inicial"));
        // Browse state, with the filters open for typing; Ok and Cancela stay off.
        QVERIFY(child<QLineEdit>(w, "edconta")->isEnabled());
        QVERIFY(child<QComboBox>(w, "cbtipo")->isEnabled());
        QCOMPARE(child<QComboBox>(w, "cbtipo")->currentIndex(), -1);
        QVERIFY(!child<QPushButton>(w, "btnok")->isEnabled());
        QVERIFY(child<QPushButton>(w, "btnincluir")->isEnabled());
    }

    void filterTakesTheAccountAsPrefixAndTotalsItExactly()
    {
        auto db = fresh();
        ScriptedInteraction ui;
        Tfrmmanutencao w(*db, ui);
        w.show();
        QWidget *totals = child<QWidget>(w, "pnltotais");
        child<QLineEdit>(w, "edconta")->setText(QStringLiteral("1"));
        QTest::keyClick(child<QLineEdit>(w, "edconta"), Qt::Key_Return);
        QCOMPARE(column(w, JournalGridModel::Conta), QStringList({"111101", "112101"}));
        QVERIFY(totals->isVisibleTo(&w));
        QCOMPARE(child<QLabel>(w, "lblconta")->text(), QString());

        child<QLineEdit>(w, "edconta")->setText(QStringLiteral("112101"));
        w.btnfiltrarClick();
        QCOMPARE(child<QLabel>(w, "lblconta")->text(), QStringLiteral("112101"));
        QCOMPARE(child<QLabel>(w, "lblsaldo")->text(), QStringLiteral("100,00"));
        QCOMPARE(child<QLabel>(w, "lbldebito")->text(), QStringLiteral("0,00"));

        w.btntirarClick();
        QCOMPARE(column(w, 0).size(), 5);
        QVERIFY(!totals->isVisibleTo(&w));
        QCOMPARE(child<QLineEdit>(w, "edconta")->text(), QStringLiteral("112101"));

        child<QLineEdit>(w, "edconta")->clear();
        QLineEdit *valor = child<QLineEdit>(w, "edvalor");
        valor->setFocus();
        QTest::keyClicks(valor, QStringLiteral("40.0a"));
        QCOMPARE(valor->text(), QStringLiteral("40,0"));
        w.btnfiltrarClick();
        QCOMPARE(column(w, JournalGridModel::Conta), QStringList({"311101", "322101"}));
        QVERIFY(!totals->isVisibleTo(&w));

        valor->clear();
        child<QComboBox>(w, "cbtipo")->setCurrentIndex(1); // Saldo de Balanço
        w.btnfiltrarClick();
        QCOMPARE(column(w, JournalGridModel::Conta), QStringList({"311101", "322101"}));
    }

    void openingEntriesAreDeletedButNotChangedHere()
    {
        auto db = fresh();
        ScriptedInteraction ui;
        Tfrmmanutencao w(*db, ui);
        w.show();
        w.goTo(0);
        w.btnalterarClick();
        QCOMPARE(ui.said.size(), 1);
        QCOMPARE(ui.said[0].caption, QStringLiteral("Atenção"));
        ui.answers.push_back(Interaction::Button::Yes);
        w.btneliminarClick();
        QCOMPARE(column(w, JournalGridModel::Conta), QStringList({"322101", "111101", "112101", "211101"}));
        QCOMPARE(w.currentRow()->balco, QStringLiteral("322101"));
    }

    void incluirWritesANewManualEntryThroughTheEditor()
    {
        auto db = fresh();
        ScriptedInteraction ui;
        Tfrmmanutencao w(*db, ui);
        w.show();
        onNextDialog([](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("MANUTENÇÃO"));
            QCOMPARE(child<QLineEdit>(d, "edVINGRUPO")->text(), QStringLiteral("001"));
            QCOMPARE(child<QLineEdit>(d, "edSEQ")->text(), QStringLiteral("6"));
            child<QLineEdit>(d, "edBALCO")->setText(QStringLiteral("211101"));
            child<QLineEdit>(d, "edDATAE")->setText(QStringLiteral("10/05/2008"));
            child<QLineEdit>(d, "edDEBIT")->setText(QStringLiteral("12,50"));
            child<QPlainTextEdit>(d, "edDISCRI")->setPlainText(QStringLiteral("AJUSTE"));
            child<QPushButton>(d, "btnok")->click();
        });
        w.btnincluirClick();
        QVERIFY(ui.said.isEmpty());
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 33 AND IMP = '401' AND SEQ = 1")).toInt(), 1);
        QCOMPARE(column(w, JournalGridModel::Data).last(), QStringLiteral("31/05/2008"));
        QCOMPARE(column(w, JournalGridModel::Debito).last(), QStringLiteral("12,50"));

        onNextDialog([](QDialog &d) {
            child<QLineEdit>(d, "edBALCO")->setText(QStringLiteral("211101"));
            child<QPushButton>(d, "btncancel")->click();
        });
        w.btnincluirClick();
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA")).toInt(), 6);
    }

    void organizarRenumbersAndStaysOnTheSameEntry()
    {
        auto db = fresh();
        ScriptedInteraction ui;
        Tfrmmanutencao w(*db, ui);
        w.show();
        w.goTo(3); // 112101
        w.btnorganizarClick();
        QCOMPARE(ui.texts(), QStringList{QStringLiteral("Reorganização efetuada com sucesso!")});
        QCOMPARE(column(w, JournalGridModel::Seq), QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
        QCOMPARE(column(w, JournalGridModel::Titulo)[0], QStringLiteral("SISTEMA PATRIMONIAL"));
        QCOMPARE(w.currentRow()->balco, QStringLiteral("112101"));
        const QFont header = w.grid().data(w.grid().index(0, 0), Qt::FontRole).value<QFont>();
        QVERIFY(header.bold() && header.italic());
    }

    void localizarMovesToTheChosenEntry()
    {
        auto db = fresh();
        ScriptedInteraction ui;
        Tfrmmanutencao w(*db, ui);
        w.show();
        onNextDialog([](QDialog &d) {
            auto &lookUp = static_cast<Tfrmlocalizacondia &>(d);
            lookUp.showQuery(QStringLiteral("select * from condia where balco = '211101'"));
            child<QPushButton>(d, "btnok")->click();
        });
        w.btnlocalizarClick();
        QCOMPARE(w.currentRow()->balco, QStringLiteral("211101"));
    }

    void largeJournalIsReadAsTheGridScrolls()
    {
        auto db = TestDatabase::fresh(QStringLiteral("large"));
        {
            TransactionGuard tx(*db);
            QSqlQuery ins = db->prepare(QStringLiteral(
                "INSERT INTO CONDIA (SEQUENCIA,BALCO,DATAE,DEBIT,CREDI,IE,IMP,SEQ) VALUES (0,?,?,1,0,?,'100',?)"));
            for (int i = 1; i <= 700; ++i)
                Database::execPrepared(ins, {i % 3 ? QStringLiteral("111101") : QStringLiteral("211101"),
                                             QDate(2008, 1, 1).addDays(i / 10).startOfDay(), 7 + i % 2, 701 - i});
            db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA,BALCO,DEBIT,IE,SEQ) VALUES (0,'111101',1,7,999)"));
            tx.commit();
        }
        ScriptedInteraction ui;
        Tfrmmanutencao w(*db, ui);
        w.show();
        QCOMPARE(w.grid().rowCount(), JournalGridModel::Chunk);
        QVERIFY(w.grid().canFetchMore({}));
        // The row without date comes first, as the journal order puts it.
        QCOMPARE(w.grid().row(0).seq, 999);
        // The row numbered 1 was posted last, on the last day.
        const int last = w.grid().locate(db->scalar(QStringLiteral("SELECT SEQUENCIA FROM CONDIA WHERE SEQ = 1")).toDouble());
        QVERIFY(last > 2 * JournalGridModel::Chunk);
        QCOMPARE(w.grid().row(last).seq, 1);

        // Day after day, the grid holds the journal in the order of the whole query.
        QStringList expected;
        QSqlQuery q = db->query(MaintenanceFilter::gridQuery({}));
        while (q.next())
            expected << q.value(QStringLiteral("SEQ")).toString();
        QCOMPARE(column(w, JournalGridModel::Seq), expected);
    }

    void editorLocksTheOtherAmountAndMovesDatesToTheMonthEnd()
    {
        auto db = fresh();
        ScriptedInteraction ui;
        JournalStore journal(*db);
        JournalRow row;
        row.vingrupo = QStringLiteral("001");
        row.vincodigo = QStringLiteral("001");
        Tfrmmanu d(*db, ui, &journal, EntryEditor::Mode::Inclusao, row);
        d.show();
        QLineEdit *debit = child<QLineEdit>(d, "edDEBIT");
        QLineEdit *credit = child<QLineEdit>(d, "edCREDI");
        debit->setText(QStringLiteral("5"));
        leave(debit);
        QCOMPARE(credit->text(), QStringLiteral("0"));
        QVERIFY(!credit->isEnabled());
        debit->clear();
        leave(debit);
        QVERIFY(credit->isEnabled());

        QLineEdit *date = child<QLineEdit>(d, "edDATAE");
        date->setText(QStringLiteral("03/02/2008"));
        leave(date);
        QCOMPARE(date->text(), QStringLiteral("29/02/2008"));

        QLineEdit *account = child<QLineEdit>(d, "edBALCO");
        account->setText(QStringLiteral("111101"));
        leave(account);
        QCOMPARE(child<QLabel>(d, "lblconta")->text(), QStringLiteral("RECEITA TRIBUTARIA -> D"));

        child<QPushButton>(d, "btnok")->click();
        QCOMPARE(ui.texts(), QStringList{QStringLiteral("Entre com o valor!!!")});
        QVERIFY(d.isVisible());
    }

    void editorChangesAHeaderRowWithoutAccount()
    {
        auto db = fresh();
        ScriptedInteraction ui;
        JournalStore journal(*db);
        journal.open();
        JournalRow header;
        header.sequencia = 999;
        header.titco = QStringLiteral("SISTEMA FINANCEIRO");
        header.datae = QDate(2008, 3, 31);
        header.ie = 9;
        header.imp = QStringLiteral("100");
        header.seq = 4;
        Tfrmmanu d(*db, ui, &journal, EntryEditor::Mode::Alteracao, header);
        d.show();
        child<QLineEdit>(d, "edDEBIT")->setText(QStringLiteral("3"));
        child<QPushButton>(d, "btnok")->click();
        QCOMPARE(ui.texts(), QStringList{QStringLiteral("Para título não pode digitar o valor!!!")});
        child<QPushButton>(d, "btncancel")->click();
        QVERIFY(!journal.hasPendingChanges());
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(MaintenanceWindowTest)
#include "MaintenanceWindowTest.moc"
