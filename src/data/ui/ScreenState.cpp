#include "data/ui/ScreenState.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>

namespace {

enum class State { Browse, Edit };

bool isNavigator(const QWidget *w)
{
    return w->property("navigator").toBool();
}

// Controls whose inner widgets are Qt's own business.
bool isComposite(const QWidget *w)
{
    return qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QCalendarWidget *>(w) ||
           qobject_cast<const QTabBar *>(w) || isNavigator(w);
}

// Inside a control that sets its own parts, or inside another window (a
// dialog the window owns keeps its own state).
bool isInnerPart(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (isComposite(p) || p->isWindow())
            return true;
    return false;
}

void paintBase(QWidget *w, State state)
{
    QPalette palette = w->palette();
    const QColor colour = state == State::Browse ? QApplication::palette(w).color(QPalette::Button)
                                                 : QApplication::palette(w).color(QPalette::Base);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    w->setPalette(palette);
    w->update();
}

void setEditor(QWidget *w, State state)
{
    w->setEnabled(state == State::Edit);
    paintBase(w, state);
}

bool isOkOrCancel(const QWidget *w)
{
    return w->objectName().compare(QLatin1String("btnok"), Qt::CaseInsensitive) == 0 ||
           w->objectName().compare(QLatin1String("btncancel"), Qt::CaseInsensitive) == 0;
}

void apply(QWidget *w, State state)
{
    const bool browse = state == State::Browse;
    if (isNavigator(w)) {
        w->setEnabled(browse);
    } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
        if (line->property("tag").toInt() != 99)
            setEditor(w, state);
    } else if (qobject_cast<QComboBox *>(w) || qobject_cast<QDateTimeEdit *>(w) || qobject_cast<QTextEdit *>(w) ||
               qobject_cast<QPlainTextEdit *>(w)) {
        setEditor(w, state);
    } else if (qobject_cast<QCheckBox *>(w)) {
        w->setEnabled(!browse);
    } else if (auto *tool = qobject_cast<QToolButton *>(w)) {
        if (tool->autoRaise())
            w->setEnabled(!browse);
    } else if (qobject_cast<QPushButton *>(w)) {
        w->setEnabled(isOkOrCancel(w) ? !browse : browse);
    }
}

void applyToWindow(QWidget *window, State state)
{
    if (!window)
        return;
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *w : controls) {
        if (w->isWindow() || isInnerPart(w, window))
            continue;
        apply(w, state);
    }
}

} // namespace

namespace ScreenState {

void bloqueia_tela(QWidget *window)
{
    applyToWindow(window, State::Browse);
}

void libera_tela(QWidget *window)
{
    applyToWindow(window, State::Edit);
}

} // namespace ScreenState
