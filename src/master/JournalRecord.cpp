#include "master/JournalRecord.h"

#include <QDateTime>
#include <cmath>

namespace JournalRecord {

namespace {

// Long texts keep their leading blanks; CHAR padding goes.
QString rightTrimmed(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.left(n);
}

template <typename T>
std::optional<T> whole(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return T(std::llround(v.toDouble()));
}

std::optional<Money> money(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return Money::fromVariant(v, 4);
}

} // namespace

JournalRow read(const QSqlRecord &r)
{
    const auto value = [&r](const char *column) { return r.value(QLatin1String(column)); };
    JournalRow row;
    row.sequencia = value("SEQUENCIA").toDouble();
    row.balco = value("BALCO").toString().trimmed();
    row.titco = rightTrimmed(value("TITCO").toString());
    row.datae = value("DATAE").toDateTime().date();
    row.histo = whole<int>(value("HISTO"));
    row.debit = money(value("DEBIT"));
    row.credi = money(value("CREDI"));
    row.saldo = money(value("SALDO"));
    row.ie = whole<int>(value("IE"));
    row.discri = rightTrimmed(value("DISCRI").toString());
    row.imp = value("IMP").toString().trimmed();
    row.seq = whole<qint64>(value("SEQ"));
    row.tipo = value("TIPO").toString().trimmed();
    row.vingrupo = value("VINGRUPO").toString().trimmed();
    row.vincodigo = value("VINCODIGO").toString().trimmed();
    if (r.contains(QStringLiteral("AUTOMA")))
        row.automa = whole<int>(value("AUTOMA"));
    row.d_c = value("D_C").toString().trimmed();
    if (row.d_c.isEmpty())
        row.d_c = QStringLiteral("T");
    return row;
}

} // namespace JournalRecord
