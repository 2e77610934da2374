#pragma once

#include <QString>

// A fixed-pitch font standing for one of the dot-matrix printer fonts the books
// were designed for ("Roman 20cpi", "Draft 10cpi", ...). The pitch is what the
// layout trusts: a text of n characters is n pitches wide on every device, so
// wrapping and right alignment never depend on which font files are installed.
struct PrinterFont {
    QString family;
    double pointSize = 8;
    bool bold = false;
    double cpi = 20; // characters per inch

    static PrinterFont roman20(double pointSize = 8, bool bold = false);
    static PrinterFont draft10(double pointSize = 12, bool bold = false);
    static PrinterFont roman6(double pointSize = 16, bool bold = true);
    // A plain fixed-pitch font at its natural pitch (about 0.6 em per character).
    static PrinterFont fixed(double pointSize, bool bold = false);

    double charWidthMm() const { return 25.4 / cpi; }
    double textWidthMm(const QString &text) const { return charWidthMm() * double(text.size()); }
    // How many characters fit in `widthMm`; at least one so that wrapping always advances.
    int charsIn(double widthMm) const;
    // Height of one printed line, leading included.
    double lineHeightMm() const { return pointSize * 1.25 * 25.4 / 72.0; }
    // Short name for layout dumps: "roman20 8", "draft10 12 bold".
    QString describe() const;

    bool operator==(const PrinterFont &) const = default;
};
