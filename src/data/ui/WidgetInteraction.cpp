#include "data/ui/WidgetInteraction.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <cstdio>

namespace {

QMessageBox::Icon boxIcon(Interaction::Icon icon)
{
    switch (icon) {
    case Interaction::Icon::Information:
        return QMessageBox::Information;
    case Interaction::Icon::Warning:
        return QMessageBox::Warning;
    case Interaction::Icon::Error:
        return QMessageBox::Critical;
    case Interaction::Icon::Question:
        return QMessageBox::Question;
    case Interaction::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

const char *iconName(Interaction::Icon icon)
{
    switch (icon) {
    case Interaction::Icon::Information:
        return "information";
    case Interaction::Icon::Warning:
        return "warning";
    case Interaction::Icon::Error:
        return "error";
    case Interaction::Icon::Question:
        return "question";
    case Interaction::Icon::None:
        break;
    }
    return "none";
}

constexpr std::pair<Interaction::Button, QMessageBox::StandardButton> buttonPairs[] = {
    {Interaction::Button::Ok, QMessageBox::Ok},
    {Interaction::Button::Yes, QMessageBox::Yes},
    {Interaction::Button::No, QMessageBox::No},
    {Interaction::Button::Cancel, QMessageBox::Cancel},
};

QMessageBox::StandardButton toBox(Interaction::Button button)
{
    for (const auto &[ours, theirs] : buttonPairs)
        if (ours == button)
            return theirs;
    return QMessageBox::NoButton;
}

// A box closed without a choice (the window's close button) counts as the
// answer that commits to nothing.
Interaction::Button fromBox(int clicked, int buttons, Interaction::Button defaultButton)
{
    for (const auto &[ours, theirs] : buttonPairs)
        if (clicked == theirs && (buttons & int(ours)))
            return ours;
    if (buttons & int(Interaction::Button::Cancel))
        return Interaction::Button::Cancel;
    if (buttons & int(Interaction::Button::No))
        return Interaction::Button::No;
    return defaultButton;
}

void writeBox(const QString &text, const QString &caption, Interaction::Icon icon)
{
    const QByteArray line = (QStringLiteral("[") + caption + QStringLiteral("] (") + QLatin1String(iconName(icon)) +
                             QStringLiteral(") ") + text + u'\n')
                                .toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

} // namespace

WidgetInteraction::WidgetInteraction(QWidget *parent) : m_parent(parent) {}

WidgetInteraction::~WidgetInteraction()
{
    delete m_dialog.data();
}

void WidgetInteraction::setParent(QWidget *parent)
{
    m_parent = parent;
}

void WidgetInteraction::setProgressCallback(ProgressCallback callback)
{
    m_callback = std::move(callback);
}

QString WidgetInteraction::displayText(const QString &text)
{
    QString r = text;
    r.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    r.replace(u'\r', u'\n');
    return r;
}

bool WidgetInteraction::boxesToStderr()
{
    return !qEnvironmentVariableIsEmpty("DIARIO_BOXES_TO_STDERR");
}

void WidgetInteraction::message(const QString &text, const QString &caption, Icon icon)
{
    if (boxesToStderr()) {
        writeBox(text, caption, icon);
        return;
    }
    QMessageBox box(boxIcon(icon), caption, displayText(text), QMessageBox::Ok, m_parent);
    box.exec();
}

Interaction::Button WidgetInteraction::question(const QString &text, const QString &caption, int buttons,
                                                Button defaultButton)
{
    if (buttons == 0)
        buttons = int(Button::Ok);
    if (boxesToStderr()) {
        writeBox(text, caption, Icon::Question);
        return defaultButton;
    }
    QMessageBox box(QMessageBox::Question, caption, displayText(text), QMessageBox::NoButton, m_parent);
    for (const auto &[ours, theirs] : buttonPairs)
        if (buttons & int(ours))
            box.addButton(theirs);
    if (defaultButton != Button::None)
        box.setDefaultButton(toBox(defaultButton));
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    return fromBox(clicked ? int(box.standardButton(clicked)) : 0, buttons, defaultButton);
}

void WidgetInteraction::progress(int value, int maximum, const QString &label)
{
    if (m_callback) {
        m_callback(value, maximum, label);
        QCoreApplication::processEvents();
        return;
    }
    if (boxesToStderr())
        return;
    if (!m_dialog) {
        m_dialog = new QProgressDialog(m_parent);
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setCancelButtonText(QStringLiteral("Cancelar"));
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setMinimumWidth(360);
    }
    if (!label.isEmpty())
        m_dialog->setLabelText(displayText(label));
    m_dialog->setMaximum(maximum);
    m_dialog->setValue(value);
    m_dialog->show();
    QCoreApplication::processEvents();
}

bool WidgetInteraction::cancelled()
{
    if (m_dialog && m_dialog->isVisible())
        QCoreApplication::processEvents();
    return m_cancelRequested || (m_dialog && m_dialog->wasCanceled());
}

void WidgetInteraction::finishProgress()
{
    delete m_dialog.data();
    m_cancelRequested = false;
}
