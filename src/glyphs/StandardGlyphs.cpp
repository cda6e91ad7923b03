#include "glyphs/StandardGlyphs.h"

#include "glyphs/GlyphDrawing.h"
#include "glyphs/GlyphPacking.h"

#include <stdexcept>

const std::array<int, kStandardHeightCount>& standardGlyphHeights() {
    static constexpr std::array<int, kStandardHeightCount> heights{16, 32, 48, 64, 96, 128};
    return heights;
}

QString standardGlyphCharacters() {
    return QStringLiteral("0123456789-/:年月日");
}

QStringList standardDpiEntries() {
    return {QStringLiteral("100dpi"), QStringLiteral("200dpi"), QStringLiteral("300dpi"), QStringLiteral("400dpi")};
}

int standardCellWidth(QChar character, int height) {
    return character.unicode() < 0x80 ? height / 2 : height;
}

QByteArray buildStandardGlyphs(int heightRow, int resolution, const QString& fontBoxText) {
    if (heightRow < 0 || heightRow >= kStandardHeightCount) throw std::out_of_range("no such standard glyph height");
    const int height = standardGlyphHeights()[size_t(heightRow)];
    const QString face = glyphFace(fontBoxText);
    QByteArray payload;
    for (const QChar c : standardGlyphCharacters()) {
        const int width = standardCellWidth(c, height);
        const QImage cell = drawGlyphCell(QString(c), face, width, height, height);
        payload += packGlyphColumns(stretchGlyph(cell, scaledGlyphWidth(width, resolution)));
    }
    return payload;
}
