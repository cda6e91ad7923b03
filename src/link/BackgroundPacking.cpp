#include "link/BackgroundPacking.h"

#include "common/MonoImage.h"
#include "link/SendRefused.h"
#include "common/SharedRoutines.h"

int resolutionNumber(const QStringList& dpiList, const QString& zoom) {
    const QString wanted = trimBlanks(zoom);
    const qsizetype at = dpiList.indexOf(wanted);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

int scaledWidth(int mainDpi, const QString& zoom, int width) {
    if (mainDpi == 2) return width / 2;
    if (mainDpi != 1) return 0;
    const QString digits = keepDigits(zoom);
    const std::optional<qint64> r = digits.contains(QChar('.')) ? std::nullopt : StrToInt64(digits);
    if (!r || *r > 100000)
        throw SendRefused(QStringLiteral("'%1' is not a valid integer value").arg(digits).toStdString());
    return static_cast<int>(*r * width / 200);
}

QImage scaleColumns(const QImage& picture, int newWidth) {
    if (newWidth <= 0) return {};
    const QImage source = mono::normalized(picture);
    const int height = source.height();
    const int width = source.width();
    QImage target = mono::create(newWidth, height);
    if (width <= 0) return target;
    for (int y = 0; y < height; ++y) {
        const uchar* from = source.constScanLine(y);
        uchar* to = target.scanLine(y);
        const auto set = [to](int x) { to[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7)); };
        if (newWidth >= width) { // stretch: every target column repeats its source column
            for (int t = 0; t < newWidth; ++t)
                if (mono::rowDot(from, static_cast<int>(qint64(t) * width / newWidth))) set(t);
        } else { // squeeze: a target column holds every dot of its source columns
            for (int s = 0; s < width; ++s)
                if (mono::rowDot(from, s)) set(static_cast<int>(qint64(s) * newWidth / width));
        }
    }
    return target;
}

QByteArray packColumns(const QImage& image) {
    if (image.isNull()) return {};
    const QImage picture = mono::normalized(image);
    const int bytesPerColumn = (picture.height() + 7) / 8;
    QByteArray packed(qsizetype(picture.width()) * bytesPerColumn, '\0');
    char* out = packed.data();
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* line = picture.constScanLine(y);
        const char bit = static_cast<char>(0x80 >> (y % 8));
        for (int x = 0; x < picture.width(); ++x)
            if (mono::rowDot(line, x)) out[qsizetype(x) * bytesPerColumn + y / 8] |= bit;
    }
    return packed;
}
