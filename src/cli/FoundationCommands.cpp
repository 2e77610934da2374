#include "cli/FoundationCommands.h"

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "data/ConnectionSetup.h"
#include "data/Database.h"
#include "data/DatabaseCreator.h"
#include "data/PathResolver.h"
#include "data/Schema.h"
#include "data/ZolvConfig.h"

#include <QDir>
#include <QFileInfo>

namespace FoundationCommands {

int createDb(CliContext &ctx)
{
    ctx.allowOnly({QStringLiteral("--year")});
    ZolvConfig config = ZolvConfig::load(ctx.iniPath());
    QString year = ctx.option(QStringLiteral("--year"));
    if (year.isEmpty())
        year = config.yearForConnection();
    bool numeric = false;
    year.toInt(&numeric);
    if (!numeric || year.size() != 4)
        throw CliError(QStringLiteral("Ano inválido: %1").arg(year), 2);
    config = config.with(QStringLiteral("ano"), year);
    const PathResolver resolver(ctx.iniPath());
    const QString fileName = QStringLiteral("ZOLV") + year + QStringLiteral(".FDB");
    const QString name = resolver.resolve(QStringLiteral("B"), config) + fileName;
    if (!config.serverMode()) {
        const QString dir = resolver.resolve(QStringLiteral("D"), config);
        if (QFileInfo::exists(dir + fileName))
            throw CliError(QStringLiteral("A base de dados %1 já existe; nada foi alterado.").arg(dir + fileName));
        if (!QDir().mkpath(dir))
            throw CliError(QStringLiteral("Não é possível criar o diretório: ") + dir);
    }
    DatabaseCreator::create(name);
    Database db(name);
    db.open();
    Schema::install(db);
    db.exec(QStringLiteral("INSERT INTO CADCLI (MEXER) VALUES (?)"), {year});
    ctx.out() << name << Qt::endl;
    return 0;
}

int path(CliContext &ctx)
{
    const QStringList codes = ctx.positional();
    if (codes.size() != 1)
        throw CliError(QStringLiteral("Informe um código de caminho."), 2);
    ctx.out() << PathResolver(ctx.iniPath()).resolve(codes.first()) << Qt::endl;
    return 0;
}

int info(CliContext &ctx)
{
    Database &db = ctx.db();
    QSqlQuery entity = db.query(QStringLiteral("select * from cadcli"));
    const bool hasEntity = entity.next();
    const QString name = hasEntity ? entity.value(QStringLiteral("CLNT1")).toString().trimmed() : QString();
    const QString year = hasEntity ? entity.value(QStringLiteral("MEXER")).toString().trimmed() : QString();
    const qlonglong rows = db.scalar(QStringLiteral("select count(*) as quantos from condia")).toLongLong();
    ctx.out() << "Base de dados: " << db.name() << Qt::endl
              << "Entidade: " << name << Qt::endl
              << "Exercício: " << year << Qt::endl
              << "Lançamentos no diário: " << rows << Qt::endl;
    return 0;
}

} // namespace FoundationCommands
