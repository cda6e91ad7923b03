#include "glyphs/CustomGlyphs.h"

#include "common/Gbk.h"
#include "common/TextPieces.h"
#include "glyphs/GlyphDrawing.h"
#include "glyphs/GlyphPacking.h"
#include "link/Frame.h"
#include "link/GlyphSend.h"

#include <QCoreApplication>
#include <algorithm>

int customCellWidth(const QString& item, int height, bool rows) {
    const qint64 width = gbk::encode(item).size() * qint64(height / 2);
    const qint64 raised = rows ? (width + 7) / 8 * 8 : width;
    return static_cast<int>(std::min<qint64>(raised, 0x7FFFFFF8));
}

qint64 customGlyphBytes(const CustomGlyphRequest& request) {
    qint64 total = 0;
    for (const QString& item : splitText(request.value, QChar(u'^'))) {
        const int width = customCellWidth(gbk::decode(gbk::encode(item)), request.height, request.rows);
        const int columns = request.rows ? width : scaledGlyphWidth(width, request.resolution);
        if (request.rows ? columns >= 8 : request.height >= 8) total += qint64(columns) * (request.height / 8);
    }
    return total;
}

QByteArray buildCustomGlyphs(const CustomGlyphRequest& request) {
    if (customGlyphBytes(request) > qint64(kMaxChunks) * kChunkSize)
        throw GlyphRefused(QCoreApplication::translate("CustomGlyphs", "自定义字模过长：字模数据超过%1字节，无法发送。")
                               .arg(qint64(kMaxChunks) * kChunkSize)
                               .toStdString());
    const QString face = glyphFace(request.fontBoxText);
    // The font's size is H x 15 / 20 points, which at 96 dots per inch is H pixels for every height offered.
    const int pixelHeight = request.height;
    QByteArray payload;
    for (const QString& item : splitText(request.value, QChar(u'^'))) {
        // Drawn as GBK holds it, so the picture agrees with the width counted in GBK bytes.
        const QString shown = gbk::decode(gbk::encode(item));
        const int width = customCellWidth(shown, request.height, request.rows);
        const QImage cell = drawGlyphCell(shown, face, width, request.height, pixelHeight);
        if (request.rows) payload += packGlyphRows(cell);
        else payload += packGlyphColumns(stretchGlyph(cell, scaledGlyphWidth(width, request.resolution)));
    }
    return payload;
}
