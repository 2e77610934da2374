#include "data/CommonRoutines.h"

#include "data/Sql.h"

#include <QDate>
#include <QStringList>
#include <cmath>
#include <stdexcept>

#ifndef DIARIO_VERSION
#define DIARIO_VERSION "0.0.0.0"
#endif

namespace CommonRoutines {

QString versao_sistema(const QString &prefix)
{
    const QString version = QStringLiteral(DIARIO_VERSION);
    if (prefix.trimmed().isEmpty())
        return version;
    return prefix + QStringLiteral(" (") + version + u')';
}

namespace {

// Only a-z become capitals; accented letters stay as typed.
QString upperAscii(const QString &text)
{
    QString r = text;
    for (QChar &c : r)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return r;
}

} // namespace

QString filtro_like(const QString &column, const QString &text)
{
    QStringList pieces = text.split(u';');
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i)
        pieces[i] = pieces[i].trimmed();
    QString condition;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QString word = Sql::escape(upperAscii(pieces[i]));
        const QString pattern = i == 0 ? word + u'%' : u'%' + word + u'%';
        if (i > 0)
            condition += QStringLiteral(" AND ");
        condition += QStringLiteral(" (Upper(") + column + QStringLiteral(") like '") + pattern + QStringLiteral("')");
    }
    return condition;
}

double arredonda(int decimals, double value)
{
    // Decimal text first, so that 0.005 rounds as the decimal it stands for.
    const QString text = QString::number(value, 'g', 18);
    const long double exact = text.toDouble();
    const long double scale = std::pow(10.0L, decimals);
    const long double scaled = exact * scale;
    long double rounded = std::floor(std::fabs(scaled) + 0.5L + 1e-9L);
    if (scaled < 0)
        rounded = -rounded;
    const double result = double(rounded / scale);
    return result == 0.0 ? 0.0 : result;
}

void fecha_sessoes()
{
}

int ultimo_dia_mes(int month, int year)
{
    if (month < 1 || month > 12)
        throw std::invalid_argument("Mês inválido para data.");
    QDate next = month == 12 ? QDate(year + 1, 1, 1) : QDate(year, month + 1, 1);
    if (!next.isValid() || year < 1 || year > 9999)
        throw std::invalid_argument("Ano inválido para data.");
    return next.addDays(-1).day();
}

QString alinha_direita(const QString &text, int width)
{
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), u' ') + text;
}

QString completa_direita(const QString &text, const QString &fill, int width)
{
    if (text.size() >= width)
        return text;
    return text + fill.repeated(width - text.size());
}

} // namespace CommonRoutines
