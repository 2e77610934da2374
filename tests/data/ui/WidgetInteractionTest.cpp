#include "data/ui/WidgetInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace {

// Acts on the box the code under test is about to show, once it is up.
void whenShown(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            whenShown(act);
            return;
        }
        act(modal);
    });
}

} // namespace

class WidgetInteractionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { qunsetenv("DIARIO_BOXES_TO_STDERR"); }

    void messageShowsCaptionIconAndTextWithLineBreaks()
    {
        WidgetInteraction ui;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenShown([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        ui.message(QStringLiteral("Primeira linha\r\rSOLUÇÃO:\rSegunda"), QStringLiteral("Erro na Base de Dados"),
                   Interaction::Icon::Error);
        QCOMPARE(title, QStringLiteral("Erro na Base de Dados"));
        QCOMPARE(text, QStringLiteral("Primeira linha\n\nSOLUÇÃO:\nSegunda"));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void questionOffersTheButtonsWithTheDefaultAndReturnsTheChoice()
    {
        WidgetInteraction ui;
        QList<QMessageBox::StandardButton> offered;
        QMessageBox::StandardButton preset = QMessageBox::NoButton;
        whenShown([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            for (QAbstractButton *b : box->buttons())
                offered << box->standardButton(b);
            preset = box->standardButton(box->defaultButton());
            box->button(QMessageBox::No)->click();
        });
        const auto answer = ui.question(QStringLiteral("Confirma?"), QStringLiteral("Atenção"),
                                        Interaction::Button::Yes | Interaction::Button::No, Interaction::Button::No);
        QCOMPARE(answer, Interaction::Button::No);
        QCOMPARE(offered.size(), 2);
        QVERIFY(offered.contains(QMessageBox::Yes) && offered.contains(QMessageBox::No));
        QCOMPARE(preset, QMessageBox::No);
    }

    void escapeAnswersCancelWhenOffered()
    {
        WidgetInteraction ui;
        whenShown([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
        const auto answer =
            ui.question(QStringLiteral("Gravar?"), QStringLiteral("Atenção"),
                        Interaction::Button::Yes | Interaction::Button::No | Interaction::Button::Cancel,
                        Interaction::Button::Yes);
        QCOMPARE(answer, Interaction::Button::Cancel);
    }

    void boxesGoToStderrWhenAsked()
    {
        qputenv("DIARIO_BOXES_TO_STDERR", "1");
        WidgetInteraction ui;
        ui.message(QStringLiteral("sem janela"), QStringLiteral("Atenção"), Interaction::Icon::Warning);
        QCOMPARE(ui.question(QStringLiteral("?"), QStringLiteral("Atenção"),
                             Interaction::Button::Yes | Interaction::Button::No, Interaction::Button::Yes),
                 Interaction::Button::Yes);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void progressDialogCancels()
    {
        WidgetInteraction ui;
        ui.progress(0, 10, QStringLiteral("Lançando Março"));
        auto *dialog = QApplication::activeModalWidget() ? qobject_cast<QProgressDialog *>(QApplication::activeModalWidget())
                                                         : nullptr;
        QVERIFY(dialog);
        QCOMPARE(dialog->labelText(), QStringLiteral("Lançando Março"));
        QVERIFY(!ui.cancelled());
        ui.progress(3, 10);
        QCOMPARE(dialog->value(), 3);
        QCOMPARE(dialog->labelText(), QStringLiteral("Lançando Março"));
        dialog->cancel();
        QVERIFY(ui.cancelled());
        ui.finishProgress();
        QVERIFY(!ui.cancelled());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void progressCallbackAndACancelOfTheWindow()
    {
        WidgetInteraction ui;
        QList<int> seen;
        ui.setProgressCallback([&](int value, int maximum, const QString &) { seen << value << maximum; });
        ui.progress(2, 7);
        QCOMPARE(seen, (QList<int>{2, 7}));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!ui.cancelled());
        ui.requestCancel();
        QVERIFY(ui.cancelled());
    }
};

QTEST_MAIN(WidgetInteractionTest)
#include "WidgetInteractionTest.moc"
