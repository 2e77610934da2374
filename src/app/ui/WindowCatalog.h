#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <vector>

class Database;
class Interaction;
class QWidget;
class TFrmPrincipalVelqa8;

// What a window's factory may use: the shared connection, the user, the main
// window (to connect its signals, e.g. the monthly window's request for the
// all-months run) and the entry's printing mode.
struct WindowContext {
    Database &db;
    Interaction &ui;
    TFrmPrincipalVelqa8 &main;
    QString mode;
};

// Makes the window of an entry, with the main window as parent. A child entry's
// window is any QWidget (the main window puts it in a maximised MDI sub-window);
// a modal entry's window must be a QDialog (shown with exec and destroyed after).
using WindowFactory = std::function<QWidget *(WindowContext &)>;

// The loop of the all-months monthly run. The main window calls it with the
// monthly window it has just opened (shown and maximised) and the Timer1 already
// stopped; when it returns or throws, the indicator goes back to 0 (an exception
// is shown as the general error).
using AllMonthsRun = std::function<void(QWidget *monthlyWindow, WindowContext &)>;

// One entry of the main window: its main menu item, and the pop-up item and
// group bar button that do the same.
struct WindowEntry {
    enum class Kind { Child, Modal };

    QString key;         // objectName of the main menu item; names the entry
    Kind kind = Kind::Child;
    QString popupItem;   // objectName of the pop-up item that acts the same, or empty
    QString groupButton; // objectName of the group bar button, or empty
    QString group;       // caption of the group opened first, or empty
    bool setsLabels = false;
    QString title;       // title label (when setsLabels)
    QString subtitle;    // subtitle label (when setsLabels)
    QString className;   // the window's class, after which --shots names its picture
    QString mode;        // the journal printing mode handed to the window, or empty
    WindowFactory factory; // empty while the window does not exist: the entry is disabled
};

// A window reached from another window (a look-up, an editor) rather than from
// the main window: listed so that --shots shows it too.
struct ExtraWindow {
    QString className;
    WindowFactory factory;
};

// An item of the main menu or the pop-up menu; caption "-" is a separator.
struct MenuItem {
    QString objectName;
    QString caption;
    std::vector<MenuItem> items;
};

struct GroupButton {
    QString objectName;
    QString caption;
};

struct Group {
    QString objectName;
    QString caption;
    std::vector<GroupButton> buttons;
};

// Every entry of the main window with the window it opens, and the layout of
// the menus and the group bar whose items the entries are tied to.
class WindowCatalog {
public:
    static const std::vector<MenuItem> &mainMenu();
    static const std::vector<MenuItem> &popupMenu();
    static const std::vector<Group> &groupBar();

    // The program's entries, with the factories of the windows built so far.
    static WindowCatalog standard();

    const QList<WindowEntry> &entries() const { return m_entries; }
    const WindowEntry *find(const QString &key) const;
    const QList<ExtraWindow> &extraWindows() const { return m_extra; }
    const AllMonthsRun &allMonthsRun() const { return m_allMonthsRun; }

    // For tests: a window of their own behind an entry, an all-months loop of their own.
    void setFactory(const QString &key, WindowFactory factory);
    void setAllMonthsRun(AllMonthsRun run) { m_allMonthsRun = std::move(run); }

    // The entry of the monthly posting window, which the all-months run reopens.
    static QString monthlyEntry();

private:
    QList<WindowEntry> m_entries;
    QList<ExtraWindow> m_extra;
    AllMonthsRun m_allMonthsRun;
};
