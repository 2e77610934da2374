#include "app/ui/TFrmPrincipalVelqa8.h"

#include "app/ApplicationSetup.h"
#include "app/DesktopCalculator.h"
#include "app/EntityName.h"
#include "app/GeneralError.h"
#include "app/MainCaption.h"
#include "app/ui/GroupBar.h"
#include "data/CommonRoutines.h"
#include "data/DbError.h"
#include "data/Interaction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace {

const QColor Teal(0, 128, 128);

QString initialTitle()
{
    return QStringLiteral("Diário / Razão");
}

QString resetTitle()
{
    return QStringLiteral("Diário/Razão");
}

QIcon calculatorIcon()
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.5, 1.5, 13, 17), 2, 2);
    p.fillRect(QRectF(6, 4, 8, 3.5), Qt::white);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.fillRect(QRectF(6 + col * 3, 9.5 + row * 2.7, 2, 1.8), Qt::white);
    return QIcon(pixmap);
}

QToolButton *stripButton(QWidget *parent, const QString &objectName, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFixedSize(30, 30);
    b->setIconSize(QSize(20, 20));
    QFont f = b->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    b->setFont(f);
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, Qt::white);
    b->setPalette(pal);
    return b;
}

QLabel *whiteLabel(QWidget *parent, const QString &objectName, bool italic, int extraPoints)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    QFont f = label->font();
    f.setBold(true);
    f.setItalic(italic);
    f.setPointSize(f.pointSize() + extraPoints);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    return label;
}

void addMenuItems(QWidget *menu, const std::vector<MenuItem> &items);

QAction *addMenuItem(QWidget *container, const MenuItem &item)
{
    if (item.caption == u"-") {
        auto *menu = static_cast<QMenu *>(container);
        QAction *separator = menu->addSeparator();
        separator->setObjectName(item.objectName);
        return separator;
    }
    if (item.items.empty()) {
        auto *action = new QAction(item.caption, container);
        action->setObjectName(item.objectName);
        container->addAction(action);
        return action;
    }
    auto *sub = new QMenu(item.caption, container);
    sub->setObjectName(item.objectName);
    sub->menuAction()->setObjectName(item.objectName);
    addMenuItems(sub, item.items);
    container->addAction(sub->menuAction());
    return sub->menuAction();
}

void addMenuItems(QWidget *menu, const std::vector<MenuItem> &items)
{
    for (const MenuItem &item : items)
        addMenuItem(menu, item);
}

} // namespace

TFrmPrincipalVelqa8::TFrmPrincipalVelqa8(Database &db, Interaction &ui, WindowCatalog catalog, QWidget *parent)
    : QMainWindow(parent), m_db(db), m_ui(ui), m_catalog(std::move(catalog)),
      m_programDir(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("FrmPrincipalVelqa8"));
    setWindowTitle(MainCaption::initial());
    setWindowState(Qt::WindowMaximized);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildTitleStrip());
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    m_groupBar = new GroupBar(central);
    row->addWidget(m_groupBar);
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(210, 222, 222));
    row->addWidget(m_mdi, 1);
    column->addLayout(row, 1);
    setCentralWidget(central);

    buildMenus();
    buildGroupBar();
    buildStatusBar();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &TFrmPrincipalVelqa8::Timer1Timer);

    wireEntries();
}

TFrmPrincipalVelqa8::~TFrmPrincipalVelqa8() = default;

void TFrmPrincipalVelqa8::buildMenus()
{
    addMenuItems(menuBar(), WindowCatalog::mainMenu());
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItems(m_popup, WindowCatalog::popupMenu());
    for (const char *sair : {"Sair1", "Sair2"})
        connect(findChild<QAction *>(QLatin1String(sair)), &QAction::triggered, this, &QWidget::close);
}

