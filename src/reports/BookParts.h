#pragma once

#include "reports/LinkLines.h"
#include "reports/ReportBand.h"
#include "reports/ReportEntity.h"

// Pieces shared by the books: the entity header block, the amount fields, the
// dotted rules. Positions in millimetres from the left margin.
namespace BookParts {

constexpr double ContentWidth = 215.9 - 2 * 6.35;

// Logo at `logoX`; at `textX` the entity name (bold), the address, the tax number
// with "Exercício:" and the year on its line, then the two link lines. Returns the
// y below the block.
double entityHeader(ReportBand &band, const ReportEntity &entity, const LinkLines &links, double logoX, double textX);

// An amount right-aligned so that it ends at `rightX`: "#,0.00;-#,0.00", nothing
// for a null column.
ReportBand &amount(ReportBand &band, double rightX, double y, const QString &column);
ReportBand::TextFn amountText(const QString &column);
ReportBand::TextFn sumText(const QString &sum);
// A text right-aligned so that it ends at `rightX`.
ReportBand &labelRight(ReportBand &band, double rightX, double y, const PrinterFont &font, const QString &text);
// A row heading a system block (no account, title "SISTEMA ...").
bool isSystemHeader(const ReportContext &ctx);

} // namespace BookParts
