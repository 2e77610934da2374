#include "../OpeningFixture.h"
#include "data/ScriptedInteraction.h"
#include "reports/Report.h"
#include "reports/ui/ReportPreview.h"
#include "yearend/OpeningRun.h"
#include "yearend/ui/TFrmInicialDiario.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TFrmInicialDiarioTest : public QObject {
    Q_OBJECT

    template <typename T>
    static T *child(QWidget &w, const char *name)
    {
        T *c = w.findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("control %s missing", name);
        return c;
    }

    static int count(Database &db, const char *where)
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE ") + QLatin1String(where)).toInt();
    }

private slots:
    // On showing: the conference runs, its problem file fills the memo, and the
    // groups without opening rows are ticked.
    void showingChecksTheRecordsAndTicksTheGroupsStillToOpen()
    {
        OpeningFixture f;
        f.typicalYear();
        f.current->exec(QStringLiteral("INSERT INTO DESCON (CONTA, RECUR, BALCO, SALDOINICIAL) VALUES (9, 'Convênio', '313101', 0)"));
        f.current->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, IE, BALCO, DEBIT) VALUES (0, 2, '251101', 5)"));
        ScriptedInteraction ui;
        TFrmInicialDiario w(*f.current, f.ini, ui);
        w.show();
        QTRY_VERIFY(child<QPlainTextEdit>(w, "Memo1")->isVisible());

        QCOMPARE(w.windowTitle(), QStringLiteral("Lançamentos Iniciais Anual"));
        QVERIFY(child<QPlainTextEdit>(w, "Memo1")->toPlainText().contains(QStringLiteral("RECURSO:Convênio")));
        QVERIFY(child<QPlainTextEdit>(w, "Memo1")->isReadOnly());
        QVERIFY(child<QPushButton>(w, "btnimprime")->isVisible());
        QCOMPARE(child<QLabel>(w, "situ4")->text(), QStringLiteral("Erro"));
        QVERIFY(child<QLabel>(w, "x4")->isVisible());
        QVERIFY(!child<QLabel>(w, "v4")->isVisible());
        QCOMPARE(ui.said.size(), 1);
        QCOMPARE(ui.said[0].caption, QStringLiteral("ATENÇÃO!"));

        QVERIFY(child<QCheckBox>(w, "check1")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "Check2")->isChecked());
        QVERIFY(child<QCheckBox>(w, "Check3")->isChecked());
        QVERIFY(child<QCheckBox>(w, "Check4")->isChecked());
        QVERIFY(child<QCheckBox>(w, "Check5")->isChecked());
        QCOMPARE(child<QCheckBox>(w, "Check3")->text(), OpeningRun::caption(OpeningRun::Step::Budget));
        QCOMPARE(child<QPushButton>(w, "btnok")->text(), QStringLiteral("Lançar"));
        QCOMPARE(child<QPushButton>(w, "BitBtn1")->text(), QStringLiteral("Conferência Extra"));

        // Both printouts open in the preview.
        for (const char *button : {"btnimprime", "BitBtn1"}) {
            QString title;
            int pages = 0;
            QTimer::singleShot(0, [&] {
                auto *preview = qobject_cast<ReportPreview *>(QApplication::activeModalWidget());
                QVERIFY(preview);
                preview->finishLayout();
                title = preview->report().title();
                pages = preview->report().pages().pageCount();
                preview->reject();
            });
            QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
            QVERIFY2(pages > 0, button);
            QCOMPARE(title, QLatin1String(button) == u"BitBtn1" ? QStringLiteral("Conferência Extra")
                                                                 : QStringLiteral("Erros encontrados"));
        }
    }

    // "Lançar" over an earlier opening of a year closed by link: two yeses, then
    // "Não Apagar" keeps the patrimonial rows already there.
    void launchingMarksEachStepAndEnds()
    {
        OpeningFixture f;
        f.typicalYear();
        f.previous->exec(QStringLiteral("UPDATE FINAL SET VINGRUPO='002', VINCODIGO='001'"));
        f.current->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, IE, BALCO, DEBIT, IMP) VALUES (0, 1, '311201', 5, '2')"));
        ScriptedInteraction ui;
        ui.answers = {Interaction::Button::Yes, Interaction::Button::Yes};
        TFrmInicialDiario w(*f.current, f.ini, ui);
        w.show();
        QTRY_COMPARE(child<QLabel>(w, "situ4")->text(), QStringLiteral("OK"));
        QVERIFY(!child<QPlainTextEdit>(w, "Memo1")->isVisible());
        QVERIFY(!child<QCheckBox>(w, "check1")->isChecked());
        child<QCheckBox>(w, "check1")->setChecked(true);
        child<QCheckBox>(w, "Check5")->setChecked(false);

        QString asked;
        QTimer::singleShot(0, [&asked] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            asked = box->windowTitle();
            for (QAbstractButton *b : box->buttons())
                if (b->text() == QStringLiteral("Não Apagar"))
                    b->click();
        });
        QTest::mouseClick(child<QPushButton>(w, "btnok"), Qt::LeftButton);

        QCOMPARE(asked, QStringLiteral("Lançamentos iniciais já existentes! O que fazer?"));
        for (const char *label : {"SITU1", "SITU2", "SITU3", "situ4"})
            QCOMPARE(child<QLabel>(w, label)->text(), QStringLiteral("OK"));
        QVERIFY(child<QLabel>(w, "V1")->isVisible());
        QVERIFY(!child<QLabel>(w, "X1")->isVisible());
        QVERIFY(child<QLabel>(w, "SITU5")->text().isEmpty());
        QCOMPARE(child<QLabel>(w, "labeltermino")->text(), QStringLiteral("LANÇAMENTOS EFETUADOS!"));
        QCOMPARE(child<QPushButton>(w, "btncancel")->text(), QStringLiteral("Fechar"));
        QVERIFY(!child<QPushButton>(w, "btnok")->isEnabled());
        QCOMPARE(count(*f.current, "IE=1 AND BALCO='311201'"), 1);
        QCOMPARE(count(*f.current, "IE=1 AND BALCO='311101'"), 1);
        QCOMPARE(count(*f.current, "IE=3"), 5);
    }

    void declinedConfirmationChangesNothing()
    {
        OpeningFixture f;
        f.typicalYear();
        f.current->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, IE, BALCO, DEBIT) VALUES (0, 3, '111101', 5)"));
        ScriptedInteraction ui;
        ui.answers = {Interaction::Button::No};
        TFrmInicialDiario w(*f.current, f.ini, ui);
        w.show();
        QTRY_COMPARE(child<QLabel>(w, "situ4")->text(), QStringLiteral("OK"));
        QTest::mouseClick(child<QPushButton>(w, "btnok"), Qt::LeftButton);
        QCOMPARE(count(*f.current, "1=1"), 1);
        QVERIFY(child<QLabel>(w, "labeltermino")->text().isEmpty());
        QVERIFY(!child<QPushButton>(w, "btnok")->isEnabled());
    }

    // A repair that fails after the opening was written: its own message, then
    // the error as any error no step handles; the run ends without the end label.
    void anErrorEndsTheRunWithItsMessage()
    {
        OpeningFixture f;
        f.typicalYear();
        f.current->exec(QStringLiteral("ALTER TABLE CONPLA ADD CONSTRAINT CK_TEST_REFUSE CHECK (BALCO <> '100000')"));
        ScriptedInteraction ui;
        TFrmInicialDiario w(*f.current, f.ini, ui);
        w.show();
        QTRY_COMPARE(child<QLabel>(w, "situ4")->text(), QStringLiteral("OK"));
        QTest::mouseClick(child<QPushButton>(w, "btnok"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(w, "SITU5")->text(), QStringLiteral("Erro"));
        QVERIFY(child<QLabel>(w, "x5")->isVisible());
        QVERIFY(child<QLabel>(w, "labeltermino")->text().isEmpty());
        QCOMPARE(ui.said.size(), 2);
        QVERIFY(ui.said[0].text.startsWith(QStringLiteral("O seguinte erro ocorreu:")));
        QCOMPARE(ui.said[1].caption, QStringLiteral("Diário/Razão"));
        QVERIFY(ui.said[1].text.contains(QStringLiteral("CK_TEST_REFUSE")));
        QCOMPARE(count(*f.current, "IE=1"), 3);
    }
};

QTEST_MAIN(TFrmInicialDiarioTest)
#include "TFrmInicialDiarioTest.moc"