QWidget *TFrmPrincipalVelqa8::buildTitleStrip()
{
    auto *strip = new QFrame;
    strip->setObjectName(QStringLiteral("pnlTitulo"));
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, Teal);
    strip->setPalette(pal);
    strip->setFixedHeight(44);

    m_hideButton = stripButton(strip, QStringLiteral("btnOcultar"), QStringLiteral("Ocultar Botões de Atalho"));
    m_hideButton->setText(QStringLiteral("«"));
    m_showButton = stripButton(strip, QStringLiteral("btnExibir"), QStringLiteral("Exibir Botões de Atalho"));
    m_showButton->setText(QStringLiteral("»"));
    m_showButton->hide();
    auto *calculator = stripButton(strip, QStringLiteral("btnCalculadora"), QStringLiteral("Calculadora"));
    calculator->setIcon(calculatorIcon());
    auto *close = stripButton(strip, QStringLiteral("btnFechar"), QStringLiteral("Fechar"));
    close->setText(QStringLiteral("✕"));

    m_title = whiteLabel(strip, QStringLiteral("lblTitulo"), false, 5);
    m_title->setText(initialTitle());
    m_subtitle = whiteLabel(strip, QStringLiteral("lblSubtitulo"), true, 3);
    m_subtitle->setAlignment(Qt::AlignCenter);

    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(m_hideButton);
    layout->addWidget(m_showButton);
    layout->addWidget(calculator);
    layout->addSpacing(10);
    layout->addWidget(m_title);
    layout->addWidget(m_subtitle, 1);
    layout->addWidget(close);

    connect(m_hideButton, &QToolButton::clicked, this, &TFrmPrincipalVelqa8::btnOcultarClick);
    connect(m_showButton, &QToolButton::clicked, this, &TFrmPrincipalVelqa8::btnExibirClick);
    connect(calculator, &QToolButton::clicked, this, &TFrmPrincipalVelqa8::btnCalculadoraClick);
    connect(close, &QToolButton::clicked, this, &TFrmPrincipalVelqa8::btnFecharClick);
    return strip;
}

void TFrmPrincipalVelqa8::buildGroupBar()
{
    for (const Group &group : WindowCatalog::groupBar()) {
        const int index = m_groupBar->addGroup(group.objectName, group.caption);
        for (const GroupButton &button : group.buttons)
            m_groupBar->addButton(index, button.objectName, button.caption);
    }
}

void TFrmPrincipalVelqa8::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    auto panel = [bar](const QString &name, int width) {
        auto *label = new QLabel(bar);
        label->setObjectName(name);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (width > 0)
            label->setFixedWidth(width);
        bar->addWidget(label, width > 0 ? 0 : 1);
        return label;
    };
    panel(QStringLiteral("StatusPanel0"), 108)->setAlignment(Qt::AlignCenter);
    m_entityPanel = panel(QStringLiteral("StatusPanel1"), 300);
    panel(QStringLiteral("StatusPanel2"), 0)->setText(ApplicationSetup::makerText());
}

void TFrmPrincipalVelqa8::wireEntries()
{
    for (const WindowEntry &entry : m_catalog.entries()) {
        const bool available = bool(entry.factory);
        const QString key = entry.key;
        for (const QString &name : {entry.key, entry.popupItem}) {
            if (name.isEmpty())
                continue;
            auto *action = findChild<QAction *>(name);
            action->setEnabled(available);
            connect(action, &QAction::triggered, this, [this, key] { openEntry(key); });
        }
        if (!entry.groupButton.isEmpty()) {
            auto *button = findChild<QToolButton *>(entry.groupButton);
            button->setEnabled(available);
            connect(button, &QToolButton::clicked, this, [this, key] { openEntry(key); });
        }
    }
}

void TFrmPrincipalVelqa8::openEntry(const QString &key)
{
    const bool allMonths = key == WindowCatalog::monthlyEntry() && allMonthsIndicator() == 1;
    auto endRun = qScopeGuard([this, allMonths] {
        if (allMonths)
            setAllMonthsIndicator(0);
    });
    if (allMonths)
        m_timer->stop();
    const WindowEntry *entry = m_catalog.find(key);
    if (!entry || !entry->factory)
        return;
    WindowContext context{m_db, m_ui, *this, entry->mode};
    try {
        if (entry->kind == WindowEntry::Kind::Modal) {
            runModal(*entry, context);
            return;
        }
        QWidget *window = openChild(*entry, context);
        if (window && allMonths && m_catalog.allMonthsRun())
            m_catalog.allMonthsRun()(window, context);
    } catch (const std::exception &e) {
        m_ui.message(GeneralError::text(e), GeneralError::caption(), Interaction::Icon::Error);
    }
}

QWidget *TFrmPrincipalVelqa8::openChild(const WindowEntry &entry, WindowContext &context)
{
    if (!closeChild())
        return nullptr;
    m_groupBar->openGroup(entry.group);
    setLabels(entry.title, entry.subtitle);
    setUpdatesEnabled(false);
    auto resume = qScopeGuard([this] { setUpdatesEnabled(true); });
    QWidget *window = entry.factory(context);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *sub = m_mdi->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A window that closes itself takes its frame with it. Queued: the frame may
    // itself be what is deleting the window.
    connect(window, &QObject::destroyed, sub,
            [sub] { QMetaObject::invokeMethod(sub, &QWidget::close, Qt::QueuedConnection); });
    sub->showMaximized();
    m_child = sub;
    return window;
}

