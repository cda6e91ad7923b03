#pragma once
// The two forms a glyph travels in. A set bit is a dot; a pixel is a dot
// unless it is white.
//   column form: columns left to right, each column H/8 bytes top to bottom,
//                bit 7 of a byte its topmost row; W x H/8 bytes.
//   row form:    rows top to bottom, each row W/8 bytes left to right, bit 7
//                of a byte its leftmost column; W x H/8 bytes.
// A glyph lower than 8 dots (column form) or narrower than 8 dots (row form)
// gives no bytes.
#include <QByteArray>
#include <QImage>

QByteArray packGlyphColumns(const QImage& glyph);
QByteArray packGlyphRows(const QImage& glyph);

// The glyph stretched or squeezed to width columns, height unchanged: a merged
// column holds a dot where any of its sources does, widening repeats columns.
// Width 0 gives a null picture.
QImage stretchGlyph(const QImage& glyph, int width);

// trunc(width x resolution / 200): a cell's width on the print head (the
// glyphs are drawn for 200 dots per inch).
int scaledGlyphWidth(int width, int resolution);
