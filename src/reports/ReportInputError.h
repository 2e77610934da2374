#pragma once

#include <QString>
#include <stdexcept>

// A value typed into a printing dialog that cannot be used (a date that does not
// exist, a number that is not one); nothing is printed.
class ReportInputError : public std::runtime_error {
public:
    explicit ReportInputError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
