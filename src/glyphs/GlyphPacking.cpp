#include "glyphs/GlyphPacking.h"

#include "common/MonoImage.h"
#include "link/BackgroundPacking.h"

namespace {
constexpr int kDesignResolution = 200;
}

QByteArray packGlyphColumns(const QImage& glyph) {
    if (glyph.isNull() || glyph.height() < 8) return {};
    // Rows beyond the last whole byte are not sent.
    return packColumns(glyph.copy(0, 0, glyph.width(), glyph.height() / 8 * 8));
}

QByteArray packGlyphRows(const QImage& glyph) {
    if (glyph.isNull() || glyph.width() < 8) return {};
    const QImage picture = mono::normalized(glyph);
    const int rowBytes = picture.width() / 8;
    QByteArray packed;
    packed.reserve(qsizetype(rowBytes) * picture.height());
    // A normalized picture holds each row as row form does: bit 7 leftmost, a set bit a dot.
    for (int y = 0; y < picture.height(); ++y)
        packed.append(reinterpret_cast<const char*>(picture.constScanLine(y)), rowBytes);
    return packed;
}

QImage stretchGlyph(const QImage& glyph, int width) {
    return scaleColumns(glyph, width);
}

int scaledGlyphWidth(int width, int resolution) {
    return static_cast<int>(qint64(width) * resolution / kDesignResolution);
}
