#include "barcode/BarcodeText.h"

#include <QFontMetrics>
#include <QPainter>

QFont textFont(const QString& face, int cellHeight) {
    QFont font(face);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    int size = std::max(cellHeight, 1);
    for (;; --size) {
        font.setPixelSize(size);
        if (size == 1 || QFontMetrics(font).height() <= cellHeight) break;
    }
    return font;
}

QImage renderText(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = std::max(1, metrics.horizontalAdvance(text));
    QImage image(width, std::max(1, metrics.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), text);
    return image;
}
