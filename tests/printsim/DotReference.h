#pragma once
// The printer's printing read dot by dot from its definition, one QImage dot
// at a time: the yardstick the row-at-a-time printing is compared against
// (tests) and measured beside (benchmarks). The programs never use it.
#include "printsim/GlyphStore.h"
#include "printsim/MessagePrint.h"
#include "printsim/PrintPreview.h"

namespace dotref {

// Packed columns (16 bytes each, most significant bit the upper row) as a
// W x 128 picture.
QImage unpackColumns(const QByteArray& packed);
// A standard set's sixteen glyphs, and any set as one picture.
QList<QImage> standardGlyphs(const GlyphSet& set);
QImage glyphSetPicture(const GlyphSet& set);
// The message as printed, its fields drawn dot by dot.
PrintedMessage printMessage(const StoredMessage& message, const QDateTime& now, const GlyphStore* glyphs);
// The pictures of the next prints (previewPrints with the printing above),
// and the pictures one under another, kPreviewGapRows white rows apart.
QList<QImage> previewPrints(const QByteArray& frames, const QDateTime& at, int count);
QImage stackPrints(const QList<QImage>& prints);

// True when both pictures hold the same dots, compared byte for byte over
// each row's width (the bits past the width are no dots).
bool sameBytes(const QImage& a, const QImage& b);

} // namespace dotref
