#pragma once
// The standard glyph set: the sixteen characters "0123456789-/:年月日" at one
// of six heights, packed in column form one after the other. Digits, "-", "/"
// and ":" take a cell H/2 wide, the three ideographs H wide; each cell is
// stretched to trunc(width x resolution / 200) columns.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

inline constexpr int kStandardHeightCount = 6;

// 16, 32, 48, 64, 96, 128 dots; the height byte of a frame is the height itself.
const std::array<int, kStandardHeightCount>& standardGlyphHeights();
// The sixteen characters in payload order.
QString standardGlyphCharacters();
// The resolutions offered for standard glyphs: "100dpi" .. "400dpi"; the
// resolution number sent is the 1-based position.
QStringList standardDpiEntries();

// Width of a character's cell before stretching: H for the ideographs, H/2 otherwise.
int standardCellWidth(QChar character, int height);
// The payload of one height (row 0 to 5 of standardGlyphHeights) drawn in the
// face the font box names, for a resolution in dots per inch.
QByteArray buildStandardGlyphs(int heightRow, int resolution, const QString& fontBoxText);
