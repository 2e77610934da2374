#pragma once

#include <QString>

class QCoreApplication;

// What every start of the program sets before any window: the Brazilian
// Portuguese of Qt's own texts ("Sim", "Não", "Cancelar") and of numbers and dates.
namespace ApplicationSetup {

// The program's title, caption of the general error message.
QString title();
// The status bar's words about who makes the program.
QString makerText();
// Sets the pt-BR locale and loads Qt's pt-BR translations; false when the
// translations are not installed (the program still runs, Qt's buttons in English).
bool apply(QCoreApplication &app);

} // namespace ApplicationSetup
