#include "../CategoryHarness.h"
#include "routine/MonthlyRun.h"
#include "routine/ui/TFrmlancRotina.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// Commitments in February and March, so that an all-months run posts two months.
std::unique_ptr<Database> twoMonths()
{
    auto db = seededDatabase();
    const QString g = QStringLiteral("001"), c = QStringLiteral("002");
    SuiteRows(*db)
        .allocation(1, QStringLiteral("04"), QStringLiteral("1000"), g, c)
        .commitment(1, 1, QStringLiteral("100"), QDate(2008, 2, 5), QStringLiteral("3.3"), g, c)
        .commitment(2, 1, QStringLiteral("50"), QDate(2008, 3, 5), QStringLiteral("3.3"), g, c);
    return db;
}

int rowOf(const char *operation)
{
    const auto &rows = MonthlyRun::statusRows();
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].operation == QLatin1String(operation))
            return i;
    }
    return -1;
}

} // namespace

class TFrmlancRotinaTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Database> db;
    ScriptedInteraction ui;
    QPointer<TFrmlancRotina> w;

    void open(std::unique_ptr<Database> database)
    {
        db = std::move(database);
        ui = ScriptedInteraction();
        w = new TFrmlancRotina(*db, ui);
        w->show();
    }

private slots:
    void initTestCase()
    {
        // The offscreen platform says so for every window it shows.
        static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(QStringLiteral("This plugin does not support")))
                previous(type, context, text);
        });
    }

    void cleanup()
    {
        delete w.data();
        db.reset();
    }

    void showsTheMonthListButtonsAndSixteenEmptyStatusRows()
    {
        open(seededDatabase());
        QCOMPARE(w->windowTitle(), QStringLiteral("Lançamentos de Rotina..."));
        QCOMPARE(w->combomes->count(), 13);
        QCOMPARE(w->combomes->itemText(0), QStringLiteral(" 1- Janeiro"));
        QCOMPARE(w->combomes->itemText(12), QStringLiteral("TODOS"));
        QCOMPARE(w->combomes->currentIndex(), -1);
        QCOMPARE(w->combomes->maxVisibleItems(), 13);
        QCOMPARE(w->btnok->text(), QStringLiteral("Lançar"));
        QCOMPARE(w->btncancel->text(), QStringLiteral("Cancelar"));
        QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("combomes")), w->combomes);
        QVERIFY(w->findChild<QProgressBar *>(QStringLiteral("progresso"))->isHidden());
        QVERIFY(w->labelesc->isHidden());
        QCOMPARE(w->labelesc->text(),
                 QStringLiteral("Pressione < ESC > ou clique \"Cancelar\" para interromper os lançamentos"));
        QCOMPARE(w->statusRows().size(), 16);
        for (int i = 0; i < 16; ++i) {
            const auto &row = w->statusRows()[i];
            QVERIFY(row.legenda->text().startsWith(MonthlyRun::statusRows()[i].caption + QStringLiteral(" ...")));
            QVERIFY(row.imgok->isHidden() && row.imgerro->isHidden());
            QVERIFY(row.resultado->text().isEmpty());
            QVERIFY(row.resultado->font().bold());
            QCOMPARE(row.resultado->font().pixelSize(), 16);
            QCOMPARE(row.resultado->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
    }

    void lancarWithoutAMonthAsksForOneAndDropsTheListDown()
    {
        open(seededDatabase());
        w->btnok->click();
        QCOMPARE(ui.texts(), QStringList({"Especifique o Mês para efetuar os lançamentos!"}));
        QCOMPARE(ui.said[0].caption, QStringLiteral("Atenção"));
        QVERIFY(w->combomes->view()->isVisible());
        QVERIFY(w->btnok->isEnabled());
    }

    void anEmptyJournalStopsAndLeavesLancarDisabled()
    {
        auto empty = TestDatabase::fresh(QStringLiteral("window"));
        SuiteRows(*empty).entity(QStringLiteral("2008"));
        open(std::move(empty));
        w->combomes->setCurrentIndex(2);
        w->btnok->click();
        QCOMPARE(ui.texts(), QStringList({"Execute primeiramente o \"Lançamento Anual Inicial\"."}));
        QVERIFY(!w->btnok->isEnabled());
        QCOMPARE(w->btncancel->text(), QStringLiteral("Cancelar"));
    }

    void aMonthMarksItsRowsAndOnePressThenCloses()
    {
        open(twoMonths());
        w->combomes->setCurrentIndex(2);
        w->btnok->click();
        QCOMPARE(ui.texts(), QStringList({"Término do Lançamento de Rotina! Verifique se ocorreu algum erro!"}));
        for (const char *op : {"Despesa_empenhada", "Despesa_anulada", "Receitas_realizadas", "CONTAS_CAIXA"}) {
            const auto &row = w->statusRows()[rowOf(op)];
            QCOMPARE(row.resultado->text(), QStringLiteral("OK"));
            QVERIFY(!row.imgok->isHidden() && row.imgerro->isHidden());
        }
        QCOMPARE(w->statusRows()[4].resultado->text(), QStringLiteral("OK"));
        QVERIFY(!w->btnok->isEnabled());
        QVERIFY(w->labelesc->isHidden());
        QCOMPARE(w->btncancel->text(), QStringLiteral("Fechar"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 7")).toInt(), 12);

        w->btncancel->click();
        QTRY_VERIFY(w.isNull());
    }

    void aFailingCategoryShowsErroWithItsCross()
    {
        auto broken = twoMonths();
        broken->exec(QStringLiteral("DROP TABLE DESCON"));
        open(std::move(broken));
        w->combomes->setCurrentIndex(2);
        w->btnok->click();
        const auto &row = w->statusRows()[rowOf("CONTAS_CAIXA")];
        QCOMPARE(row.resultado->text(), QStringLiteral("ERRO"));
        QVERIFY(row.imgok->isHidden() && !row.imgerro->isHidden());
        QCOMPARE(w->statusRows()[rowOf("Pagamentos_orcamentarios")].resultado->text(), QStringLiteral("OK"));
    }

    void cancelBeforeARunFirstBecomesFecharThenCloses()
    {
        open(seededDatabase());
        w->btncancel->click();
        QCOMPARE(w->btncancel->text(), QStringLiteral("Fechar"));
        QVERIFY(!w.isNull() && w->isVisible());
        QTest::keyClick(w->combomes, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
    }

    void escapeActsAsTheCancelButton()
    {
        open(seededDatabase());
        QTest::keyClick(w.data(), Qt::Key_Escape);
        QCOMPARE(w->btncancel->text(), QStringLiteral("Fechar"));
        QVERIFY(w->interrupted());
    }

    void cancelDuringARunStopsAfterTheCategoryInCourse()
    {
        open(twoMonths());
        w->combomes->setCurrentIndex(2);
        bool hintShown = false;
        QTimer::singleShot(0, w.data(), [this, &hintShown] {
            hintShown = w->labelesc->isVisible();
            w->btncancel->click();
        });
        w->btnok->click();
        QVERIFY(hintShown);
        QCOMPARE(ui.texts(), QStringList({"Lançamento interrompido pelo usuário!"}));
        QVERIFY(w->labelesc->isHidden());
        QCOMPARE(w->btncancel->text(), QStringLiteral("Fechar"));
        QVERIFY(w->statusRows()[rowOf("Receitas_realizadas")].resultado->text().isEmpty());
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE IE = 9")).toInt(), 0);
        w->btncancel->click();
        QTRY_VERIFY(w.isNull());
    }

    void theSecondPressDuringARunClosesOnceTheRunHasStopped()
    {
        open(twoMonths());
        w->combomes->setCurrentIndex(2);
        QTimer::singleShot(0, w.data(), [this] {
            w->btncancel->click();
            w->btncancel->click();
            QVERIFY(!w.isNull());
        });
        w->btnok->click();
        QTRY_VERIFY(w.isNull());
        QCOMPARE(ui.texts(), QStringList({"Lançamento interrompido pelo usuário!"}));
    }

    void todosHandsTheRunToTheMainWindowAndCloses()
    {
        open(twoMonths());
        QSignalSpy asked(w.data(), &TFrmlancRotina::allMonthsRequested);
        w->combomes->setCurrentIndex(12);
        w->btnok->click();
        QCOMPARE(asked.count(), 1);
        QTRY_VERIFY(w.isNull());
        QVERIFY(ui.said.isEmpty());
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA")).toInt(), 1);
    }

    void theAllMonthsRunPostsEachMonthWithOneEndMessage()
    {
        open(twoMonths());
        QCOMPARE(w->runAllMonths(), 3);
        QCOMPARE(ui.texts(), QStringList({"Término do Lançamento de Rotina! Verifique se ocorreu algum erro!"}));
        QCOMPARE(w->combomes->currentIndex(), 2);
        QVERIFY(w->progresso->isVisible());
        QCOMPARE(w->progresso->value(), 2);
        QCOMPARE(w->progresso->maximum(), 2);
        QCOMPARE(w->statusRows()[rowOf("Despesa_empenhada")].resultado->text(), QStringLiteral("OK"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(DISTINCT EXTRACT(MONTH FROM DATAE)) FROM CONDIA WHERE IE = 7 AND BALCO IS NOT NULL")).toInt(),
                 2);
    }
};

QTEST_MAIN(TFrmlancRotinaTest)
#include "TFrmlancRotinaTest.moc"
