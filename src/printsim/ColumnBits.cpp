#include "printsim/ColumnBits.h"

#include "common/BitBlock.h"
#include "common/MonoImage.h"

#include <algorithm>
#include <cstring>

namespace {

// The bits of a row's last byte that lie inside `width` dots.
uchar lastByteMask(int width) {
    return static_cast<uchar>(width % 8 ? 0xFF << (8 - width % 8) : 0xFF);
}

} // namespace

QImage pictureOfColumns(const uchar* columns, int width, int height) {
    QImage picture = mono::create(width, height);
    const int perColumn = height / 8;
    const qsizetype stride = picture.bytesPerLine();
    uchar* bits = picture.bits();
    uchar block[8], rows[8];
    for (int k = 0; k < perColumn; ++k) {
        for (int j = 0; 8 * j < width; ++j) {
            const int count = std::min(8, width - 8 * j);
            for (int c = 0; c < 8; ++c) block[c] = c < count ? columns[qsizetype(8 * j + c) * perColumn + k] : 0;
            transposeBlock(block, rows);
            for (int i = 0; i < 8; ++i) bits[(8 * k + i) * stride + j] = rows[i];
        }
    }
    return picture;
}

QImage pictureOfRows(const uchar* rows, int rowBytes, int height) {
    QImage picture = mono::create(rowBytes * 8, height);
    for (int y = 0; y < height; ++y) std::memcpy(picture.scanLine(y), rows + qsizetype(y) * rowBytes, rowBytes);
    return picture;
}

void copyRows(QImage& sheet, int top, const QImage& print) {
    const int bytes = (print.width() + 7) / 8;
    if (bytes == 0) return;
    const uchar mask = lastByteMask(print.width());
    const auto rest = size_t(sheet.bytesPerLine() - bytes);
    for (int y = 0; y < print.height(); ++y) {
        uchar* line = sheet.scanLine(top + y);
        std::memcpy(line, print.constScanLine(y), bytes);
        line[bytes - 1] &= mask;
        std::memset(line + bytes, 0, rest);
    }
}
