#pragma once

#include "data/Interaction.h"

#include <QTextStream>
#include <optional>

// The command line as the user: messages go to stderr as "caption: text";
// questions take their answer from --yes/--no, and without one the command
// stops with a clear error instead of guessing.
class CliInteraction : public Interaction {
public:
    explicit CliInteraction(QTextStream &err, std::optional<bool> answer = std::nullopt);

    void message(const QString &text, const QString &caption, Icon icon) override;
    Button question(const QString &text, const QString &caption, int buttons, Button defaultButton) override;
    void progress(int value, int maximum, const QString &label) override;
    bool cancelled() override { return false; }

private:
    QTextStream &m_err;
    std::optional<bool> m_answer;
    QString m_lastLabel;
};
