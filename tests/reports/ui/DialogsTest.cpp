#include "../JournalFixture.h"
#include "TestDatabase.h"
#include "reports/JournalRequest.h"
#include "reports/LedgerRequest.h"
#include "reports/LedgerSystemRequest.h"
#include "reports/ui/ReportLookups.h"
#include "reports/ui/TFrmRazao.h"
#include "reports/ui/TFrmrazaoSistema.h"
#include "reports/ui/TfrmParamImp.h"
#include "reports/ui/Tfrmrelatorio.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// Answers the next message box, keeping its caption and text.
struct MessageCatcher {
    QString caption;
    QString text;
    void arm()
    {
        QTimer::singleShot(0, [this] { poll(); });
    }
    void poll()
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
            return;
        }
        QTimer::singleShot(10, [this] { poll(); });
    }
};

template <typename T> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

// Leaves a field the way the user does: focus on it, then elsewhere.
void type(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->setText(text);
    QMetaObject::invokeMethod(field, "editingFinished");
}

// With DIARIO_SHOTS=DIR the dialogs are saved as pictures to look at.
void shot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("DIARIO_SHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        db = TestDatabase::fresh();
        JournalFixture::fill(*db);
    }

    void journalDialogShowsTheFieldsOfItsMode()
    {
        for (const QString mode : {"DIARIO", "RASCUNHO PERIODO", "RASCUNHO REGISTRO"}) {
            Tfrmrelatorio dlg(*db, mode);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Impressão do Diário"));
            const bool byRecord = mode == u"RASCUNHO REGISTRO";
            QCOMPARE(child<QGroupBox>(&dlg, "gbPeriodo")->isVisible(), !byRecord);
            QCOMPARE(child<QGroupBox>(&dlg, "gbRegistro")->isVisible(), byRecord);
            QCOMPARE(child<QGroupBox>(&dlg, "gbPeriodo")->title(), QStringLiteral("PERÍODO"));
            QCOMPARE(child<QToolButton>(&dlg, "btnVinculo")->toolTip(), QStringLiteral("Consulta tabela de Vinculos"));
            QCOMPARE(child<QPushButton>(&dlg, "btnok")->text(), QStringLiteral("Ok"));
            QCOMPARE(child<QPushButton>(&dlg, "btncancel")->text(), QStringLiteral("Cancela"));
            shot(&dlg, QStringLiteral("Tfrmrelatorio-") + QString(mode).replace(u' ', u'_'));
        }
    }

    void journalDialogBuildsItsRequestFromTheFields()
    {
        Tfrmrelatorio dlg(*db, QStringLiteral("RASCUNHO REGISTRO"));
        dlg.show();
        auto *from = child<QLineEdit>(&dlg, "edRegistroDe");
        QTest::keyClicks(from, QStringLiteral("1a0,0"));
        QCOMPARE(from->text(), QStringLiteral("10,0")); // letters are refused
        from->setText(QStringLiteral("100"));
        child<QLineEdit>(&dlg, "edRegistroAte")->setText(QStringLiteral("250"));
        QCOMPARE(dlg.request().sql(), QStringLiteral("select * from condia  WHERE SEQ>=100 AND SEQ<=250 order by SEQ, IMP"));

        Tfrmrelatorio byDate(*db, QStringLiteral("DIARIO"));
        byDate.show();
        auto *to = child<QLineEdit>(&byDate, "edPeriodoAte");
        to->setFocus();
        to->setCursorPosition(0);
        QTest::keyClicks(to, QStringLiteral("31012008"));
        QCOMPARE(byDate.request().sql(),
                 QStringLiteral("select * from condia  WHERE DATAE<='01/31/2008' order by DATAE, IE, IMP, SEQ, BALCO"));
    }

    void enterAndArrowsMoveBetweenFields()
    {
        Tfrmrelatorio dlg(*db, QStringLiteral("DIARIO"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QApplication::setActiveWindow(&dlg);
        auto *from = child<QLineEdit>(&dlg, "edPeriodoDe");
        auto *to = child<QLineEdit>(&dlg, "edPeriodoAte");
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), to);
        QTest::keyClick(to, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), from);
        QTest::keyClick(from, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), to);
    }

    void leavingTheLinkFieldsFindsTheirNames()
    {
        Tfrmrelatorio dlg(*db, QStringLiteral("DIARIO"));
        dlg.show();
        type(child<QLineEdit>(&dlg, "edVINGRUPO"), QStringLiteral("02"));
        QCOMPARE(child<QLabel>(&dlg, "lbVINGRUPONOME")->text(), QStringLiteral("EDUCAÇÃO"));
        type(child<QLineEdit>(&dlg, "edVINCODIGO"), QStringLiteral("0"));
        QCOMPARE(child<QLabel>(&dlg, "lbVINCODIGONOME")->text(), QStringLiteral("FUNDEB"));

        MessageCatcher msg;
        msg.arm();
        type(child<QLineEdit>(&dlg, "edVINGRUPO"), QStringLiteral("9"));
        QCOMPARE(msg.caption, QStringLiteral("Atenção"));
        QCOMPARE(msg.text, QStringLiteral("Não existem vinculos iniciando com 9"));
        // The journal clears both names.
        QVERIFY(child<QLabel>(&dlg, "lbVINGRUPONOME")->text().isEmpty());
        QVERIFY(child<QLabel>(&dlg, "lbVINCODIGONOME")->text().isEmpty());

        MessageCatcher codeMsg;
        codeMsg.arm();
        child<QLineEdit>(&dlg, "edVINGRUPO")->setText(QStringLiteral("02"));
        type(child<QLineEdit>(&dlg, "edVINCODIGO"), QStringLiteral("7"));
        QCOMPARE(codeMsg.text, QStringLiteral("Não existem vinculos iniciando com grupo \"02\" and subgrupo iniciando com \"7\""));
    }

    void linkSearchFillsTheBox()
    {
        ReportLookups::setLinkPicker([](QWidget *, Database &) {
            return std::optional<ReportLookups::Link>({QStringLiteral("01"), QStringLiteral("001"), QStringLiteral("RECURSOS ORDINÁRIOS"),
                                                       QStringLiteral("TESOURO MUNICIPAL")});
        });
        TFrmrazaoSistema dlg(*db);
        dlg.show();
        auto *search = child<QToolButton>(&dlg, "btnVinculo");
        QVERIFY(search->isEnabled());
        search->click();
        QCOMPARE(child<QLineEdit>(&dlg, "edVINGRUPO")->text(), QStringLiteral("01"));
        QCOMPARE(child<QLabel>(&dlg, "lbVINCODIGONOME")->text(), QStringLiteral("TESOURO MUNICIPAL"));
        QCOMPARE(dlg.focusWidget(), child<QLineEdit>(&dlg, "edVINGRUPO"));
        ReportLookups::setLinkPicker({});
    }

    void ledgerDialogShowsTheLinkBoxOnlyForLinks()
    {
        TFrmRazao dlg(*db);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Impressão da Razão Patrimonial"));
        QVERIFY(child<QRadioButton>(&dlg, "rbConsolidados")->isChecked());
        auto *box = child<QGroupBox>(&dlg, "gbVinculo");
        QVERIFY(!box->isVisible());
        child<QRadioButton>(&dlg, "rbPorVinculo")->click();
        QVERIFY(box->isVisible());
        shot(&dlg, QStringLiteral("TFrmRazao"));
        child<QLineEdit>(&dlg, "edVINGRUPO")->setText(QStringLiteral("01"));
        QCOMPARE(dlg.request().sql(),
                 QStringLiteral("select * from condia where not balco is null  AND VINGRUPO LIKE '01%' order by balco,datae"));
        child<QRadioButton>(&dlg, "rbNaoConsolidados")->click();
        QVERIFY(!box->isVisible());
        QCOMPARE(child<QLineEdit>(&dlg, "edVINGRUPO")->text(), QStringLiteral("01")); // kept while hidden
        QCOMPARE(dlg.request().filter, LedgerRequest::Filter::NaoConsolidados);
    }

    void ledgerDialogRefusesTitleAccounts()
    {
        TFrmRazao dlg(*db);
        dlg.show();
        MessageCatcher msg;
        msg.arm();
        type(child<QLineEdit>(&dlg, "edBALCO"), QStringLiteral("111100"));
        QCOMPARE(msg.text, QStringLiteral("Selecione uma conta, esse código é de um titulo!"));
        QCOMPARE(child<QLabel>(&dlg, "lbTITCO")->text(), QStringLiteral("RECEITA PREVISTA (TÍTULO)"));
        type(child<QLineEdit>(&dlg, "edBALCO"), QStringLiteral("111101"));
        QCOMPARE(child<QLabel>(&dlg, "lbTITCO")->text(), QStringLiteral("RECEITA PREVISTA"));
        QCOMPARE(child<QToolButton>(&dlg, "btnConta")->toolTip(), QStringLiteral("Consulta tabela de Codigos Patrimoniais"));
    }

    void systemDialogBuildsItsRequest()
    {
        TFrmrazaoSistema dlg(*db);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Impressão por Sistema"));
        auto *system = child<QComboBox>(&dlg, "cbSistema");
        QCOMPARE(system->currentIndex(), -1);
        QCOMPARE(system->itemText(3), QStringLiteral("4 - Econômico"));
        QCOMPARE(dlg.request().system, 0);
        shot(&dlg, QStringLiteral("TFrmrazaoSistema"));
        system->setCurrentIndex(2);
        child<QLineEdit>(&dlg, "edVINGRUPO")->setText(QStringLiteral("01"));
        QCOMPARE(dlg.request().sql(), QStringLiteral("select * from condia where not balco is null  AND balco LIKE '3%' AND "
                                                     "VINGRUPO LIKE '01' order by balco,datae,ie,imp,seq"));
    }

    void printParametersLiveInDiarioIni()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Diario.ini"));
        {
            TfrmParamImp dlg(ini);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Parâmetros de Impressão"));
            QVERIFY(!child<QCheckBox>(&dlg, "chkVerificacao")->isChecked());
            QVERIFY(!child<QCheckBox>(&dlg, "chkMatricial")->isChecked());
            shot(&dlg, QStringLiteral("TfrmParamImp"));
            child<QCheckBox>(&dlg, "chkMatricial")->setChecked(true);
            child<QPushButton>(&dlg, "btnok")->click();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        QFile f(ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY(text.contains(QStringLiteral("[PARAMIMP]\nVER=N")));
        QVERIFY(text.contains(QStringLiteral("[PARAMIMPMAT]\nVER=S")));
        f.close();

        QFile lower(ini);
        QVERIFY(lower.open(QIODevice::WriteOnly));
        lower.write("[PARAMIMP]\nVER=s\n[PARAMIMPMAT]\nVER=S\n");
        lower.close();
        TfrmParamImp again(ini);
        QVERIFY(!child<QCheckBox>(&again, "chkVerificacao")->isChecked());
        QVERIFY(child<QCheckBox>(&again, "chkMatricial")->isChecked());
        child<QCheckBox>(&again, "chkMatricial")->setChecked(false);
        again.reject(); // closing otherwise writes nothing
        QVERIFY(PrintParameters::load(ini).matrixPrinter);
    }

private:
    std::unique_ptr<Database> db;
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
