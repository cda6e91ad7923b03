#pragma once
// Custom glyphs: the operator's text cut at every "^" into items, each drawn
// in a cell H high and (GBK bytes of the item) x H/2 wide, the items' bytes
// one after the other.
//   "纵向" (columns): the cell stretched for the resolution, column form;
//   "横向" (rows): the width raised to a multiple of 8, unscaled, row form.
#include <QByteArray>
#include <QString>

struct CustomGlyphRequest {
    QString value;        // the text, items separated by "^"
    QString fontBoxText;  // the font box's text (a printer display name or a face)
    int height = 8;       // 8 to 128 in steps of 8
    bool rows = false;    // true for "横向"
    int resolution = 200; // dots per inch; used for "纵向" only
};

// The height of the n-th entry (from 1) of the height list: 8 x n.
inline int customGlyphHeight(int position) {
    return 8 * position;
}
// The cell width of one item: its GBK length x H/2, for rows raised to a multiple of 8.
int customCellWidth(const QString& item, int height, bool rows);

// The payload's length, worked out without drawing.
qint64 customGlyphBytes(const CustomGlyphRequest& request);
// Throws GlyphRefused, before drawing anything, for a payload of more than
// 255 chunks (a long text).
QByteArray buildCustomGlyphs(const CustomGlyphRequest& request);
