#pragma once

#include "data/Interaction.h"

#include <functional>

// The monthly window as the run's user: messages and questions go to the
// program's interaction; progress goes to the window's bar; between categories
// the window is repainted and pending input handled, so that Escape or "Cancelar"
// reach the window, whose interruption flag is then reported.
class LancRotinaInteraction : public Interaction {
public:
    using Progress = std::function<void(int value, int maximum)>;
    using Flag = std::function<bool()>;

    LancRotinaInteraction(Interaction &messages, Progress progress, Flag interrupted);

    void message(const QString &text, const QString &caption, Icon icon) override;
    Button question(const QString &text, const QString &caption, int buttons, Button defaultButton) override;
    void progress(int value, int maximum, const QString &label) override;
    bool cancelled() override;

private:
    Interaction &m_messages;
    Progress m_progress;
    Flag m_interrupted;
};
