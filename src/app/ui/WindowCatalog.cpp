#include "app/ui/WindowCatalog.h"

#include "app/StartupOptions.h"
#include "app/ui/TFrmPrincipalVelqa8.h"
#include "data/ZolvConfig.h"
#include "reports/ui/TFrmRazao.h"
#include "reports/ui/TFrmrazaoSistema.h"
#include "reports/ui/TfrmParamImp.h"
#include "reports/ui/Tfrmrelatorio.h"
#include "routine/ui/TFrmlancRotina.h"
#include "yearend/ui/TFrmInicialDiario.h"
#include "maintenance/ui/Tfrmmanu.h"
#include "maintenance/ui/Tfrmmanutencao.h"
#include "master/ui/TFrmPesquisaVinculo.h"
#include "master/ui/Tfrmlocalizabalco.h"
#include "master/ui/Tfrmlocalizacondia.h"
#include "master/ui/Tfrmorganizando.h"
#include "master/ui/Tfrmpesq.h"
#include "reports/ui/TFrmRazao.h"
#include "reports/ui/TFrmrazaoSistema.h"
#include "reports/ui/TfrmParamImp.h"
#include "reports/ui/Tfrmrelatorio.h"

#include <QCoreApplication>
#include <QHash>

// The names in this file are the main window's objectNames; tests and other
// windows find the items by them, so they do not change. Besides the menus and
// the group bar below, the main window (FrmPrincipalVelqa8) has:
//   pnlTitulo       the teal title strip, holding
//     btnOcultar    "Ocultar Botões de Atalho"    btnExibir  "Exibir Botões de Atalho"
//     btnCalculadora "Calculadora"                 btnFechar  the close button
//     lblTitulo     the title label               lblSubtitulo the subtitle label
//   GroupBar1       the group bar; a group's header is its page's name + "_header"
//   mdiArea         where the child windows open
//   StatusBar1      with the panels StatusPanel0 (empty), StatusPanel1 (entity), StatusPanel2 (maker)
//   PopupMenu1      the pop-up menu
//   Timer1          the all-months timer; the all-months indicator is the property
//                   "tag" of the menu item LanamentoRotina2
//
// Adding a window: put one line in windowFactories() below, keyed by its entry
// (the objectName of the main menu item), e.g. the key "PlanodeContas1" with a
// lambda that takes the WindowContext and returns `new TFrmBalco(...)`. The menu
// item, the pop-up item and the group bar button of that entry are enabled from
// then on, and --shots takes its picture. A window opened from another window (a
// look-up, an editor) goes in extraWindows() so that --shots shows it as well.

