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
        uchar* dots = out.scanLine(y); // bit 7 of byte 0 is the leftmost dot
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 0 && qGray(line[x]) < threshold) dots[x >> 3] |= uchar(0x80 >> (x & 7));
    }
    return out;
}

bool dot(const QImage& image, int x, int y) {
    if (!image.valid(x, y)) return false;
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        return image.color(image.pixelIndex(x, y)) == kBlack;
    return qGray(image.pixel(x, y)) < 128;
}

bool isNormalized(const QImage& image) {
    return image.format() == QImage::Format_Mono && image.colorCount() == 2 && image.color(0) == kWhite &&
           image.color(1) == kBlack;
}

QImage normalized(const QImage& image) {
    return isNormalized(image) ? image : fromImage(image);
}

void setDot(QImage& image, int x, int y, bool on) {
    if (image.valid(x, y)) image.setPixel(x, y, on ? 1 : 0);
}

namespace {

// Copies `count` bits starting at bit `from` of one row to bit `to` of another,
// at most one target byte at a time; adding them only sets the target's bits.
void copyBits(const uchar* source, int from, uchar* target, int to, int count, bool add) {
    while (count > 0) {
        const int n = std::min(count, 8 - (to & 7));
        const int at = from >> 3;
        const int offset = from & 7;
        unsigned window = unsigned(source[at]) << 8;
        if (offset + n > 8) window |= source[at + 1];
        const unsigned bits = (window << offset >> (16 - n)) & ((1u << n) - 1);
        const int shift = 8 - (to & 7) - n;
        const unsigned mask = ((1u << n) - 1) << shift;
        uchar& byte = target[to >> 3];
        byte = static_cast<uchar>((add ? byte : byte & ~mask) | (bits << shift));
        from += n;
        to += n;
        count -= n;
    }
}

// Adds a whole source row of `width` dots at bit `to` of the target row, a
// source byte at a time (the bits past the width are left out). The caller has
// made sure that every dot lands inside the target's width.
void addRow(const uchar* source, int width, uchar* target, int to) {
    const int shift = to & 7;
    uchar* at = target + (to >> 3);
    const int bytes = (width + 7) / 8;
    const auto lastMask = static_cast<uchar>(width % 8 ? 0xFF << (8 - width % 8) : 0xFF);
    for (int b = 0; b < bytes; ++b) {
        const auto s = static_cast<uchar>(b == bytes - 1 ? source[b] & lastMask : source[b]);
        if (!s) continue;
        at[b] |= static_cast<uchar>(s >> shift);
        if (const auto low = static_cast<uchar>(s << (8 - shift)); shift && low) at[b + 1] |= low;
    }
}

// What copyRect and addDots share; add leaves the target's dots where the source is white.
void blit(QImage& target, QPoint to, const QImage& source, const QRect& from, bool add) {
    if (from.width() <= 0 || from.height() <= 0) return;
    // Keep only what lies inside both pictures.
    QRect src = from.intersected(source.rect());
    src = src.intersected(target.rect().translated(from.topLeft() - to));
    if (src.isEmpty()) return;
    const QPoint shift = to - from.topLeft();
    if (!isNormalized(target) || !isNormalized(source)) {
        for (int y = src.top(); y <= src.bottom(); ++y)
            for (int x = src.left(); x <= src.right(); ++x)
                if (!add || dot(source, x, y)) setDot(target, x + shift.x(), y + shift.y(), dot(source, x, y));
        return;
    }
    const uchar* in = source.constBits() + src.top() * source.bytesPerLine();
    uchar* out = target.bits() + (src.top() + shift.y()) * target.bytesPerLine();
    const bool wholeRows = add && src.left() == 0 && src.width() == source.width();
    for (int y = src.top(); y <= src.bottom(); ++y, in += source.bytesPerLine(), out += target.bytesPerLine()) {
        if (wholeRows) addRow(in, src.width(), out, shift.x());
        else copyBits(in, src.left(), out, src.left() + shift.x(), src.width(), add);
    }
}

} // namespace

void copyRect(QImage& target, QPoint to, const QImage& source, const QRect& from) {
    blit(target, to, source, from, false);
}

void addDots(QImage& target, QPoint to, const QImage& source) {
    blit(target, to, source, source.rect(), true);
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
