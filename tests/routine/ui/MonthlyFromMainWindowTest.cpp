#include "../CategoryHarness.h"
#include "app/ui/TFrmPrincipalVelqa8.h"
#include "app/ui/WindowCatalog.h"
#include "routine/ui/TFrmlancRotina.h"

#include <QAction>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

// The monthly window as the main window opens it, and the all-months run it hands
// back to the main window through Timer1.
class MonthlyFromMainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Database> db;
    ScriptedInteraction ui;
    std::unique_ptr<TFrmPrincipalVelqa8> main;

    // Cash orders up to February, commitments of the fiscal year up to March.
    void open()
    {
        db = seededDatabase();
        const QString g = QStringLiteral("001"), c = QStringLiteral("002");
        SuiteRows(*db)
            .allocation(1, QStringLiteral("04"), QStringLiteral("1000"), g, c)
            .bankAccount(1, QStringLiteral("311201"), g, c)
            .cashOrder(1, QStringLiteral("10"), {}, QDate(2008, 2, 3))
            .commitment(1, 1, QStringLiteral("100"), QDate(2008, 3, 3), QStringLiteral("3.3"), g, c);
        ui = ScriptedInteraction();
        main = std::make_unique<TFrmPrincipalVelqa8>(*db, ui, WindowCatalog::standard());
        main->show();
    }

    TFrmlancRotina *monthly() const { return qobject_cast<TFrmlancRotina *>(main->activeChild()); }

    // Opens the monthly window and asks it for every month.
    void askForAllMonths()
    {
        main->findChild<QToolButton *>(QStringLiteral("btnLancMensais"))->click();
        QPointer<TFrmlancRotina> first = monthly();
        QVERIFY(first);
        first->combomes->setCurrentIndex(12);
        first->btnok->click();
        QCOMPARE(main->allMonthsIndicator(), 1);
        QVERIFY(main->timer1()->isActive());
        QTRY_VERIFY(first.isNull());
    }

    int monthsPosted() const
    {
        return db->scalar(QStringLiteral("SELECT COUNT(DISTINCT EXTRACT(MONTH FROM DATAE)) FROM CONDIA WHERE IE > 1")).toInt();
    }

private slots:
    void initTestCase()
    {
        static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(QStringLiteral("This plugin does not support")))
                previous(type, context, text);
        });
    }

    void cleanup()
    {
        main.reset();
        db.reset();
    }

    void lancMensaisOpensTheMonthlyWindowWithItsTitle()
    {
        open();
        main->findChild<QAction *>(QStringLiteral("LanamentoRotina2"))->trigger();
        QVERIFY(monthly());
        QCOMPARE(main->titleText(), QStringLiteral("Lançamentos Mensais"));
        QCOMPARE(monthly()->btnok->text(), QStringLiteral("Lançar"));
    }

    void todosPostsEveryMonthUpToTheLastWithDataAndEndsOnce()
    {
        open();
        askForAllMonths();
        QTRY_COMPARE(main->allMonthsIndicator(), 0);
        QVERIFY(!main->timer1()->isActive());
        QCOMPARE(ui.texts(), QStringList({"Término do Lançamento de Rotina! Verifique se ocorreu algum erro!"}));
        QCOMPARE(monthsPosted(), 3);
        QVERIFY(monthly());
        QCOMPARE(monthly()->combomes->currentIndex(), 2);
    }

    void cancelDuringTheSecondMonthStopsTheRun()
    {
        open();
        QTimer poll;
        bool pressed = false;
        connect(&poll, &QTimer::timeout, this, [&] {
            TFrmlancRotina *w = monthly();
            if (!pressed && w && main->allMonthsIndicator() == 1 && w->combomes->currentIndex() == 1) {
                pressed = true;
                w->btncancel->click();
            }
        });
        poll.start(0);
        askForAllMonths();
        QTRY_COMPARE(main->allMonthsIndicator(), 0);
        QVERIFY(pressed);
        QCOMPARE(ui.texts(), QStringList({"Lançamento interrompido pelo usuário!"}));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE EXTRACT(MONTH FROM DATAE) = 3")).toInt(), 0);
    }
};

QTEST_MAIN(MonthlyFromMainWindowTest)
#include "MonthlyFromMainWindowTest.moc"
