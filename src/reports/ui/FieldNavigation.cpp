#include "reports/ui/FieldNavigation.h"

#include <QKeyEvent>
#include <QWidget>

void FieldNavigation::watch(QWidget *field)
{
    field->installEventFilter(this);
}

namespace {

void moveFocus(QWidget *from, bool forward)
{
    QWidget *w = from;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->window() == from->window()) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (w != from);
}

} // namespace

bool FieldNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (!w)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
        moveFocus(w, true);
        return true;
    }
    if (key == Qt::Key_Up) {
        moveFocus(w, false);
        return true;
    }
    return false;
}