void TFrmPrincipalVelqa8::runModal(const WindowEntry &entry, WindowContext &context)
{
    if (entry.setsLabels) {
        m_groupBar->openGroup(entry.group);
        setLabels(entry.title, entry.subtitle);
    }
    std::unique_ptr<QWidget> window(entry.factory(context));
    auto *dialog = qobject_cast<QDialog *>(window.get());
    if (!dialog)
        throw std::logic_error("A modal entry must open a QDialog.");
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->exec();
}

bool TFrmPrincipalVelqa8::closeChild()
{
    if (!m_child || !m_child->isVisible())
        return true;
    QMdiSubWindow *sub = m_child;
    if (!sub->close())
        return false;
    // The frame is deleted later; it must not count as open meanwhile.
    m_child = nullptr;
    return true;
}

QWidget *TFrmPrincipalVelqa8::activeChild() const
{
    return m_child && m_child->isVisible() ? m_child->widget() : nullptr;
}

void TFrmPrincipalVelqa8::setLabels(const QString &title, const QString &subtitle)
{
    m_title->setText(title);
    m_subtitle->setText(subtitle);
}

QString TFrmPrincipalVelqa8::titleText() const
{
    return m_title->text();
}

QString TFrmPrincipalVelqa8::subtitleText() const
{
    return m_subtitle->text();
}

int TFrmPrincipalVelqa8::allMonthsIndicator() const
{
    return findChild<QAction *>(WindowCatalog::monthlyEntry())->property("tag").toInt();
}

void TFrmPrincipalVelqa8::setAllMonthsIndicator(int value)
{
    findChild<QAction *>(WindowCatalog::monthlyEntry())->setProperty("tag", value);
}

void TFrmPrincipalVelqa8::requestAllMonths()
{
    setAllMonthsIndicator(1);
    m_timer->start();
}

void TFrmPrincipalVelqa8::Timer1Timer()
{
    m_timer->stop();
    openEntry(WindowCatalog::monthlyEntry());
}

void TFrmPrincipalVelqa8::btnFecharClick()
{
    CommonRoutines::fecha_sessoes();
    if (m_child && m_child->isVisible()) {
        if (closeChild())
            setLabels(resetTitle(), QString());
        return;
    }
    close();
}

void TFrmPrincipalVelqa8::btnCalculadoraClick()
{
    if (DesktopCalculator().open() == DesktopCalculator::Outcome::NoneInstalled)
        m_ui.message(DesktopCalculator::noneInstalledMessage(), DesktopCalculator::noneInstalledCaption(),
                     Interaction::Icon::Warning);
}

void TFrmPrincipalVelqa8::btnOcultarClick()
{
    m_hideButton->hide();
    m_showButton->show();
}

void TFrmPrincipalVelqa8::btnExibirClick()
{
    m_showButton->hide();
    m_hideButton->show();
}

void TFrmPrincipalVelqa8::FormActivate()
{
    update();
    const QString caption = MainCaption::versioned(m_programDir);
    if (!caption.isEmpty())
        setWindowTitle(caption);
    // Activation comes back after every box; a failure here would only repeat.
    try {
        m_entityPanel->setText(EntityName::read(m_db));
    } catch (const DbError &) {
        m_entityPanel->clear();
    }
}

void TFrmPrincipalVelqa8::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

bool TFrmPrincipalVelqa8::focusInsideChild() const
{
    // The window's own focus widget: the application's is null while another window is active.
    for (const QWidget *w = focusWidget(); w; w = w->parentWidget())
        if (qobject_cast<const QMdiSubWindow *>(w))
            return true;
    return false;
}

void TFrmPrincipalVelqa8::keyPressEvent(QKeyEvent *event)
{
    // Escape inside a child window belongs to that window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !focusInsideChild()) {
        btnFecharClick();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TFrmPrincipalVelqa8::contextMenuEvent(QContextMenuEvent *event)
{
    m_popup->popup(event->globalPos());
}

void TFrmPrincipalVelqa8::closeEvent(QCloseEvent *event)
{
    // A child that keeps unsaved work may refuse to close; the program then stays.
    if (!closeChild()) {
        event->ignore();
        return;
    }
    event->accept();
}
