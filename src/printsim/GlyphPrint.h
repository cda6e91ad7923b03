#pragma once
// Printing a value with downloaded glyphs: each character of the standard set
// ("0".."9", "-", "/", ":", 年, 月, 日) is the glyph as it came, followed by the
// field's spacing; any other character (a month's letters, a blank) is drawn
// in the built-in font as the printer does without glyphs.
#include "printsim/MessagePrint.h"

#include <QImage>
#include <QList>

// glyphs: the sixteen glyphs of one standard set, in set order.
void drawWithGlyphs(QImage& picture, const FieldPrint& field, const QList<QImage>& glyphs);
