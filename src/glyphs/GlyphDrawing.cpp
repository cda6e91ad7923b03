#include "glyphs/GlyphDrawing.h"

#include "common/MonoImage.h"
#include "common/TextPieces.h"
#include "model/FieldImage.h"
#include "model/FieldRender.h"
#include "model/FontTable.h"

#include <QFontMetrics>
#include <QPainter>

QString glyphFace(const QString& fontBoxText) {
    return printerFaceForName(trimBlanks(fontBoxText));
}

QImage drawGlyphCell(const QString& text, const QString& face, int width, int height, int pixelHeight) {
    if (width <= 0 || height <= 0) return {};
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QFont font = qtFontFor(FieldFont{face, dotsToPoints(pixelHeight), false, false, false}, 0);
        font.setPixelSize(pixelHeight);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(0, QFontMetrics(font).ascent()), text);
    }
    QImage cell = mono::create(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        uchar* dots = cell.scanLine(y); // bit 7 of byte 0 is the leftmost dot
        for (int x = 0; x < width; ++x)
            if (qRed(line[x]) != 255 || qGreen(line[x]) != 255) dots[x >> 3] |= uchar(0x80 >> (x & 7));
    }
    return cell;
}
