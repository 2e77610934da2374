#include "cli/CliInteraction.h"

#include "cli/CliError.h"

namespace {

QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

CliInteraction::CliInteraction(QTextStream &err, std::optional<bool> answer) : m_err(err), m_answer(answer) {}

void CliInteraction::message(const QString &text, const QString &caption, Icon)
{
    m_err << caption << ": " << oneLine(text) << Qt::endl;
}

Interaction::Button CliInteraction::question(const QString &text, const QString &caption, int buttons, Button)
{
    m_err << caption << ": " << oneLine(text) << Qt::endl;
    if (!m_answer)
        throw CliError(QStringLiteral("A operação faz uma pergunta: responda com --yes ou --no."), 2);
    if (*m_answer)
        return (buttons & int(Button::Yes)) ? Button::Yes : Button::Ok;
    return (buttons & int(Button::No)) ? Button::No : Button::Cancel;
}

void CliInteraction::progress(int value, int maximum, const QString &label)
{
    if (!label.isEmpty() && label != m_lastLabel) {
        m_lastLabel = label;
        m_err << label << Qt::endl;
    }
    Q_UNUSED(value);
    Q_UNUSED(maximum);
}
