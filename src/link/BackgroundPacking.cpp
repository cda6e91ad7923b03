#include "link/BackgroundPacking.h"

#include "common/BitBlock.h"
#include "common/MonoImage.h"
#include "common/NumberText.h"
#include "common/TextPieces.h"
#include "link/SendRefused.h"

#include <algorithm>
#include <cstring>

namespace {

int columnBytes(int height) {
    return (height + 7) / 8;
}

} // namespace

int resolutionNumber(const QStringList& dpiList, const QString& resolution) {
    const QString wanted = trimBlanks(resolution);
    const qsizetype at = dpiList.indexOf(wanted);
    return at < 0 ? 0 : static_cast<int>(at) + 1;
}

int scaledWidth(int widthMode, const QString& resolution, int width) {
    if (widthMode == 2) return width / 2;
    if (widthMode != 1) return 0;
    const QString digits = keepDigits(resolution);
    const std::optional<qint64> r = digits.contains(QChar('.')) ? std::nullopt : readInt64(digits);
    if (!r || *r > 100000)
        throw SendRefused(QStringLiteral("'%1' is not a valid integer value").arg(digits).toStdString());
    return static_cast<int>(*r * width / 200);
}

QImage scaleColumns(const QImage& picture, int newWidth) {
    if (newWidth <= 0) return {};
    const QImage source = mono::normalized(picture);
    const int height = source.height();
    return unpackColumns(scalePackedColumns(packColumns(source), columnBytes(height), newWidth), newWidth, height);
}

QByteArray scalePackedColumns(const QByteArray& packed, int bytesPerColumn, int newWidth) {
    QByteArray scaled(qsizetype(std::max(newWidth, 0)) * bytesPerColumn, '\0');
    const qsizetype width = bytesPerColumn > 0 ? packed.size() / bytesPerColumn : 0;
    if (width <= 0 || newWidth <= 0) return scaled;
    const char* from = packed.constData();
    char* to = scaled.data();
    if (newWidth >= width) { // stretch: every target column repeats its source column
        for (qsizetype t = 0; t < newWidth; ++t)
            std::memcpy(to + t * bytesPerColumn, from + (t * width / newWidth) * bytesPerColumn, bytesPerColumn);
    } else { // squeeze: a target column holds every dot of its source columns
        for (qsizetype s = 0; s < width; ++s) {
            char* column = to + (s * newWidth / width) * bytesPerColumn;
            for (int b = 0; b < bytesPerColumn; ++b) column[b] |= from[s * bytesPerColumn + b];
        }
    }
    return scaled;
}

QByteArray packColumns(const QImage& image) {
    if (image.isNull()) return {};
    const QImage picture = mono::normalized(image);
    const int width = picture.width();
    const int height = picture.height();
    const int bytesPerColumn = columnBytes(height);
    QByteArray packed(qsizetype(width) * bytesPerColumn, '\0');
    auto* out = reinterpret_cast<uchar*>(packed.data());
    static const uchar kBlank[8] = {};
    uchar rows[8], columns[8];
    for (int k = 0; k < bytesPerColumn; ++k) {
        const uchar* lines[8];
        for (int i = 0; i < 8; ++i) lines[i] = 8 * k + i < height ? picture.constScanLine(8 * k + i) : kBlank;
        for (int j = 0; 8 * j < width; ++j) {
            for (int i = 0; i < 8; ++i) rows[i] = lines[i] == kBlank ? 0 : lines[i][j];
            transposeBlock(rows, columns);
            const int count = std::min(8, width - 8 * j);
            for (int c = 0; c < count; ++c) out[qsizetype(8 * j + c) * bytesPerColumn + k] = columns[c];
        }
    }
    return packed;
}

QImage unpackColumns(const QByteArray& packed, int width, int height) {
    QImage picture = mono::create(width, height);
    const int bytesPerColumn = columnBytes(height);
    if (packed.size() < qsizetype(width) * bytesPerColumn) return picture;
    const auto* in = reinterpret_cast<const uchar*>(packed.constData());
    uchar* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    uchar rows[8], columns[8];
    for (int k = 0; k < bytesPerColumn; ++k) {
        const int rowCount = std::min(8, height - 8 * k);
        for (int j = 0; 8 * j < width; ++j) {
            const int count = std::min(8, width - 8 * j);
            for (int c = 0; c < 8; ++c) columns[c] = c < count ? in[qsizetype(8 * j + c) * bytesPerColumn + k] : 0;
            transposeBlock(columns, rows);
            for (int i = 0; i < rowCount; ++i) bits[(8 * k + i) * stride + j] = rows[i];
        }
    }
    return picture;
}
