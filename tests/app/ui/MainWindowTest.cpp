#include "TestDatabase.h"
#include "app/ApplicationSetup.h"
#include "app/ui/GroupBar.h"
#include "app/ui/TFrmPrincipalVelqa8.h"
#include "app/ui/WindowCatalog.h"
#include "data/ScriptedInteraction.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// Stand-ins for the windows, so that every entry can be opened here without
// the program having placeholder windows of its own.
class TestChild : public QWidget {
public:
    bool refuseClose = false;
    QLineEdit *edit = new QLineEdit(this);

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (refuseClose)
            event->ignore();
        else
            event->accept();
    }
};

class TestDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void showEvent(QShowEvent *event) override
    {
        QDialog::showEvent(event);
        QTimer::singleShot(0, this, &QDialog::accept);
    }
};

struct Opened {
    QString className;
    QString mode;
};

QString blanks(int n)
{
    return QString(n, u' ');
}

// The menu as "objectName=caption" lines, one ">" per level below the top.
void describe(const QList<QAction *> &actions, const QString &indent, QStringList &out)
{
    for (QAction *a : actions) {
        out << indent + a->objectName() + u'=' + (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->menu())
            describe(a->menu()->actions(), indent + u'>', out);
    }
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Database> m_db;
    ScriptedInteraction m_ui;
    QList<Opened> m_opened;
    QPointer<TestChild> m_lastChild;

    WindowCatalog testCatalog()
    {
        WindowCatalog catalog = WindowCatalog::standard();
        for (const WindowEntry &e : catalog.entries()) {
            const QString className = e.className;
            if (e.kind == WindowEntry::Kind::Child)
                catalog.setFactory(e.key, [this, className](WindowContext &c) -> QWidget * {
                    m_opened << Opened{className, c.mode};
                    auto *w = new TestChild;
                    w->setObjectName(className);
                    w->setWindowTitle(className);
                    m_lastChild = w;
                    return w;
                });
            else
                catalog.setFactory(e.key, [this, className](WindowContext &c) -> QWidget * {
                    m_opened << Opened{className, c.mode};
                    auto *d = new TestDialog(&c.main);
                    d->setObjectName(className);
                    return d;
                });
        }
        return catalog;
    }

    std::unique_ptr<TFrmPrincipalVelqa8> make(WindowCatalog catalog)
    {
        auto w = std::make_unique<TFrmPrincipalVelqa8>(*m_db, m_ui, std::move(catalog));
        w->show();
        return w;
    }

    static void trigger(QWidget &w, const QString &name) { w.findChild<QAction *>(name)->trigger(); }

    // Sub-windows that are still open (closed ones wait for deferred deletion).
    static int openChildren(TFrmPrincipalVelqa8 &w)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int n = 0;
        for (QMdiSubWindow *s : w.mdiArea()->subWindowList())
            n += s->isVisible() ? 1 : 0;
        return n;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ApplicationSetup::apply(*qApp));
        m_db = TestDatabase::fresh();
    }

    void init()
    {
        m_ui.said.clear();
        m_opened.clear();
    }

    void mainMenuCaptionsAndAccessKeys()
    {
        auto w = make(WindowCatalog::standard());
        QStringList menu;
        describe(w->menuBar()->actions(), {}, menu);
        const QStringList expected = {
            QStringLiteral("PlanodeContas1=&Plano de Contas "),
            QStringLiteral("HistricoPadro1=&Histórico Padrão  "),
            QStringLiteral("LanamentoInicial1=Lançamento I&nicial    "),
            QStringLiteral(">Automtico1=Automático ( Lançamentos Iniciais )"),
            QStringLiteral(">Manual1=Manual  ( Manutenção de Lanc. Iniciais )"),
            QStringLiteral("LanamentoRotina1=Lançamento &Rotina    "),
            QStringLiteral(">LanamentoRotina2=Lançamentos Mensais"),
            QStringLiteral(">Manuteno1=Manutenção"),
            QStringLiteral(">LanarManual1=Lançar Manual"),
            QStringLiteral(">IncorporaPatrimnio1=Incorpora Patrimônio"),
            QStringLiteral("LanamentoFinal1=Lançamento &Final    "),
            QStringLiteral(">Final1=Final"),
            QStringLiteral(">Checagem1=Checagem"),
            QStringLiteral("Impresso1=I&mpressão     "),
            QStringLiteral(">Rascunho1=Rascunho"),
            QStringLiteral(">>PorPeriodo1=Por Periodo"),
            QStringLiteral(">>PorRegistro1=Por Registro"),
            QStringLiteral(">Dirio1=Diário"),
            QStringLiteral(">Razo1=Razão"),
            QStringLiteral(">RazoporSistema1=Razão por Sistema"),
            QStringLiteral(">Impresso2=&Impressão"),
            QStringLiteral("Sair1=&Sair  "),
            QStringLiteral("Ajuda1=?"),
        };
        QCOMPARE(menu, expected);
    }

    void popupMenuCaptions()
    {
        auto w = make(WindowCatalog::standard());
        QStringList menu;
        describe(w->popupMenu()->actions(), {}, menu);
        const QStringList expected = {
            QStringLiteral("PlanodeContas2=Plano de Contas"),
            QStringLiteral("HistricoPadro2=Histórico Padrão"),
            QStringLiteral("LanamentoInicial2=Lançamento Inicial"),
            QStringLiteral(">Automtico2=Automático ( Lançamentos Iniciais )"),
            QStringLiteral(">Manual2=Manual  ( Manutenção de Lanc. Iniciais )"),
            QStringLiteral("LanamentoRotina3=Lançamento Rotina"),
            QStringLiteral(">EfetuarLanamento1=Efetuar Lançamento"),
            QStringLiteral(">Manuteno2=Manutenção"),
            QStringLiteral(">LanarAutomtico1=Lançar Automático"),
            QStringLiteral(">IncorporaPatrimnio2=Incorpora Patrimônio"),
            QStringLiteral("LanamentoFinal2=Lançamento Final"),
            QStringLiteral(">Final2=Final"),
            QStringLiteral(">Checagem2=Checagem"),
            QStringLiteral("Impresso3=Impressão"),
            QStringLiteral(">Rascunho2=Rascunho"),
            QStringLiteral(">>PorPeriodo2=Por Periodo"),
            QStringLiteral(">>PorRegistro2=Por Registro"),
            QStringLiteral(">Dirio2=Diário"),
            QStringLiteral(">Razo2=Razão"),
            QStringLiteral(">RazoporSistema2=Razão por Sistema"),
            QStringLiteral("N1=-"),
            QStringLiteral("Sair2=Sair"),
            QStringLiteral("N2=-"),
        };
        QCOMPARE(menu, expected);
    }

    void groupBarGroupsAndButtons()
    {
        auto w = make(WindowCatalog::standard());
        GroupBar *bar = w->groupBar();
        QCOMPARE(bar->width(), 105);
        QStringList layout;
        for (int i = 0; i < bar->count(); ++i) {
            layout << bar->caption(i);
            for (QToolButton *b : bar->page(i)->findChildren<QToolButton *>())
                layout << u'>' + b->text();
        }
        const QStringList expected = {
            QStringLiteral("Cadastro"),        QStringLiteral(">Plano Contas"),  QStringLiteral(">Hist. Padrão"),
            QStringLiteral("Lanç. Inicial"),   QStringLiteral(">Automático"),    QStringLiteral(">Manutenção"),
            QStringLiteral("Lanç Rotina"),     QStringLiteral(">Lanç. Mensais"), QStringLiteral(">Manutenção"),
            QStringLiteral(">Lanç. Manual"),   QStringLiteral(">Inc. Patrimônio"), QStringLiteral("Lanç. Final"),
            QStringLiteral(">Lanç. Final"),    QStringLiteral(">Checagem"),
        };
        QCOMPARE(layout, expected);
        // One group open at a time.
        bar->header(2)->click();
        QCOMPARE(bar->openGroupCaption(), QStringLiteral("Lanç Rotina"));
        QVERIFY(bar->page(2)->isVisible());
        QVERIFY(!bar->page(0)->isVisible() && !bar->page(1)->isVisible() && !bar->page(3)->isVisible());
    }

    void entriesWithoutAWindowAreDisabled()
    {
        const WindowCatalog standard = WindowCatalog::standard();
        auto w = make(standard);
        for (const WindowEntry &e : standard.entries()) {
            const bool available = bool(e.factory);
            QCOMPARE(w->findChild<QAction *>(e.key)->isEnabled(), available);
            if (!e.popupItem.isEmpty())
                QCOMPARE(w->findChild<QAction *>(e.popupItem)->isEnabled(), available);
            if (!e.groupButton.isEmpty())
                QCOMPARE(w->findChild<QToolButton *>(e.groupButton)->isEnabled(), available);
        }
        for (const char *always : {"Sair1", "Sair2", "Ajuda1", "LanamentoRotina1", "EfetuarLanamento1"})
            QVERIFY2(w->findChild<QAction *>(QLatin1String(always))->isEnabled(), always);
    }

    void labelsPerEntry_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("subtitle");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("window");
        const QString start = QStringLiteral("Diário / Razão");
        const auto row = [](const char *key, const QString &title, const QString &subtitle, const char *group,
                            const char *window) {
            QTest::newRow(key) << QString::fromLatin1(key) << title << subtitle << QString::fromUtf8(group)
                               << QString::fromLatin1(window);
        };
        row("PlanodeContas1", QStringLiteral("Plano de Contas"), blanks(8) + QStringLiteral("Manutenção"), "Cadastro", "TFrmBalco");
        row("HistricoPadro1", QStringLiteral("Histórico Padrão"), blanks(8) + QStringLiteral("Manutenção"), "Cadastro", "Tfrmcadhist");
        row("Automtico1", QStringLiteral("Lançamentos Anuais Iniciais."), {}, "Lanç. Inicial", "TFrmInicialDiario");
        row("Manual1", QStringLiteral("Lançamentos Anuais Iniciais Manutenção."), {}, "Lanç. Inicial", "Tfrminicialmanual");
        row("LanamentoRotina2", QStringLiteral("Lançamentos Mensais"), {}, "Lanç Rotina", "TFrmlancRotina");
        row("Manuteno1", QStringLiteral("Manutenção do Diário"), blanks(11), "Lanç Rotina", "Tfrmmanutencao");
        row("LanarManual1", QStringLiteral("Lançamento Manual"), blanks(23) + QStringLiteral("Efetuar Lançamento"), "Lanç Rotina", "TFRMAUTOMATICO");
        row("IncorporaPatrimnio1", QStringLiteral("Incorporar do Patrimônio"), {}, "Lanç Rotina", "TFrmIncorporacao");
        row("Final1", QStringLiteral("Lançamentos Finais."), {}, "Lanç. Final", "TFRMFINAL");
        row("Checagem1", QStringLiteral("Checagem do Diário"), {}, "Lanç. Final", "TfrmChecagem");
        row("PorPeriodo1", start, {}, "", "Tfrmrelatorio");
        row("PorRegistro1", start, {}, "", "Tfrmrelatorio");
        row("Dirio1", start, {}, "", "Tfrmrelatorio");
        row("Razo1", start, {}, "", "TFrmRazao");
        row("RazoporSistema1", start, {}, "", "TFrmrazaoSistema");
        row("Impresso2", start, {}, "", "TfrmParamImp");
    }

    // The menu item, its pop-up twin and its group bar button each open the
    // same window with the same labels.
    void labelsPerEntry()
    {
        QFETCH(QString, key);
        QFETCH(QString, title);
        QFETCH(QString, subtitle);
        QFETCH(QString, group);
        QFETCH(QString, window);
        const WindowCatalog catalog = testCatalog();
        const WindowEntry *entry = catalog.find(key);
        QVERIFY(entry);
        auto w = make(catalog);

        const auto check = [&](const std::function<void()> &open, const char *how) {
            w->btnFecharClick();
            w->groupBar()->setCurrentIndex(group == u"Cadastro" ? 3 : 0);
            const QString groupBefore = w->groupBar()->openGroupCaption();
            m_opened.clear();
            open();
            QVERIFY2(m_opened.size() == 1, how);
            QCOMPARE(m_opened.first().className, window);
            QCOMPARE(w->titleText(), title);
            QCOMPARE(w->subtitleText(), subtitle);
            QCOMPARE(w->groupBar()->openGroupCaption(), group.isEmpty() ? groupBefore : group);
        };
        check([&] { trigger(*w, key); }, "menu");
        if (!entry->popupItem.isEmpty())
            check([&] { trigger(*w, entry->popupItem); }, "pop-up");
        if (!entry->groupButton.isEmpty())
            check([&] { w->findChild<QToolButton *>(entry->groupButton)->click(); }, "group bar");
    }

    void printingModesReachTheJournalWindow()
    {
        auto w = make(testCatalog());
        for (const char *key : {"PorPeriodo1", "PorRegistro2", "Dirio2"})
            trigger(*w, QLatin1String(key));
        QCOMPARE(m_opened.size(), 3);
        QCOMPARE(m_opened[0].mode, QStringLiteral("RASCUNHO PERIODO"));
        QCOMPARE(m_opened[1].mode, QStringLiteral("RASCUNHO REGISTRO"));
        QCOMPARE(m_opened[2].mode, QStringLiteral("DIARIO"));
    }

    void oneChildAtATime()
    {
        auto w = make(testCatalog());
        trigger(*w, QStringLiteral("HistricoPadro1"));
        QPointer<TestChild> first = m_lastChild;
        QCOMPARE(w->activeChild()->objectName(), QStringLiteral("Tfrmcadhist"));
        QVERIFY(w->activeChild()->parentWidget()->isMaximized());
        trigger(*w, QStringLiteral("PlanodeContas1"));
        QCOMPARE(openChildren(*w), 1);
        QVERIFY(first.isNull());
        QCOMPARE(w->activeChild()->objectName(), QStringLiteral("TFrmBalco"));
        QVERIFY(w->activeChild()->parentWidget()->isMaximized());
    }

    void aChildThatRefusesToCloseStaysAndNothingElseOpens()
    {
        auto w = make(testCatalog());
        trigger(*w, QStringLiteral("HistricoPadro1"));
        m_lastChild->refuseClose = true;
        trigger(*w, QStringLiteral("Final1"));
        QCOMPARE(openChildren(*w), 1);
        QCOMPARE(w->activeChild()->objectName(), QStringLiteral("Tfrmcadhist"));
        QCOMPARE(w->titleText(), QStringLiteral("Histórico Padrão"));
        w->btnFecharClick();
        QCOMPARE(w->activeChild()->objectName(), QStringLiteral("Tfrmcadhist"));
        w->close();
        QVERIFY2(w->isVisible(), "the program stays while its child keeps its work");
        m_lastChild->refuseClose = false;
    }

    void aChildThatClosesItselfLeavesNoFrame()
    {
        auto w = make(testCatalog());
        trigger(*w, QStringLiteral("Checagem1"));
        m_lastChild->close();
        QTRY_COMPARE(openChildren(*w), 0);
        QVERIFY(!w->activeChild());
    }

    void aModalDialogLeavesTheChildOpen()
    {
        auto w = make(testCatalog());
        trigger(*w, QStringLiteral("Manuteno1"));
        QPointer<TestChild> child = m_lastChild;
        trigger(*w, QStringLiteral("Razo1"));
        trigger(*w, QStringLiteral("IncorporaPatrimnio1"));
        QCOMPARE(m_opened.size(), 3);
        QVERIFY(!child.isNull());
        QCOMPARE(w->activeChild(), child.data());
        QCOMPARE(openChildren(*w), 1);
    }

    void escapeClosesTheChildThenTheProgram()
    {
        auto w = make(testCatalog());
        trigger(*w, QStringLiteral("LanarManual1"));
        // Escape typed in the child's own controls is the child's business.
        m_lastChild->edit->setFocus();
        QTest::keyClick(m_lastChild->edit, Qt::Key_Escape);
        QVERIFY(w->activeChild());

        w->setFocus();
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QCOMPARE(openChildren(*w), 0);
        QCOMPARE(w->titleText(), QStringLiteral("Diário/Razão"));
        QCOMPARE(w->subtitleText(), QString());
        QVERIFY(w->isVisible());

        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void closeButtonActsAsEscape()
    {
        auto w = make(testCatalog());
        trigger(*w, QStringLiteral("Automtico1"));
        auto *close = w->findChild<QToolButton *>(QStringLiteral("btnFechar"));
        close->click();
        QCOMPARE(openChildren(*w), 0);
        QVERIFY(w->isVisible());
        close->click();
        QVERIFY(!w->isVisible());
    }

    void sairClosesTheProgram()
    {
        auto w = make(testCatalog());
        trigger(*w, QStringLiteral("Sair2"));
        QVERIFY(!w->isVisible());
    }

    void shortcutButtonsSwap()
    {
        auto w = make(WindowCatalog::standard());
        auto *hide = w->findChild<QToolButton *>(QStringLiteral("btnOcultar"));
        auto *show = w->findChild<QToolButton *>(QStringLiteral("btnExibir"));
        QCOMPARE(hide->toolTip(), QStringLiteral("Ocultar Botões de Atalho"));
        QCOMPARE(show->toolTip(), QStringLiteral("Exibir Botões de Atalho"));
        QCOMPARE(w->findChild<QToolButton *>(QStringLiteral("btnCalculadora"))->toolTip(), QStringLiteral("Calculadora"));
        QVERIFY(hide->isVisible() && !show->isVisible());
        hide->click();
        QVERIFY(!hide->isVisible() && show->isVisible());
        QVERIFY(w->groupBar()->isVisible());
        show->click();
        QVERIFY(hide->isVisible() && !show->isVisible());
        QVERIFY(w->groupBar()->isVisible());
    }

    void titleStripAndStatusBar()
    {
        m_db->begin();
        m_db->exec(QStringLiteral("DELETE FROM CADCLI"));
        m_db->exec(QStringLiteral("INSERT INTO CADCLI (CLNT1, MEXER) VALUES (?, ?)"),
                   {QStringLiteral("CÂMARA MUNICIPAL DE ITAÚNA"), QStringLiteral("2008")});
        m_db->commit();
        auto w = make(WindowCatalog::standard());
        QCOMPARE(w->titleText(), QStringLiteral("Diário / Razão"));
        QCOMPARE(w->subtitleText(), QString());
        auto *title = w->findChild<QLabel *>(QStringLiteral("lblTitulo"));
        auto *subtitle = w->findChild<QLabel *>(QStringLiteral("lblSubtitulo"));
        QVERIFY(title->font().bold() && !title->font().italic());
        QVERIFY(subtitle->font().bold() && subtitle->font().italic());
        QVERIFY(subtitle->alignment() & Qt::AlignHCenter);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::white));

        w->FormActivate();
        auto *panel0 = w->statusBar()->findChild<QLabel *>(QStringLiteral("StatusPanel0"));
        auto *panel1 = w->statusBar()->findChild<QLabel *>(QStringLiteral("StatusPanel1"));
        auto *panel2 = w->statusBar()->findChild<QLabel *>(QStringLiteral("StatusPanel2"));
        QCOMPARE(panel0->width(), 108);
        QCOMPARE(panel0->text(), QString());
        QCOMPARE(panel1->width(), 300);
        QCOMPARE(panel1->text(), QStringLiteral("CÂMARA MUNICIPAL DE ITAÚNA"));
        QCOMPARE(panel2->text(), ApplicationSetup::makerText());
    }

    void captionIsVersionedOnceActivatedBesideTheUpdater()
    {
        QTemporaryDir dir;
        QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
        auto w = make(testCatalog());
        w->setProgramDir(dir.path());
        QCOMPARE(w->windowTitle(), QStringLiteral("DIÁRIO / RAZÃO"));
        w->FormActivate();
        QCOMPARE(w->windowTitle(), QStringLiteral("DIÁRIO / RAZÃO"));
        QFile marker(dir.filePath(QStringLiteral("VELQA8.exe")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        w->FormActivate();
        const QString versioned = w->windowTitle();
        QVERIFY(versioned.startsWith(QStringLiteral("ZOLV 8.0 - MODULO DIÁRIO/RAZÃO (Vrs. ")));

        // A maximised child lends its title to the caption only while it is open.
        trigger(*w, QStringLiteral("PlanodeContas1"));
        w->FormActivate();
        QCOMPARE(w->windowTitle(), versioned + QStringLiteral(" - [TFrmBalco]"));
        w->btnFecharClick();
        QTRY_COMPARE(w->windowTitle(), versioned);
    }

    void timerIsOffAtStartAndHandsTheAllMonthsRunToTheEventLoop()
    {
        WindowCatalog catalog = testCatalog();
        QWidget *runWindow = nullptr;
        bool timerStopped = false;
        int indicatorDuringRun = -1;
        TFrmPrincipalVelqa8 *main = nullptr;
        catalog.setAllMonthsRun([&](QWidget *window, WindowContext &c) {
            runWindow = window;
            timerStopped = !c.main.timer1()->isActive();
            indicatorDuringRun = c.main.allMonthsIndicator();
            QCOMPARE(main->activeChild(), window);
        });
        auto w = make(catalog);
        main = w.get();
        QVERIFY(!w->timer1()->isActive());
        QCOMPARE(w->timer1()->interval(), 500);
        QCOMPARE(w->allMonthsIndicator(), 0);

        // A plain opening of the monthly window does not run all months.
        trigger(*w, QStringLiteral("LanamentoRotina2"));
        QVERIFY(!runWindow);

        w->requestAllMonths();
        QCOMPARE(w->allMonthsIndicator(), 1);
        QVERIFY(w->timer1()->isActive());
        QVERIFY(!runWindow);
        QTRY_VERIFY(runWindow);
        QCOMPARE(runWindow->objectName(), QStringLiteral("TFrmlancRotina"));
        QVERIFY(timerStopped);
        QCOMPARE(indicatorDuringRun, 1);
        QCOMPARE(w->allMonthsIndicator(), 0);
        QVERIFY(!w->timer1()->isActive());
    }

    void aFailedAllMonthsRunIsShownAndEndsTheRequest()
    {
        WindowCatalog catalog = testCatalog();
        catalog.setAllMonthsRun([](QWidget *, WindowContext &) { throw std::runtime_error("Mês sem dados"); });
        auto w = make(catalog);
        w->requestAllMonths();
        QTRY_COMPARE(w->allMonthsIndicator(), 0);
        QCOMPARE(m_ui.said.size(), 1);
        QCOMPARE(m_ui.said[0].text, QStringLiteral("Mês sem dados"));
        QCOMPARE(m_ui.said[0].caption, QStringLiteral("Diário/Razão"));
        QCOMPARE(m_ui.said[0].icon, Interaction::Icon::Error);
    }

    void anAllMonthsRequestWithoutTheMonthlyWindowEndsQuietly()
    {
        WindowCatalog catalog = WindowCatalog::standard();
        catalog.setFactory(WindowCatalog::monthlyEntry(), {});
        auto w = make(catalog);
        w->requestAllMonths();
        QTRY_COMPARE(w->allMonthsIndicator(), 0);
        QVERIFY(!w->timer1()->isActive());
        QVERIFY(m_ui.said.isEmpty());
    }

    void calculatorMissingIsTold()
    {
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", empty.path().toLocal8Bit());
        auto w = make(WindowCatalog::standard());
        w->findChild<QToolButton *>(QStringLiteral("btnCalculadora"))->click();
        qputenv("PATH", path);
        QCOMPARE(m_ui.said.size(), 1);
        QCOMPARE(m_ui.said[0].caption, QStringLiteral("Atenção"));
        QCOMPARE(m_ui.said[0].text, QStringLiteral("Nenhuma calculadora foi encontrada neste computador. "
                                                   "Instale uma destas: gnome-calculator, kcalc, galculator ou xcalc."));
        QCOMPARE(m_ui.said[0].icon, Interaction::Icon::Warning);
    }

    void qtSpeaksBrazilianPortuguese()
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Atenção"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Sim"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Não"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
        QCOMPARE(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1.234,50"));
        QCOMPARE(QLocale().toString(QDate(2008, 3, 15), QLocale::ShortFormat), QStringLiteral("15/03/2008"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