namespace {

const QString Blanks8 = QString(8, u' ');
const QString Blanks11 = QString(11, u' ');
const QString Blanks23 = QString(23, u' ');

using Kind = WindowEntry::Kind;

WindowEntry child(QString key, QString popup, QString button, QString group, QString title, QString subtitle,
                  QString className)
{
    WindowEntry e;
    e.key = std::move(key);
    e.kind = Kind::Child;
    e.popupItem = std::move(popup);
    e.groupButton = std::move(button);
    e.group = std::move(group);
    e.setsLabels = true;
    e.title = std::move(title);
    e.subtitle = std::move(subtitle);
    e.className = std::move(className);
    return e;
}

// A printing dialog: it leaves the group bar and the labels as they are.
WindowEntry printing(QString key, QString popup, QString className, QString mode = {})
{
    WindowEntry e;
    e.key = std::move(key);
    e.kind = Kind::Modal;
    e.popupItem = std::move(popup);
    e.className = std::move(className);
    e.mode = std::move(mode);
    return e;
}

QList<WindowEntry> entryTable()
{
    const QString cadastro = QStringLiteral("Cadastro");
    const QString inicial = QStringLiteral("Lanç. Inicial");
    const QString rotina = QStringLiteral("Lanç Rotina");
    const QString final = QStringLiteral("Lanç. Final");
    const QString manutencao = Blanks8 + QStringLiteral("Manutenção");

    WindowEntry incorporation = child(QStringLiteral("IncorporaPatrimnio1"), {}, QStringLiteral("btnIncPatrimonio"),
                                      rotina, QStringLiteral("Incorporar do Patrimônio"), {},
                                      QStringLiteral("TFrmIncorporacao"));
    incorporation.kind = Kind::Modal;

    return {
        child(QStringLiteral("PlanodeContas1"), QStringLiteral("PlanodeContas2"), QStringLiteral("btnPlanoContas"),
              cadastro, QStringLiteral("Plano de Contas"), manutencao, QStringLiteral("TFrmBalco")),
        child(QStringLiteral("HistricoPadro1"), QStringLiteral("HistricoPadro2"), QStringLiteral("btnHistPadrao"),
              cadastro, QStringLiteral("Histórico Padrão"), manutencao, QStringLiteral("Tfrmcadhist")),
        child(QStringLiteral("Automtico1"), {}, QStringLiteral("btnAutomatico"), inicial,
              QStringLiteral("Lançamentos Anuais Iniciais."), {}, QStringLiteral("TFrmInicialDiario")),
        child(QStringLiteral("Manual1"), {}, QStringLiteral("btnManutInicial"), inicial,
              QStringLiteral("Lançamentos Anuais Iniciais Manutenção."), {}, QStringLiteral("Tfrminicialmanual")),
        child(QStringLiteral("LanamentoRotina2"), {}, QStringLiteral("btnLancMensais"), rotina,
              QStringLiteral("Lançamentos Mensais"), {}, QStringLiteral("TFrmlancRotina")),
        child(QStringLiteral("Manuteno1"), {}, QStringLiteral("btnManutRotina"), rotina,
              QStringLiteral("Manutenção do Diário"), Blanks11, QStringLiteral("Tfrmmanutencao")),
        child(QStringLiteral("LanarManual1"), {}, QStringLiteral("btnLancManual"), rotina,
              QStringLiteral("Lançamento Manual"), Blanks23 + QStringLiteral("Efetuar Lançamento"),
              QStringLiteral("TFRMAUTOMATICO")),
        incorporation,
        child(QStringLiteral("Final1"), {}, QStringLiteral("btnLancFinal"), final, QStringLiteral("Lançamentos Finais."),
              {}, QStringLiteral("TFRMFINAL")),
        child(QStringLiteral("Checagem1"), {}, QStringLiteral("btnChecagem"), final, QStringLiteral("Checagem do Diário"),
              {}, QStringLiteral("TfrmChecagem")),
        printing(QStringLiteral("PorPeriodo1"), QStringLiteral("PorPeriodo2"), QStringLiteral("Tfrmrelatorio"),
                 QStringLiteral("RASCUNHO PERIODO")),
        printing(QStringLiteral("PorRegistro1"), QStringLiteral("PorRegistro2"), QStringLiteral("Tfrmrelatorio"),
                 QStringLiteral("RASCUNHO REGISTRO")),
        printing(QStringLiteral("Dirio1"), QStringLiteral("Dirio2"), QStringLiteral("Tfrmrelatorio"),
                 QStringLiteral("DIARIO")),
        printing(QStringLiteral("Razo1"), QStringLiteral("Razo2"), QStringLiteral("TFrmRazao")),
        printing(QStringLiteral("RazoporSistema1"), QStringLiteral("RazoporSistema2"), QStringLiteral("TFrmrazaoSistema")),
        printing(QStringLiteral("Impresso2"), {}, QStringLiteral("TfrmParamImp")),
    };
}

// How each window is made: one line per window, keyed by its entry. An entry
// without a line stays disabled.
const QHash<QString, WindowFactory> &windowFactories()
{
    const auto journal = [](WindowContext &c) -> QWidget * { return new Tfrmrelatorio(c.db, c.mode, &c.main); };
    static const QHash<QString, WindowFactory> table = {
        {QStringLiteral("PorPeriodo1"), journal},
        {QStringLiteral("PorRegistro1"), journal},
        {QStringLiteral("Dirio1"), journal},
        {QStringLiteral("Razo1"), [](WindowContext &c) -> QWidget * { return new TFrmRazao(c.db, &c.main); }},
        {QStringLiteral("RazoporSistema1"), [](WindowContext &c) -> QWidget * { return new TFrmrazaoSistema(c.db, &c.main); }},
        {QStringLiteral("Impresso2"), [](WindowContext &c) -> QWidget * { return new TfrmParamImp(PrintParameters::defaultPath(), &c.main); }},
        {QStringLiteral("LanamentoRotina2"),
         [](WindowContext &c) -> QWidget * {
             auto *w = new TFrmlancRotina(c.db, c.ui);
             QObject::connect(w, &TFrmlancRotina::allMonthsRequested, &c.main, &TFrmPrincipalVelqa8::requestAllMonths);
             return w;
         }},
        {QStringLiteral("Automtico1"),
         [](WindowContext &c) -> QWidget * {
             return new TFrmInicialDiario(
                 c.db, StartupOptions::parse(QCoreApplication::arguments().mid(1), ZolvConfig::defaultPath()).iniPath, c.ui);
         }},
        {QStringLiteral("Manuteno1"), [](WindowContext &c) -> QWidget * { return new Tfrmmanutencao(c.db, c.ui, &c.main); }},
    };
    return table;
}

// Windows opened from other windows, for --shots: one line per window.
QList<ExtraWindow> extraWindowTable()
{
    return {
        {QStringLiteral("Tfrmlocalizabalco"), [](WindowContext &c) { return new Tfrmlocalizabalco(c.db, c.ui, &c.main); }},
        {QStringLiteral("Tfrmlocalizacondia"), [](WindowContext &c) { return new Tfrmlocalizacondia(c.db, c.ui, &c.main); }},
        {QStringLiteral("Tfrmpesq"), [](WindowContext &c) { return new Tfrmpesq(c.db, c.ui, &c.main); }},
        {QStringLiteral("TFrmPesquisaVinculo"), [](WindowContext &c) { return new TFrmPesquisaVinculo(c.db, c.ui, &c.main); }},
        {QStringLiteral("Tfrmorganizando"), [](WindowContext &c) { return new Tfrmorganizando(&c.main); }},
        {QStringLiteral("Tfrmmanu"),
         [](WindowContext &c) { return new Tfrmmanu(c.db, c.ui, nullptr, EntryEditor::Mode::Inclusao, JournalRow{}, &c.main); }},
    };
}

// The loop over the months, once the monthly posting window exists.
AllMonthsRun allMonthsLoop()
{
    return [](QWidget *window, WindowContext &) {
        if (auto *monthly = qobject_cast<TFrmlancRotina *>(window))
            monthly->runAllMonths();
    };
}

} // namespace

