#include "app/StartupOptions.h"

StartupOptions StartupOptions::parse(const QStringList &arguments, const QString &defaultIni)
{
    StartupOptions options;
    options.iniPath = defaultIni;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == u"--ini" || a == u"--shots") {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("Falta o valor de %1.").arg(a);
                return options;
            }
            (a == u"--ini" ? options.iniPath : options.shotsDir) = arguments[++i];
        } else if (a.startsWith(QStringLiteral("--"))) {
            options.error = QStringLiteral("Opção desconhecida: %1").arg(a);
            return options;
        } else {
            positional << a;
        }
    }
    options.design = positional.value(0) == u"design";
    return options;
}

QString StartupOptions::usage()
{
    return QStringLiteral("uso: diario [--ini ARQUIVO] [--shots DIRETORIO] [design]");
}
