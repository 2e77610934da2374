#pragma once

#include <QString>
#include <stdexcept>

// A path code that cannot be resolved: a directory that cannot be created, or a
// year that is not a number. The text is the one the user reads.
class PathError : public std::runtime_error {
public:
    explicit PathError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
