#include "TestDatabase.h"
#include "data/ScriptedInteraction.h"
#include "data/TransactionGuard.h"
#include "master/ui/LookupTableModel.h"
#include "master/ui/TFrmPesquisaVinculo.h"
#include "master/ui/Tfrmlocalizabalco.h"
#include "master/ui/Tfrmlocalizacondia.h"
#include "master/ui/Tfrmorganizando.h"
#include "master/ui/Tfrmpesq.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

void fill(Database &db)
{
    TransactionGuard tx(db);
    for (const auto &[balco, title, dc] : std::vector<std::tuple<const char *, const char *, const char *>>{
             {"111101", "RECEITA CORRENTE", "D"}, {"112100", "RECEITAS CORRENTES", "C"}, {"121000", "RECEITA DE CAPITAL", "D"},
             {"311101", "BENS MOVEIS", "D"},     {"251101", "CONSIGNACOES", "C"}})
        db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES (?,?,?,?)"),
                {QString::fromUtf8(balco), QString::fromUtf8(balco).left(1), QString::fromUtf8(title), QString::fromUtf8(dc)});
    int seq = 0;
    for (const auto &[balco, debit, credi, discri] : std::vector<std::tuple<const char *, const char *, const char *, const char *>>{
             {"111101", "150.02", "0", "ARRECADACAO"}, {"311101", "0", "149.97", "COMPRA"}, {"311101", "0", "151.00", "COMPRA"}})
        db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA,BALCO,TITCO,DATAE,DEBIT,CREDI,IE,IMP,SEQ,DISCRI) "
                               "VALUES (0,?,'CONTA',?,?,?,9,'100',?,?)"),
                {QString::fromUtf8(balco), QDate(2008, 3, 31).startOfDay(), QString::fromUtf8(debit), QString::fromUtf8(credi),
                 ++seq, QString::fromUtf8(discri)});
    for (int h : {1, 5, 10, 12, 21})
        db.exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (?, ?)"), {h, QStringLiteral("HISTORICO %1").arg(h)});
    db.exec(QStringLiteral("INSERT INTO VINGRUPO (VINGRUPO, VINGRUPONOME) VALUES ('001', 'PROPRIOS')"));
    db.exec(QStringLiteral("INSERT INTO VINGRUPO (VINGRUPO, VINGRUPONOME) VALUES ('002', 'VINCULADOS')"));
    for (const auto &[g, c, n] : std::vector<std::tuple<const char *, const char *, const char *>>{
             {"001", "001", "GERAL"}, {"001", "002", "SAUDE"}, {"002", "010", "FUNDEB"}, {"002", "011", "MERENDA"}})
        db.exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO, VINCODIGONOME) VALUES (?, ?, ?)"),
                {QString::fromUtf8(g), QString::fromUtf8(c), QString::fromUtf8(n)});
    tx.commit();
}

QStringList columnValues(SearchDialog &d, const char *column)
{
    QStringList values;
    LookupTableModel &m = d.model();
    while (m.canFetchMore())
        m.fetchMore();
    const int c = m.record().indexOf(QLatin1String(column));
    for (int r = 0; r < m.rowCount(); ++r)
        values << m.data(m.index(r, c)).toString();
    return values;
}

// Types into a box as the user does: every key pressed and released.
void type(QLineEdit *box, const char *text)
{
    box->setFocus();
    QTest::keyClicks(box, QString::fromLatin1(text));
}

} // namespace

class LookupDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = TestDatabase::fresh(QStringLiteral("lookupui"));
        fill(*m_db);
    }

    void accountLookUpSearchesAsYouTypeAndReturnsTheRow()
    {
        ScriptedInteraction ui;
        Tfrmlocalizabalco d(*m_db, ui);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.windowTitle(), QStringLiteral("Pesquisar Conta do Plano"));
        QCOMPARE(columnValues(d, "BALCO").size(), 5);

        type(d.box(QStringLiteral("eddescricao")), "receita;corrente");
        QCOMPARE(columnValues(d, "BALCO"), QStringList({"112100", "111101"}));
        type(d.box(QStringLiteral("edcodigo")), "12");
        QVERIFY(d.box(QStringLiteral("eddescricao"))->text().isEmpty());
        QCOMPARE(columnValues(d, "BALCO"), QStringList({"121000"}));

        // Title accounts in red on pale blue, the others as the grid draws them.
        const QModelIndex title = d.model().index(0, 0);
        QCOMPARE(d.model().data(title, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QCOMPARE(d.model().data(title, Qt::BackgroundRole).value<QColor>(), QColor(0xD9, 0xEC, 0xEC));

        QTest::keyClick(d.box(QStringLiteral("edcodigo")), Qt::Key_Return);
        QVERIFY(d.grid().hasFocus());
        QTest::keyClick(&d.grid(), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.account()->titco, QStringLiteral("RECEITA DE CAPITAL"));
    }

    void accountLookUpCanBeKeptToSomePrefixes()
    {
        ScriptedInteraction ui;
        Tfrmlocalizabalco d(*m_db, ui, nullptr, {QStringLiteral("3"), QStringLiteral("25"), QStringLiteral("26")});
        d.show();
        QCOMPARE(columnValues(d, "BALCO"), QStringList({"251101", "311101"}));
    }

    void entryLookUpFindsAmountsWithinThreeCents()
    {
        ScriptedInteraction ui;
        Tfrmlocalizacondia d(*m_db, ui);
        d.show();
        QLineEdit *value = d.box(QStringLiteral("edvalor"));
        type(value, "150.00");
        QCOMPARE(value->text(), QStringLiteral("150,00"));
        QCOMPARE(columnValues(d, "SEQ"), QStringList({"1", "2"}));
        QCOMPARE(columnValues(d, "DEBIT"), QStringList({"150,02", ""}));

        value->clear();
        type(value, "-");
        QCOMPARE(columnValues(d, "SEQ").size(), 3);
        type(value, "x1,2,3");
        QCOMPARE(value->text(), QStringLiteral("-1,2,3"));
        QVERIFY(!ui.said.isEmpty());
        QCOMPARE(ui.said.last().text, QStringLiteral("'-1,2,3' não é um valor numérico válido."));

        type(d.box(QStringLiteral("eddiscri")), "compra");
        QVERIFY(value->text().isEmpty());
        QCOMPARE(columnValues(d, "SEQ"), QStringList({"2", "3"}));
        QVERIFY(d.grid().isColumnHidden(d.model().record().indexOf(QStringLiteral("IE"))));
        d.grid().selectRow(1);
        d.findChild<QPushButton *>(QStringLiteral("btnok"))->click();
        QCOMPARE(d.entry()->seq, 3);
        QVERIFY(d.entry()->sequencia > 0);
    }

    void historyLookUpComparesCodesAsText()
    {
        ScriptedInteraction ui;
        Tfrmpesq d(*m_db, ui);
        d.show();
        type(d.box(QStringLiteral("edcodigo")), "1");
        QCOMPARE(columnValues(d, "HISTO"), QStringList({"1", "10", "12"}));
        QCOMPARE(d.model().data(d.model().index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(0xF7, 0xF7, 0xEF));
        d.findChild<QPushButton *>(QStringLiteral("btncancel"))->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void linkTreeGroupClickPicksItsFirstCode()
    {
        ScriptedInteraction ui;
        TFrmPesquisaVinculo d(*m_db, ui);
        d.show();
        QTreeWidget &tree = d.tree();
        QCOMPARE(tree.topLevelItemCount(), 2);
        QCOMPARE(tree.topLevelItem(1)->text(0), QStringLiteral("002   VINCULADOS"));
        QCOMPARE(tree.topLevelItem(1)->child(1)->text(0), QStringLiteral("002 011   MERENDA"));
        QVERIFY(tree.topLevelItem(1)->isExpanded());
        tree.setCurrentItem(tree.topLevelItem(1));
        QCOMPARE(tree.currentItem(), tree.topLevelItem(1)->child(0));
        QTest::keyClick(&tree, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const auto link = d.link();
        QVERIFY(link);
        QCOMPARE(link->vingrupo + link->vincodigo, QStringLiteral("002010"));
        QCOMPARE(link->vingruponome, QStringLiteral("VINCULADOS"));
        QCOMPARE(link->vincodigonome, QStringLiteral("FUNDEB"));
        QVERIFY(ui.said.isEmpty());
    }

    void pickReturnsNothingWhenCancelled()
    {
        ScriptedInteraction ui;
        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                d->findChild<QPushButton *>(QStringLiteral("btncancel"))->click();
        });
        QVERIFY(!Tfrmpesq::pick(*m_db, ui, nullptr));
        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                d->findChild<QPushButton *>(QStringLiteral("btnok"))->click();
        });
        const auto first = Tfrmpesq::pick(*m_db, ui, nullptr);
        QVERIFY(first);
        QCOMPARE(first->histo, 1);
    }

    void progressWindowShowsBothBars()
    {
        Tfrmorganizando w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Aguarde..."));
        w.setPass(5, 10);
        w.setOverall(35);
        QCOMPARE(w.passBar().value(), 5);
        QCOMPARE(w.overallBar().value(), 35);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
    }

private:
    std::unique_ptr<Database> m_db;
};

QTEST_MAIN(LookupDialogsTest)
#include "LookupDialogsTest.moc"
