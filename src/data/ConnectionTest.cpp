#include "data/ConnectionTest.h"

#include "data/Database.h"
#include "data/PathResolver.h"

#include <exception>

namespace ConnectionTest {

QString serverSideCode(const QString &code)
{
    QString c = code;
    const qsizetype at = c.indexOf(u'D');
    if (at >= 0)
        c[at] = u'B';
    return c;
}

bool run(const PathResolver &resolver, const QString &fileName, const QString &code)
{
    try {
        const QString dir = resolver.resolve(serverSideCode(code));
        return Database::canConnect(dir + fileName);
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace ConnectionTest
