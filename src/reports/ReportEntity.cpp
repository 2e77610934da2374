#include "reports/ReportEntity.h"

#include "data/Database.h"

ReportEntity ReportEntity::load(Database &db)
{
    ReportEntity e;
    QSqlQuery entity = db.query(QStringLiteral("select * from cadcli"));
    if (entity.next()) {
        e.name = entity.value(QStringLiteral("CLNT1")).toString().trimmed();
        e.address = entity.value(QStringLiteral("ENDERE")).toString().trimmed();
        e.cgc = entity.value(QStringLiteral("CGC")).toString().trimmed();
        e.year = entity.value(QStringLiteral("MEXER")).toString().trimmed();
    }
    QSqlQuery logo = db.query(QStringLiteral("select * from logo"));
    if (logo.next()) {
        e.showLogo = logo.value(QStringLiteral("MOSTRA")).toString().trimmed() == u"S";
        e.logo = QImage::fromData(logo.value(QStringLiteral("LOGO")).toByteArray());
    }
    return e;
}
