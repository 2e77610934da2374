#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TFrmPrincipalVelqa8;

// diario --shots DIR: a picture of the main window, its menus and groups, and of
// every window and dialog of the catalog, each saved as DIR/<class name>.png,
// for a person to look at what the program shows.
class ScreenShots {
public:
    static constexpr int Width = 1366;
    static constexpr int Height = 768;

    ScreenShots(TFrmPrincipalVelqa8 &main, QString dir);

    // 0 when every picture was saved; the failures are written to stderr.
    int take();
    const QStringList &saved() const { return m_saved; }

private:
    void save(QWidget *widget, const QString &name);
    void takeMainWindow();
    void takeMenus();
    void takeGroups();
    void takeEntries();
    void takeExtraWindows();
    void takePackageWindow();
    void takeDialog(QWidget *window, const QString &className, const QString &alternative);
    void fail(const QString &what, const QString &why);
    QString freeName(const QString &className, const QString &alternative) const;

    TFrmPrincipalVelqa8 &m_main;
    QString m_dir;
    QStringList m_saved;
    int m_failures = 0;
};
