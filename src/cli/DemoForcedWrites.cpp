#include "cli/DemoForcedWrites.h"

#include "data/Database.h"
#include "data/DbError.h"

#include <QStringList>
#include <ibase.h>

namespace {

QString statusText(const ISC_STATUS *status)
{
    QStringList parts;
    char buffer[1024];
    const ISC_STATUS *p = status;
    while (fb_interpret(buffer, sizeof buffer, &p) > 0)
        parts << QString::fromLocal8Bit(buffer);
    return parts.join(u'\n');
}

void addText(QByteArray &dpb, char tag, const QByteArray &value)
{
    dpb.append(tag);
    dpb.append(char(value.size()));
    dpb.append(value);
}

} // namespace

namespace DemoForcedWrites {

void set(const QString &path, bool on)
{
    // The setting travels in the attachment's parameters and stays in the file.
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    addText(dpb, char(isc_dpb_user_name), QByteArray(Database::UserName));
    addText(dpb, char(isc_dpb_password), QByteArray(Database::Password));
    dpb.append(char(isc_dpb_force_write));
    dpb.append(char(1));
    dpb.append(char(on ? 1 : 0));
    const QByteArray name = path.toLocal8Bit();
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    if (isc_attach_database(status, 0, name.constData(), &db, short(dpb.size()), dpb.constData()))
        throw DbError(QStringLiteral("ATTACH %1 (forced writes %2)").arg(path, on ? QStringLiteral("on") : QStringLiteral("off")),
                      statusText(status));
    ISC_STATUS_ARRAY detachStatus{};
    isc_detach_database(detachStatus, &db);
}

} // namespace DemoForcedWrites
