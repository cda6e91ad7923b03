#include "printsim/ColumnBits.h"

#include "common/MonoImage.h"

#include <algorithm>
#include <cstring>

namespace {

// An 8 x 8 block of dots turned about its diagonal: byte c of the input is
// column c (bit 7 its upper row), byte r of the output is row r (bit 7 its
// leftmost dot).
void turnBlock(const uchar in[8], uchar out[8]) {
    quint64 x = 0;
    for (int i = 0; i < 8; ++i) x = x << 8 | in[i];
    quint64 t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAULL;
    x ^= t ^ (t << 7);
    t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCULL;
    x ^= t ^ (t << 14);
    t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ULL;
    x ^= t ^ (t << 28);
    for (int r = 7; r >= 0; --r, x >>= 8) out[r] = static_cast<uchar>(x);
}

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
            turnBlock(block, rows);
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