const std::vector<MenuItem> &WindowCatalog::mainMenu()
{
    static const std::vector<MenuItem> menu = {
        {QStringLiteral("PlanodeContas1"), QStringLiteral("&Plano de Contas "), {}},
        {QStringLiteral("HistricoPadro1"), QStringLiteral("&Histórico Padrão  "), {}},
        {QStringLiteral("LanamentoInicial1"),
         QStringLiteral("Lançamento I&nicial    "),
         {{QStringLiteral("Automtico1"), QStringLiteral("Automático ( Lançamentos Iniciais )"), {}},
          {QStringLiteral("Manual1"), QStringLiteral("Manual  ( Manutenção de Lanc. Iniciais )"), {}}}},
        {QStringLiteral("LanamentoRotina1"),
         QStringLiteral("Lançamento &Rotina    "),
         {{QStringLiteral("LanamentoRotina2"), QStringLiteral("Lançamentos Mensais"), {}},
          {QStringLiteral("Manuteno1"), QStringLiteral("Manutenção"), {}},
          {QStringLiteral("LanarManual1"), QStringLiteral("Lançar Manual"), {}},
          {QStringLiteral("IncorporaPatrimnio1"), QStringLiteral("Incorpora Patrimônio"), {}}}},
        {QStringLiteral("LanamentoFinal1"),
         QStringLiteral("Lançamento &Final    "),
         {{QStringLiteral("Final1"), QStringLiteral("Final"), {}},
          {QStringLiteral("Checagem1"), QStringLiteral("Checagem"), {}}}},
        {QStringLiteral("Impresso1"),
         QStringLiteral("I&mpressão     "),
         {{QStringLiteral("Rascunho1"),
           QStringLiteral("Rascunho"),
           {{QStringLiteral("PorPeriodo1"), QStringLiteral("Por Periodo"), {}},
            {QStringLiteral("PorRegistro1"), QStringLiteral("Por Registro"), {}}}},
          {QStringLiteral("Dirio1"), QStringLiteral("Diário"), {}},
          {QStringLiteral("Razo1"), QStringLiteral("Razão"), {}},
          {QStringLiteral("RazoporSistema1"), QStringLiteral("Razão por Sistema"), {}},
          {QStringLiteral("Impresso2"), QStringLiteral("&Impressão"), {}}}},
        {QStringLiteral("Sair1"), QStringLiteral("&Sair  "), {}},
        {QStringLiteral("Ajuda1"), QStringLiteral("?"), {}},
    };
    return menu;
}

