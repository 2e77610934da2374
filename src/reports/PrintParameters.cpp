#include "reports/PrintParameters.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const QString VerifyKey = QStringLiteral("PARAMIMP/VER");
const QString MatrixKey = QStringLiteral("PARAMIMPMAT/VER");

} // namespace

PrintParameters PrintParameters::load(const QString &iniPath)
{
    const QSettings ini(iniPath, QSettings::IniFormat);
    PrintParameters p;
    p.verify = ini.value(VerifyKey).toString() == u"S";
    p.matrixPrinter = ini.value(MatrixKey).toString() == u"S";
    return p;
}

bool PrintParameters::save(const QString &iniPath) const
{
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(VerifyKey, verify ? QStringLiteral("S") : QStringLiteral("N"));
    ini.setValue(MatrixKey, matrixPrinter ? QStringLiteral("S") : QStringLiteral("N"));
    ini.sync();
    return ini.status() == QSettings::NoError;
}

QString PrintParameters::defaultPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Diario.ini");
}
