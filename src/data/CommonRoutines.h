#pragma once

#include <QString>

// Small routines shared by many windows and postings. They keep no state.
namespace CommonRoutines {

// The program's version ("8.0.6.1"); with a non-blank prefix, "prefix (8.0.6.1)".
QString versao_sistema(const QString &prefix = {});
// A WHERE condition from typed words separated by ";": the first must start the
// column, the others must appear in it. Apostrophes are doubled so the condition
// stays valid SQL and finds the rows that hold them.
QString filtro_like(const QString &column, const QString &text);
// Rounds half away from zero to `decimals`, as decimal formatting rounds.
double arredonda(int decimals, double value);
// Kept for the call points that close the desktop database sessions; this
// program keeps no such sessions, so there is nothing to close.
void fecha_sessoes();
// Last day of the month (28-31). Throws std::invalid_argument for a month
// outside 1-12 or an invalid year.
int ultimo_dia_mes(int month, int year);
// Blanks in front of `text` up to `width` characters.
QString alinha_direita(const QString &text, int width);
// `fill` appended (width - length) times.
QString completa_direita(const QString &text, const QString &fill, int width);

} // namespace CommonRoutines
