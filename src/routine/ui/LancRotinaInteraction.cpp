#include "routine/ui/LancRotinaInteraction.h"

#include <QCoreApplication>

LancRotinaInteraction::LancRotinaInteraction(Interaction &messages, Progress progress, Flag interrupted)
    : m_messages(messages), m_progress(std::move(progress)), m_interrupted(std::move(interrupted))
{
}

void LancRotinaInteraction::message(const QString &text, const QString &caption, Icon icon)
{
    m_messages.message(text, caption, icon);
}

Interaction::Button LancRotinaInteraction::question(const QString &text, const QString &caption, int buttons,
                                                    Button defaultButton)
{
    return m_messages.question(text, caption, buttons, defaultButton);
}

void LancRotinaInteraction::progress(int value, int maximum, const QString &)
{
    m_progress(value, maximum);
}

bool LancRotinaInteraction::cancelled()
{
    QCoreApplication::processEvents();
    return m_interrupted();
}
