#include "BackgroundPacking.h"

#include "MonoImage.h"
#include "SendRefused.h"
#include "SharedRoutines.h"

int resolutionNumber(const QStringList& dpiList, const QString& zoom) {
    const QString wanted = TrimBlanks(zoom);
    const qsizetype at = dpiList.indexOf(wanted);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

int scaledWidth(int mainDpi, const QString& zoom, int width) {
    if (mainDpi == 2) return width / 2;
    if (mainDpi != 1) return 0;
    const QString digits = KeepDigits(zoom);
    bool whole = !digits.isEmpty() && !digits.contains(QChar('.'));
    const qint64 r = whole ? digits.toLongLong(&whole) : 0;
    if (!whole || r > 100000)
        throw SendRefused(QStringLiteral("'%1' is not a valid integer value").arg(digits).toStdString());
    return static_cast<int>(r * width / 200);
}

QImage scaleColumns(const QImage& source, int newWidth) {
    if (newWidth <= 0) return {};
    const int height = source.height();
    QImage target = mono::create(newWidth, height);
    const int width = source.width();
    if (width <= 0) return target;
    for (int y = 0; y < height; ++y) {
        if (newWidth >= width) {
            for (int t = 0; t < newWidth; ++t)
                if (mono::dot(source, static_cast<int>(qint64(t) * width / newWidth), y)) target.setPixel(t, y, 1);
        } else {
            for (int s = 0; s < width; ++s)
                if (mono::dot(source, s, y)) target.setPixel(static_cast<int>(qint64(s) * newWidth / width), y, 1);
        }
    }
    return target;
}

QByteArray packColumns(const QImage& picture) {
    if (picture.isNull()) return {};
    const int bytesPerColumn = (picture.height() + 7) / 8;
    QByteArray packed(qsizetype(picture.width()) * bytesPerColumn, '\0');
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            if (mono::dot(picture, x, y))
                packed[qsizetype(x) * bytesPerColumn + y / 8] |= static_cast<char>(0x80 >> (y % 8));
        }
    }
    return packed;
}
