#pragma once

#include "cli/CliInteraction.h"

#include <QStringList>
#include <QTextStream>
#include <memory>

class Database;

// What a command gets: its arguments, the configuration file, the streams, the
// user (through CliInteraction) and, on demand, the fiscal year's database opened
// the way the program opens it at start-up.
class CliContext {
public:
    CliContext(QStringList args, QString iniPath, QTextStream &out, QTextStream &err, std::optional<bool> answer);
    ~CliContext();

    const QStringList &args() const { return m_args; }
    const QString &iniPath() const { return m_iniPath; }
    QTextStream &out() { return m_out; }
    QTextStream &err() { return m_err; }
    CliInteraction &ui() { return m_ui; }

    // "--name value"; empty when absent. Throws a usage error when the value is missing.
    QString option(const QString &name) const;
    bool flag(const QString &name) const;
    // Positional arguments (not options and not their values).
    QStringList positional() const;
    // Throws a usage error for an option the command does not know.
    void allowOnly(const QStringList &optionsWithValue, const QStringList &flags = {}) const;

    // The shared connection; throws CliError(1) after the start-up message was shown.
    Database &db();

private:
    QStringList m_args;
    QString m_iniPath;
    QTextStream &m_out;
    QTextStream &m_err;
    CliInteraction m_ui;
    std::unique_ptr<Database> m_db;
};
