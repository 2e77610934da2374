#include "app/ui/DiarioApplication.h"

#include "app/GeneralError.h"
#include "data/ui/WidgetInteraction.h"

#include <QIcon>
#include <QPainter>

namespace {

// The program's own mark, for the task bar and the child windows' system menu.
QIcon programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 128));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("DR"));
    return QIcon(pixmap);
}

} // namespace

DiarioApplication::DiarioApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setWindowIcon(programIcon());
}

bool DiarioApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        WidgetInteraction(activeWindow()).message(GeneralError::text(e), GeneralError::caption(),
                                                  Interaction::Icon::Error);
    }
    return false;
}
