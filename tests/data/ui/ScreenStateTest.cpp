#include "data/ui/ScreenState.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A record-editing window with one control of every kind the states know.
struct EditingWindow : QWidget {
    QLineEdit *edit = add<QLineEdit>("edCodigo");
    QLineEdit *tagged = add<QLineEdit>("edPesquisa");
    QLineEdit *masked = add<QLineEdit>("edData");
    QComboBox *combo = add<QComboBox>("combomes");
    QComboBox *editableCombo = add<QComboBox>("cbHistorico");
    QDateEdit *date = add<QDateEdit>("dtData");
    QTextEdit *rich = add<QTextEdit>("reTexto");
    QPlainTextEdit *memo = add<QPlainTextEdit>("mmObs");
    QCheckBox *check = add<QCheckBox>("ckAtivo");
    QToolButton *speed = add<QToolButton>("sbLocaliza");
    QToolButton *raised = add<QToolButton>("tbMenu");
    QWidget *navigator = add<QWidget>("DBNavigator1");
    QPushButton *navigatorButton = new QPushButton(navigator);
    QPushButton *ok = add<QPushButton>("btnok");
    QPushButton *cancel = add<QPushButton>("BtnCancel");
    QPushButton *other = add<QPushButton>("btnincluir");
    QSpinBox *spin = add<QSpinBox>("spQuantidade");
    QLabel *label = add<QLabel>("lbTitulo");

    EditingWindow()
    {
        tagged->setProperty("tag", 99);
        masked->setInputMask(QStringLiteral("99/99/9999"));
        editableCombo->setEditable(true);
        speed->setAutoRaise(true);
        navigator->setProperty("navigator", true);
    }

    template <class W> W *add(const char *name)
    {
        if (!layout())
            new QVBoxLayout(this);
        auto *w = new W(this);
        w->setObjectName(QLatin1String(name));
        layout()->addWidget(w);
        return w;
    }
};

QColor base(const QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::Base);
}

QColor buttonFace(const QWidget *w)
{
    return QApplication::palette(w).color(QPalette::Button);
}

QColor windowColour(const QWidget *w)
{
    return QApplication::palette(w).color(QPalette::Base);
}

} // namespace

class ScreenStateTest : public QObject {
    Q_OBJECT

private slots:
    void browseAndEditSetEachKind()
    {
        EditingWindow w;
        QVERIFY(buttonFace(&w) != windowColour(&w));
        const QList<QWidget *> editors = {w.edit, w.masked, w.combo, w.editableCombo, w.date, w.rich, w.memo};

        ScreenState::bloqueia_tela(&w);
        for (QWidget *e : editors) {
            QVERIFY2(!e->isEnabled(), qPrintable(e->objectName()));
            QVERIFY2(base(e) == buttonFace(e), qPrintable(e->objectName()));
        }
        QVERIFY(!w.check->isEnabled());
        QVERIFY(!w.speed->isEnabled());
        QVERIFY(w.navigator->isEnabled());
        QVERIFY(!w.ok->isEnabled());
        QVERIFY(!w.cancel->isEnabled());
        QVERIFY(w.other->isEnabled());

        ScreenState::libera_tela(&w);
        for (QWidget *e : editors) {
            QVERIFY2(e->isEnabled(), qPrintable(e->objectName()));
            QVERIFY2(base(e) == windowColour(e), qPrintable(e->objectName()));
        }
        QVERIFY(w.check->isEnabled());
        QVERIFY(w.speed->isEnabled());
        QVERIFY(!w.navigator->isEnabled());
        QVERIFY(w.ok->isEnabled());
        QVERIFY(w.cancel->isEnabled());
        QVERIFY(!w.other->isEnabled());
    }

    void taggedEditAndOtherKindsAreLeftAlone()
    {
        EditingWindow w;
        const QColor taggedBase = base(w.tagged);
        w.spin->setEnabled(false);
        for (auto state : {ScreenState::bloqueia_tela, ScreenState::libera_tela}) {
            state(&w);
            QVERIFY(w.tagged->isEnabled());
            QCOMPARE(base(w.tagged), taggedBase);
            QVERIFY(w.raised->isEnabled());
            QVERIFY(!w.spin->isEnabled());
            QVERIFY(w.label->isEnabled());
        }
    }

    // The parts Qt builds inside a control follow the control, so a navigator's
    // own buttons are not turned the other way as if they stood alone.
    void innerPartsFollowTheirControl()
    {
        EditingWindow w;
        ScreenState::bloqueia_tela(&w);
        QVERIFY(w.navigatorButton->isEnabled());
        QVERIFY(!w.editableCombo->lineEdit()->isEnabled());
        ScreenState::libera_tela(&w);
        QVERIFY(!w.navigatorButton->isEnabled());
        QVERIFY(w.editableCombo->lineEdit()->isEnabled());
        QVERIFY(w.navigatorButton->isEnabledTo(w.navigator));
    }
};

QTEST_MAIN(ScreenStateTest)
#include "ScreenStateTest.moc"
