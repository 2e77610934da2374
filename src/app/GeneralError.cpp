#include "app/GeneralError.h"

#include "app/ApplicationSetup.h"
#include "data/DbError.h"
#include "data/PathError.h"

namespace GeneralError {

QString caption()
{
    return ApplicationSetup::title();
}

QString text(const std::exception &error)
{
    // The driver's words: the statement stays with the developer.
    if (const auto *db = dynamic_cast<const DbError *>(&error))
        return db->driverText();
    if (const auto *path = dynamic_cast<const PathError *>(&error))
        return path->text();
    return QString::fromUtf8(error.what());
}

} // namespace GeneralError