// The items under "Lançamento Inicial", "Lançamento Rotina" and "Lançamento
// Final" have never done anything from here; they stay as they are.
const std::vector<MenuItem> &WindowCatalog::popupMenu()
{
    static const std::vector<MenuItem> menu = {
        {QStringLiteral("PlanodeContas2"), QStringLiteral("Plano de Contas"), {}},
        {QStringLiteral("HistricoPadro2"), QStringLiteral("Histórico Padrão"), {}},
        {QStringLiteral("LanamentoInicial2"),
         QStringLiteral("Lançamento Inicial"),
         {{QStringLiteral("Automtico2"), QStringLiteral("Automático ( Lançamentos Iniciais )"), {}},
          {QStringLiteral("Manual2"), QStringLiteral("Manual  ( Manutenção de Lanc. Iniciais )"), {}}}},
        {QStringLiteral("LanamentoRotina3"),
         QStringLiteral("Lançamento Rotina"),
         {{QStringLiteral("EfetuarLanamento1"), QStringLiteral("Efetuar Lançamento"), {}},
          {QStringLiteral("Manuteno2"), QStringLiteral("Manutenção"), {}},
          {QStringLiteral("LanarAutomtico1"), QStringLiteral("Lançar Automático"), {}},
          {QStringLiteral("IncorporaPatrimnio2"), QStringLiteral("Incorpora Patrimônio"), {}}}},
        {QStringLiteral("LanamentoFinal2"),
         QStringLiteral("Lançamento Final"),
         {{QStringLiteral("Final2"), QStringLiteral("Final"), {}},
          {QStringLiteral("Checagem2"), QStringLiteral("Checagem"), {}}}},
        {QStringLiteral("Impresso3"),
         QStringLiteral("Impressão"),
         {{QStringLiteral("Rascunho2"),
           QStringLiteral("Rascunho"),
           {{QStringLiteral("PorPeriodo2"), QStringLiteral("Por Periodo"), {}},
            {QStringLiteral("PorRegistro2"), QStringLiteral("Por Registro"), {}}}},
          {QStringLiteral("Dirio2"), QStringLiteral("Diário"), {}},
          {QStringLiteral("Razo2"), QStringLiteral("Razão"), {}},
          {QStringLiteral("RazoporSistema2"), QStringLiteral("Razão por Sistema"), {}}}},
        {QStringLiteral("N1"), QStringLiteral("-"), {}},
        {QStringLiteral("Sair2"), QStringLiteral("Sair"), {}},
        {QStringLiteral("N2"), QStringLiteral("-"), {}},
    };
    return menu;
}

const std::vector<Group> &WindowCatalog::groupBar()
{
    static const std::vector<Group> groups = {
        {QStringLiteral("grpCadastro"),
         QStringLiteral("Cadastro"),
         {{QStringLiteral("btnPlanoContas"), QStringLiteral("Plano Contas")},
          {QStringLiteral("btnHistPadrao"), QStringLiteral("Hist. Padrão")}}},
        {QStringLiteral("grpLancInicial"),
         QStringLiteral("Lanç. Inicial"),
         {{QStringLiteral("btnAutomatico"), QStringLiteral("Automático")},
          {QStringLiteral("btnManutInicial"), QStringLiteral("Manutenção")}}},
        {QStringLiteral("grpLancRotina"),
         QStringLiteral("Lanç Rotina"),
         {{QStringLiteral("btnLancMensais"), QStringLiteral("Lanç. Mensais")},
          {QStringLiteral("btnManutRotina"), QStringLiteral("Manutenção")},
          {QStringLiteral("btnLancManual"), QStringLiteral("Lanç. Manual")},
          {QStringLiteral("btnIncPatrimonio"), QStringLiteral("Inc. Patrimônio")}}},
        {QStringLiteral("grpLancFinal"),
         QStringLiteral("Lanç. Final"),
         {{QStringLiteral("btnLancFinal"), QStringLiteral("Lanç. Final")},
          {QStringLiteral("btnChecagem"), QStringLiteral("Checagem")}}},
    };
    return groups;
}

WindowCatalog WindowCatalog::standard()
{
    WindowCatalog catalog;
    catalog.m_entries = entryTable();
    const auto &factories = windowFactories();
    for (WindowEntry &e : catalog.m_entries)
        e.factory = factories.value(e.key);
    catalog.m_extra = extraWindowTable();
    catalog.m_allMonthsRun = allMonthsLoop();
    return catalog;
}

const WindowEntry *WindowCatalog::find(const QString &key) const
{
    for (const WindowEntry &e : m_entries)
        if (e.key == key)
            return &e;
    return nullptr;
}

void WindowCatalog::setFactory(const QString &key, WindowFactory factory)
{
    for (WindowEntry &e : m_entries)
        if (e.key == key)
            e.factory = std::move(factory);
}

QString WindowCatalog::monthlyEntry()
{
    return QStringLiteral("LanamentoRotina2");
}
