#include "reports/JournalRequest.h"

#include "data/Sql.h"
#include "reports/ReportInput.h"

#include <QStringList>

JournalRequest::Mode JournalRequest::modeFromName(const QString &name)
{
    if (name == u"RASCUNHO PERIODO")
        return Mode::RascunhoPeriodo;
    if (name == u"RASCUNHO REGISTRO")
        return Mode::RascunhoRegistro;
    return Mode::Diario;
}

QString JournalRequest::filter() const
{
    QStringList c;
    if (usesPeriod()) {
        if (const auto from = ReportInput::date(dateFrom))
            c << QStringLiteral("DATAE>=") + Sql::date(*from);
        if (const auto to = ReportInput::date(dateTo))
            c << QStringLiteral("DATAE<=") + Sql::date(*to);
    } else {
        if (const auto from = ReportInput::lineNumber(seqFrom))
            c << QStringLiteral("SEQ>=%1").arg(*from);
        if (const auto to = ReportInput::lineNumber(seqTo))
            c << QStringLiteral("SEQ<=%1").arg(*to);
    }
    if (!group.trimmed().isEmpty())
        c << QStringLiteral("VINGRUPO LIKE ") + Sql::quote(group);
    if (!code.trimmed().isEmpty())
        c << QStringLiteral("VINCODIGO LIKE ") + Sql::quote(code);
    return c.isEmpty() ? QString() : QStringLiteral(" WHERE ") + ReportInput::joinConditions(c);
}

QString JournalRequest::sql() const
{
    const QString order = isDraft() ? QStringLiteral(" order by SEQ, IMP") : QStringLiteral(" order by DATAE, IE, IMP, SEQ, BALCO");
    return QStringLiteral("select * from condia ") + filter() + order;
}
