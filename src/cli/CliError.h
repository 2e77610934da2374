#pragma once

#include <QString>
#include <stdexcept>

// Ends a command with a message on stderr and an exit status: 1 when a step
// failed, 2 for bad usage.
class CliError : public std::runtime_error {
public:
    CliError(const QString &text, int status = 1) : std::runtime_error(text.toStdString()), m_text(text), m_status(status) {}
    const QString &text() const { return m_text; }
    int status() const { return m_status; }

private:
    QString m_text;
    int m_status;
};
