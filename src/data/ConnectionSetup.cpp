#include "data/ConnectionSetup.h"

#include "data/ConnectionTest.h"
#include "data/Database.h"
#include "data/Interaction.h"
#include "data/PathError.h"
#include "data/PathResolver.h"
#include "data/Schema.h"
#include "data/ZolvConfig.h"

#include <QFileInfo>
#include <QLibrary>
#include <QSqlDatabase>

namespace {

// The Firebird client finds its plugins under $FIREBIRD, or under the root the
// Debian packages install.
QString firebirdRoot()
{
    const QString env = qEnvironmentVariable("FIREBIRD");
    return env.isEmpty() ? QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0") : env;
}

} // namespace

ConnectionSetup::ConnectionSetup(QString iniPath) : m_iniPath(std::move(iniPath)) {}

QStringList ConnectionSetup::missingDriverFiles() const
{
    QStringList missing;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        missing << QStringLiteral("libqsqlibase.so");
    QLibrary client(QStringLiteral("fbclient"), 2);
    if (!client.load())
        missing << QStringLiteral("libfbclient.so.2");
    const bool embedded = !ZolvConfig::load(m_iniPath).serverMode();
    const QString engine = firebirdRoot() + QStringLiteral("/plugins/libEngine12.so");
    if (embedded && !QFileInfo::exists(engine))
        missing << QStringLiteral("libEngine12.so");
    return missing;
}

QString ConnectionSetup::databaseFileName() const
{
    return QStringLiteral("ZOLV") + ZolvConfig::load(m_iniPath).yearForConnection() + QStringLiteral(".FDB");
}

QString ConnectionSetup::databaseName() const
{
    return PathResolver(m_iniPath).resolve(QStringLiteral("B")) + databaseFileName();
}

QString ConnectionSetup::missingDriverMessage(const QString &file)
{
    return QStringLiteral("Um arquivo DLL necessário para o correto funcionamento do sistema não foi encontrado (%1) !!! "
                          "\r\rSOLUÇÃO:\rFaça atualização do sistema utilizando o atualizador automático e marque a opção "
                          "\"Biblioteca para Conexão (I)\" .\r\rO Sistema será finalizado.")
        .arg(file);
}

QString ConnectionSetup::missingDatabaseMessage(const QString &fileName)
{
    return QStringLiteral("Base de Dados do sistema não encontrada ") + fileName + QStringLiteral("!!! O Sistema será finalizado.");
}

std::unique_ptr<Database> ConnectionSetup::connect(Interaction &ui) const
{
    const QString caption = QString::fromUtf8(Caption);
    const QStringList missing = missingDriverFiles();
    if (!missing.isEmpty()) {
        ui.message(missingDriverMessage(missing.first()), caption, Interaction::Icon::Error);
        return nullptr;
    }
    const QString fileName = databaseFileName();
    const PathResolver resolver(m_iniPath);
    if (!ConnectionTest::run(resolver, fileName, QStringLiteral("D"))) {
        ui.message(missingDatabaseMessage(fileName), caption, Interaction::Icon::Error);
        return nullptr;
    }
    auto db = std::make_unique<Database>(databaseName());
    db->open();
    Schema::upgrade(*db);
    return db;
}
