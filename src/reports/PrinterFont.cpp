#include "reports/PrinterFont.h"

#include <cmath>

namespace {

// Fonts of Debian's fonts-liberation and fonts-dejavu-core: the serif-less
// printer faces of the old printers are closest to these mono faces.
const char *const RomanFamily = "Liberation Mono";
const char *const DraftFamily = "DejaVu Sans Mono";

// The natural advance of the mono faces above, as a fraction of the em.
constexpr double MonoAdvanceEm = 0.6;

} // namespace

PrinterFont PrinterFont::roman20(double pointSize, bool bold)
{
    return {QString::fromLatin1(RomanFamily), pointSize, bold, 20};
}

PrinterFont PrinterFont::draft10(double pointSize, bool bold)
{
    return {QString::fromLatin1(DraftFamily), pointSize, bold, 10};
}

PrinterFont PrinterFont::roman6(double pointSize, bool bold)
{
    return {QString::fromLatin1(RomanFamily), pointSize, bold, 6};
}

PrinterFont PrinterFont::fixed(double pointSize, bool bold)
{
    return {QString::fromLatin1(DraftFamily), pointSize, bold, 72.0 / (pointSize * MonoAdvanceEm)};
}

int PrinterFont::charsIn(double widthMm) const
{
    const int n = int(std::floor(widthMm / charWidthMm() + 1e-6));
    return n < 1 ? 1 : n;
}

QString PrinterFont::describe() const
{
    QString name = family.startsWith(QLatin1String(DraftFamily)) ? QStringLiteral("draft") : QStringLiteral("roman");
    QString s = QStringLiteral("%1%2 %3").arg(name).arg(cpi, 0, 'g', 3).arg(pointSize, 0, 'g', 3);
    if (bold)
        s += QStringLiteral(" bold");
    return s;
}
