#include "data/SqlScript.h"

#include <QRegularExpression>

namespace SqlScript {

QStringList split(const QString &script)
{
    static const QRegularExpression setTerm(QStringLiteral(R"(^\s*SET\s+TERM\s+(\S+)\s*(\S+)\s*$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList statements;
    QString terminator = QStringLiteral(";");
    QString current;
    const QStringList lines = script.split(u'\n');
    for (QString line : lines) {
        line.remove(u'\r');
        if (line.trimmed().startsWith(QStringLiteral("--")))
            continue;
        const auto m = setTerm.match(line);
        if (m.hasMatch()) {
            // "SET TERM ^ ;" is itself ended by the terminator in force.
            QString newTerm = m.captured(1);
            terminator = newTerm;
            continue;
        }
        current += line + u'\n';
        const QString trimmed = current.trimmed();
        if (trimmed.endsWith(terminator)) {
            const QString stmt = trimmed.left(trimmed.size() - terminator.size()).trimmed();
            if (!stmt.isEmpty())
                statements << stmt;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

} // namespace SqlScript
