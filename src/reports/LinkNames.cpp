#include "reports/LinkNames.h"

#include "data/Database.h"
#include "data/Sql.h"

namespace LinkNames {

std::optional<QString> groupName(Database &db, const QString &group)
{
    QSqlQuery q = db.query(QStringLiteral("select * FROM VINGRUPO WHERE VINGRUPO LIKE '%1%' ORDER BY VINGRUPO").arg(Sql::escape(group)));
    if (!q.next())
        return std::nullopt;
    return q.value(QStringLiteral("VINGRUPONOME")).toString().trimmed();
}

std::optional<QString> codeName(Database &db, const QString &group, const QString &code)
{
    QSqlQuery q = db.query(QStringLiteral("select * FROM VINCODIGO WHERE VINGRUPO LIKE '%1%' and VINCODIGO like '%2%' "
                                          "ORDER BY VINGRUPO, VINCODIGO")
                               .arg(Sql::escape(group), Sql::escape(code)));
    if (!q.next())
        return std::nullopt;
    return q.value(QStringLiteral("VINCODIGONOME")).toString().trimmed();
}

QString missingGroupMessage(const QString &group)
{
    return QStringLiteral("Não existem vinculos iniciando com ") + group;
}

QString missingCodeMessage(const QString &group, const QString &code)
{
    return QStringLiteral("Não existem vinculos iniciando com grupo \"%1\" and subgrupo iniciando com \"%2\"").arg(group, code);
}

QString caption()
{
    return QStringLiteral("Atenção");
}

} // namespace LinkNames
