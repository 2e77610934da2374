#include "reports/LedgerTitles.h"

namespace LedgerTitles {

QString forSystem(QChar digit)
{
    switch (digit.unicode()) {
    case u'1':
        return QStringLiteral("R A Z Ã O   O R Ç A M E N T A R I O");
    case u'2':
        return QStringLiteral("R A Z Ã O   F I N A N C E I R O");
    case u'3':
        return QStringLiteral("R A Z Ã O   P A T R I M O N I A L");
    case u'4':
        return QStringLiteral("R A Z Ã O   E C O N O M I C O");
    default:
        return {};
    }
}

QString initial()
{
    return QStringLiteral("R  A  Z  Ã  O      P  A  T  R  I  M  O  N  I  A  L");
}

} // namespace LedgerTitles
