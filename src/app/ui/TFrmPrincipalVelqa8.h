#pragma once

#include "app/ui/WindowCatalog.h"

#include <QMainWindow>
#include <QPointer>

class GroupBar;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolButton;

// The program's frame. Every function is reached from its menu, its pop-up menu
// or its group bar, each entry tied to a window through the WindowCatalog.
// Working windows open as maximised MDI children, one at a time: opening one
// closes the current one. Dialogs are modal and leave the child open.
//
// The all-months monthly run: the monthly posting window, asked for "TODOS",
// calls requestAllMonths() (through a signal its catalog line connects) and
// closes itself. requestAllMonths() sets the indicator (the property "tag" of
// the menu item LanamentoRotina2) to 1 and starts Timer1; 500 ms later, with the
// monthly window gone, Timer1Timer() opens the monthly entry again, and while the
// indicator is 1 that entry hands the new window to the catalog's AllMonthsRun,
// which posts the months. The indicator returns to 0 whatever happens.
class TFrmPrincipalVelqa8 : public QMainWindow {
    Q_OBJECT
public:
    TFrmPrincipalVelqa8(Database &db, Interaction &ui, WindowCatalog catalog, QWidget *parent = nullptr);
    ~TFrmPrincipalVelqa8() override;

    // Opens the entry's window as the catalog says; an entry without a window does nothing.
    void openEntry(const QString &key);
    // The window inside the open MDI child, or null.
    QWidget *activeChild() const;
    const WindowCatalog &catalog() const { return m_catalog; }
    Database &database() const { return m_db; }
    Interaction &interaction() const { return m_ui; }
    QMdiArea *mdiArea() const { return m_mdi; }
    GroupBar *groupBar() const { return m_groupBar; }
    QMenu *popupMenu() const { return m_popup; }
    QString titleText() const;
    QString subtitleText() const;

    int allMonthsIndicator() const;
    QTimer *timer1() const { return m_timer; }
    // Where the caption rule looks for "VELQA8.exe" (the program's directory unless set).
    void setProgramDir(const QString &dir) { m_programDir = dir; }

public slots:
    void requestAllMonths();
    // The close button and Escape: closes the child window, or the program when there is none.
    void btnFecharClick();
    void btnCalculadoraClick();
    void btnOcultarClick();
    void btnExibirClick();
    // Every time the window becomes the active window.
    void FormActivate();
    void Timer1Timer();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QWidget *buildTitleStrip();
    void buildGroupBar();
    void buildStatusBar();
    void wireEntries();
    QWidget *openChild(const WindowEntry &entry, WindowContext &context);
    void runModal(const WindowEntry &entry, WindowContext &context);
    bool closeChild();
    void setLabels(const QString &title, const QString &subtitle);
    void setAllMonthsIndicator(int value);
    bool focusInsideChild() const;

    Database &m_db;
    Interaction &m_ui;
    WindowCatalog m_catalog;
    QString m_programDir;
    QMdiArea *m_mdi = nullptr;
    GroupBar *m_groupBar = nullptr;
    QMenu *m_popup = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_entityPanel = nullptr;
    QToolButton *m_hideButton = nullptr;
    QToolButton *m_showButton = nullptr;
    QTimer *m_timer = nullptr;
    QPointer<QMdiSubWindow> m_child;
};
