#include "app/MainCaption.h"

#include "data/CommonRoutines.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace MainCaption {

QString initial()
{
    return QStringLiteral("DIÁRIO / RAZÃO");
}

QString versioned(const QString &programDir)
{
    const QFileInfo marker(QDir(programDir).filePath(QStringLiteral("VELQA8.exe")));
    if (!marker.exists())
        return {};
    return QStringLiteral("ZOLV 8.0 - MODULO DIÁRIO/RAZÃO (Vrs. ") + CommonRoutines::versao_sistema() +
           QStringLiteral(") - Atualizado dia ") +
           marker.lastModified().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

} // namespace MainCaption
