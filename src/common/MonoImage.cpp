#include "common/MonoImage.h"

#include <QStringList>
#include <algorithm>

namespace mono {

void applyColorTable(QImage& image) {
    image.setColorTable({kWhite, kBlack});
}

QImage create(int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_Mono);
    applyColorTable(image);
    image.fill(0);
    return image;
}

QImage fromImage(const QImage& source, int threshold) {
    QImage out = create(source.width(), source.height());
    if (source.isNull()) return out;
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0) continue;
            if (qGray(p) < threshold) out.setPixel(x, y, 1);
        }
    }
    return out;
}

bool dot(const QImage& image, int x, int y) {
    if (!image.valid(x, y)) return false;
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        return image.color(image.pixelIndex(x, y)) == kBlack;
    return qGray(image.pixel(x, y)) < 128;
}

QImage normalized(const QImage& image) {
    if (image.format() == QImage::Format_Mono && image.colorCount() == 2 && image.color(0) == kWhite &&
        image.color(1) == kBlack)
        return image;
    return fromImage(image);
}

void setDot(QImage& image, int x, int y, bool on) {
    if (image.valid(x, y)) image.setPixel(x, y, on ? 1 : 0);
}

QString toText(const QImage& image) {
    QString text;
    text.reserve((image.width() + 1) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) text += dot(image, x, y) ? QChar('#') : QChar('.');
        text += QChar('\n');
    }
    return text;
}

QImage fromText(const QString& text) {
    QStringList rows = text.split('\n', Qt::SkipEmptyParts);
    int width = 0;
    for (const QString& r : rows) width = std::max(width, static_cast<int>(r.trimmed().size()));
    QImage image = create(width, static_cast<int>(rows.size()));
    for (int y = 0; y < rows.size(); ++y) {
        const QString r = rows[y].trimmed();
        for (int x = 0; x < r.size(); ++x) setDot(image, x, y, r[x] == QChar('#'));
    }
    return image;
}

} // namespace mono
