#include "app/ui/ScreenShots.h"

#include "app/GeneralError.h"
#include "app/ui/GroupBar.h"
#include "app/ui/TForm1.h"
#include "app/ui/TFrmPrincipalVelqa8.h"

#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

// Lets layouts, paints and deferred closes happen before a picture.
void settle(int ms = 150)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void writeError(const QString &line)
{
    const QByteArray text = (line + u'\n').toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
}

} // namespace

ScreenShots::ScreenShots(TFrmPrincipalVelqa8 &main, QString dir) : m_main(main), m_dir(std::move(dir)) {}

int ScreenShots::take()
{
    if (!QDir().mkpath(m_dir)) {
        writeError(QStringLiteral("Não é possível criar o diretório: ") + m_dir);
        return 1;
    }
    m_main.resize(Width, Height);
    m_main.showMaximized();
    settle();
    m_main.FormActivate();
    takeMainWindow();
    takeMenus();
    takeGroups();
    takeEntries();
    takeExtraWindows();
    takePackageWindow();
    return m_failures == 0 ? 0 : 1;
}

void ScreenShots::save(QWidget *widget, const QString &name)
{
    settle();
    const QString path = QDir(m_dir).filePath(name + QStringLiteral(".png"));
    if (widget->grab().save(path))
        m_saved << name;
    else
        fail(name, QStringLiteral("não foi possível gravar ") + path);
}

void ScreenShots::fail(const QString &what, const QString &why)
{
    ++m_failures;
    writeError(what + QStringLiteral(": ") + why);
}

QString ScreenShots::freeName(const QString &className, const QString &alternative) const
{
    return m_saved.contains(className) ? className + u'_' + alternative : className;
}

void ScreenShots::takeMainWindow()
{
    save(&m_main, QStringLiteral("TFrmPrincipalVelqa8"));
}

void ScreenShots::takeMenus()
{
    QList<QMenu *> menus = m_main.menuBar()->findChildren<QMenu *>();
    menus << m_main.popupMenu() << m_main.popupMenu()->findChildren<QMenu *>();
    for (QMenu *menu : menus) {
        // Menus without a name are Qt's own (the maximised child's system menu).
        if (menu->objectName().isEmpty())
            continue;
        menu->popup(m_main.mapToGlobal(QPoint(120, 60)));
        save(menu, QStringLiteral("TFrmPrincipalVelqa8_") + menu->objectName());
        menu->hide();
    }
}

void ScreenShots::takeGroups()
{
    GroupBar *bar = m_main.groupBar();
    const int open = bar->currentIndex();
    for (int i = 0; i < bar->count(); ++i) {
        bar->setCurrentIndex(i);
        save(bar, QStringLiteral("TFrmPrincipalVelqa8_") + bar->page(i)->objectName());
    }
    bar->setCurrentIndex(open);
}

void ScreenShots::takeEntries()
{
    for (const WindowEntry &entry : m_main.catalog().entries()) {
        if (!entry.factory)
            continue;
        if (entry.kind == WindowEntry::Kind::Child) {
            m_main.openEntry(entry.key);
            if (m_main.activeChild())
                save(&m_main, freeName(entry.className, entry.key));
            else
                fail(entry.className, QStringLiteral("a janela não abriu"));
            continue;
        }
        try {
            WindowContext context{m_main.database(), m_main.interaction(), m_main, entry.mode};
            takeDialog(entry.factory(context), entry.className, entry.key);
        } catch (const std::exception &e) {
            fail(entry.className, GeneralError::text(e));
        }
    }
    if (m_main.activeChild())
        m_main.btnFecharClick();
}

void ScreenShots::takeExtraWindows()
{
    for (const ExtraWindow &extra : m_main.catalog().extraWindows()) {
        try {
            WindowContext context{m_main.database(), m_main.interaction(), m_main, QString()};
            takeDialog(extra.factory(context), extra.className, QString::number(m_saved.size()));
        } catch (const std::exception &e) {
            fail(extra.className, GeneralError::text(e));
        }
    }
}

void ScreenShots::takeDialog(QWidget *window, const QString &className, const QString &alternative)
{
    std::unique_ptr<QWidget> owned(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    save(window, freeName(className, alternative));
    window->hide();
}

void ScreenShots::takePackageWindow()
{
    takeDialog(new TForm1(&m_main), QStringLiteral("TForm1"), QString());
}
