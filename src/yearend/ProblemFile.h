#pragma once

#include <QString>
#include <QStringList>

// "erroini.txt", the file where the opening verification lists what must be put
// right before the journal is opened. The suite's other tools read it as Windows
// text, so it is written in Windows-1252 with CR LF line ends and read back the
// same way; a character outside that code page is written as "?".
class ProblemFile {
public:
    static constexpr const char *FileName = "erroini.txt";

    // The file inside `directory` (the fiscal year's data directory).
    explicit ProblemFile(const QString &directory);

    const QString &path() const { return m_path; }
    bool exists() const;
    // Starts the file again, empty. Throws std::runtime_error when it cannot be written.
    void create() const;
    // Adds lines at the end. Throws std::runtime_error when it cannot be written.
    void append(const QStringList &lines) const;
    // The whole text, lines joined by "\n"; empty when the file is missing.
    QString read() const;
    void remove() const;

    static QByteArray encode(const QString &text);
    static QString decode(const QByteArray &bytes);

private:
    QString m_path;
};
