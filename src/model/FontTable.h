#pragma once
// The printer's font heights and faces. A variable field's height is chosen by
// label ("16(2mm)" .. "128(17mm)"), stored in dots, previewed in points and sent
// as a size code.
#include <QString>
#include <QStringList>
#include <array>

struct PrinterFontHeight {
    const char* label;
    int dots;
    int points;
    int sizeCode;
};

// The six heights, smallest first.
const std::array<PrinterFontHeight, 6>& printerFontHeights();
QStringList fontHeightLabels();

// Exact label lookups; an unknown label gives 16 dots / 12 points.
int labelToDots(const QString& label);
int labelToPoints(const QString& label);
// An unknown height gives "16(2mm)" / size code 1.
QString dotsToLabel(int dots);
int dotsToSizeCode(int dots);

// Character height in dots of a point size at 96 dots per inch, halves up.
int pointsToDots(int points);
// The inverse, for a height given in dots (nearest whole point).
int dotsToPoints(int dots);
// Height of a text box: character height + 2, or + 3 at 24 points.
int textBoxHeight(int points);

// Printer faces and the names the operator sees: "岱霖字体1" is
// "Dots All For Now JL", "岱霖字体2" is "Dot Matrix".
QStringList printerFaceDisplayNames();
// A display name (blanks around it ignored) gives its face; any other name is a
// face itself and comes back unchanged.
QString printerFaceForName(const QString& name);
// A printer face (blanks around it ignored) gives its display name; any other
// face comes back unchanged.
QString displayNameForFace(const QString& face);

// The preview face of the variable fields.
inline const QString kPreviewFace = QStringLiteral("宋体");
