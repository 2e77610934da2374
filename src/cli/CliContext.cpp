#include "cli/CliContext.h"

#include "cli/CliError.h"
#include "data/ConnectionSetup.h"
#include "data/Database.h"

CliContext::CliContext(QStringList args, QString iniPath, QTextStream &out, QTextStream &err, std::optional<bool> answer)
    : m_args(std::move(args)), m_iniPath(std::move(iniPath)), m_out(out), m_err(err), m_ui(err, answer)
{
}

CliContext::~CliContext() = default;

QString CliContext::option(const QString &name) const
{
    const qsizetype at = m_args.indexOf(name);
    if (at < 0)
        return {};
    if (at + 1 >= m_args.size())
        throw CliError(QStringLiteral("Falta o valor de %1.").arg(name), 2);
    return m_args[at + 1];
}

bool CliContext::flag(const QString &name) const
{
    return m_args.contains(name);
}

QStringList CliContext::positional() const
{
    QStringList r;
    for (qsizetype i = 0; i < m_args.size(); ++i) {
        if (m_args[i].startsWith(QStringLiteral("--"))) {
            if (i + 1 < m_args.size() && !m_args[i + 1].startsWith(QStringLiteral("--")))
                ++i;
            continue;
        }
        r << m_args[i];
    }
    return r;
}

void CliContext::allowOnly(const QStringList &optionsWithValue, const QStringList &flags) const
{
    for (qsizetype i = 0; i < m_args.size(); ++i) {
        const QString &a = m_args[i];
        if (!a.startsWith(QStringLiteral("--")))
            continue;
        if (optionsWithValue.contains(a)) {
            if (i + 1 >= m_args.size())
                throw CliError(QStringLiteral("Falta o valor de %1.").arg(a), 2);
            ++i;
        } else if (!flags.contains(a)) {
            throw CliError(QStringLiteral("Opção desconhecida: %1").arg(a), 2);
        }
    }
}

Database &CliContext::db()
{
    if (!m_db) {
        m_db = ConnectionSetup(m_iniPath).connect(m_ui);
        if (!m_db)
            throw CliError(QString(), 1);
    }
    return *m_db;
}
