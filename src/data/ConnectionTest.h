#pragma once

#include <QString>

class PathResolver;

// Does a database file exist and accept a connection? The workstation-side code is
// turned into its server-side twin (the first capital "D" becomes "B": D→B, DA→BA,
// TD→TB), so the test checks the name the server will be given. Never throws and
// never shows anything.
namespace ConnectionTest {

bool run(const PathResolver &resolver, const QString &fileName, const QString &code);
// The code whose path the test opens.
QString serverSideCode(const QString &code);

} // namespace ConnectionTest
