#include "app/ApplicationSetup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ApplicationSetup {

QString title()
{
    return QStringLiteral("Diário/Razão");
}

QString makerText()
{
    return QStringLiteral("Diário/Razão — desenvolvido pela equipe Zolv de contabilidade pública");
}

bool apply(QCoreApplication &app)
{
    // The title is not given to Qt: as the application name its "/" would break
    // the paths Qt builds from it (temporary files), and as the display name Qt
    // would append it to every window caption, while the main window's caption is
    // fixed text. It is the caption of the general error message instead.
    QCoreApplication::setApplicationName(QStringLiteral("diario"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto *translator = new QTranslator(&app);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"), dir)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace ApplicationSetup
