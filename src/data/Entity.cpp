#include "data/Entity.h"

#include "data/Database.h"

namespace {

QString text(const QSqlQuery &q, const char *column)
{
    return q.value(QString::fromLatin1(column)).toString().trimmed();
}

} // namespace

Entity Entity::load(Database &db)
{
    Entity e;
    QSqlQuery cliente = db.query(QStringLiteral("select * from cadcli"));
    if (cliente.next()) {
        e.mexer = text(cliente, "MEXER");
        e.clnt1 = text(cliente, "CLNT1");
        e.endere = text(cliente, "ENDERE");
        e.cgc = text(cliente, "CGC");
        e.rodape = text(cliente, "RODAPE");
    }
    QSqlQuery logo = db.query(QStringLiteral("select * from logo"));
    if (logo.next()) {
        e.logo = logo.value(QStringLiteral("LOGO")).toByteArray();
        e.mostra = text(logo, "MOSTRA");
    }
    return e;
}

int Entity::fiscalYear() const
{
    bool ok = false;
    const int year = mexer.toInt(&ok);
    return ok ? year : 0;
}
