#include "app/ApplicationSetup.h"
#include "app/GeneralError.h"
#include "app/StartupOptions.h"
#include "app/ui/DiarioApplication.h"
#include "app/ui/ScreenShots.h"
#include "app/ui/TForm1.h"
#include "app/ui/TFrmPrincipalVelqa8.h"
#include "data/ConnectionSetup.h"
#include "data/Database.h"
#include "data/ZolvConfig.h"
#include "data/ui/WidgetInteraction.h"

#include <QDir>
#include <QTemporaryFile>
#include <cstdio>
#include <cstring>

namespace {

bool wantsShots(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--shots") == 0)
            return true;
    return false;
}

// Pictures are taken unattended on a screen of their own: no display is needed,
// and a box that would wait for a click is written to stderr instead.
void prepareShots(QTemporaryFile &screenConfig)
{
    if (screenConfig.open()) {
        screenConfig.write(QStringLiteral(R"({"screens":[{"name":"shots","x":0,"y":0,"width":%1,"height":%2,)"
                                          R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                               .arg(ScreenShots::Width)
                               .arg(ScreenShots::Height)
                               .toUtf8());
        screenConfig.flush();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screenConfig.fileName()).toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("DIARIO_BOXES_TO_STDERR", "1");
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryFile screenConfig(QDir::tempPath() + QStringLiteral("/diario-screen-XXXXXX.json"));
    if (wantsShots(argc, argv))
        prepareShots(screenConfig);

    DiarioApplication app(argc, argv);
    ApplicationSetup::apply(app);
    const StartupOptions options = StartupOptions::parse(app.arguments().mid(1), ZolvConfig::defaultPath());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(options.error), qPrintable(StartupOptions::usage()));
        return 2;
    }

    WidgetInteraction ui;
    std::unique_ptr<Database> db;
    try {
        db = ConnectionSetup(options.iniPath).connect(ui);
    } catch (const std::exception &e) {
        ui.message(GeneralError::text(e), GeneralError::caption(), Interaction::Icon::Error);
        return 1;
    }
    if (!db)
        return 1;

    TFrmPrincipalVelqa8 principal(*db, ui, WindowCatalog::standard());
    ui.setParent(&principal);
    if (!options.shotsDir.isEmpty())
        return ScreenShots(principal, options.shotsDir).take();
    if (options.design) {
        TForm1 packages;
        packages.exec();
    }
    principal.showMaximized();
    return app.exec();
}
