#include "barcode/BarcodePainter.h"

#include "barcode/BarcodeText.h"
#include "common/MonoImage.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

namespace {

bool isMono(const QImage& image) {
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
}

// Maps unrotated rectangles (relative to the origin, right and bottom
// exclusive) onto the canvas: turned counter-clockwise about the origin.
struct Turn {
    int x0, y0, w, h, rotation;

    QRect map(int x1, int y1, int x2, int y2) const {
        switch (rotation) {
        case rotate_090: return edges(y1, w - x2, y2, w - x1);
        case rotate_180: return edges(w - x2, h - y2, w - x1, h - y1);
        case rotate_270: return edges(h - y2, x1, h - y1, x2);
        default: return edges(x1, y1, x2, y2);
        }
    }
    QRect edges(int l, int t, int r, int b) const {
        return QRect(QPoint(x0 + l, y0 + t), QPoint(x0 + r - 1, y0 + b - 1));
    }
};

// Sets dots of a canvas to black: on a 1-bit canvas (most significant bit
// first) straight in its rows, on any other canvas pixel by pixel.
class Ink {
public:
    using Rects = QVarLengthArray<QRect, 256>;
    explicit Ink(QImage& canvas) : canvas_(canvas) {
        if (isMono(canvas)) {
            blackIndex_ = canvas.colorCount() > 0 && canvas.color(0) == mono::kBlack ? 0 : 1;
            if (canvas.format() == QImage::Format_Mono) bits_ = canvas.bits();
        }
    }
    // Black rectangles, clipped to the canvas. On a 1-bit canvas the rows
    // between two neighbouring rectangle edges all look alike: one such row is
    // built and laid onto each of them.
    void fill(Rects& rects) {
        const int width = canvas_.width(), height = canvas_.height();
        for (QRect& r : rects)
            r.setCoords(std::max(r.left(), 0), std::max(r.top(), 0), std::min(r.right(), width - 1),
                        std::min(r.bottom(), height - 1));
        rects.erase(std::remove_if(rects.begin(), rects.end(),
                                   [](const QRect& r) { return r.left() > r.right() || r.top() > r.bottom(); }),
                    rects.end());
        if (!bits_) {
            for (const QRect& r : rects)
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x) dot(x, y);
            return;
        }
        QVarLengthArray<int, 64> edges; // few distinct values: the bars of a symbol share their ends
        const auto addEdge = [&edges](int y) {
            if (std::find(edges.begin(), edges.end(), y) == edges.end()) edges.push_back(y);
        };
        for (const QRect& r : rects) addEdge(r.top()), addEdge(r.bottom() + 1);
        std::sort(edges.begin(), edges.end());
        const qsizetype stride = canvas_.bytesPerLine();
        QVarLengthArray<uchar, 512> row(stride);
        std::fill(row.begin(), row.end(), uchar(0));
        for (qsizetype e = 0; e + 1 < edges.size(); ++e) {
            const int top = edges[e], bottom = edges[e + 1]; // bottom exclusive
            int first = static_cast<int>(stride), last = -1;
            for (const QRect& r : rects) {
                if (r.top() > top || r.bottom() < bottom - 1) continue;
                span(row.data(), r.left(), r.right());
                first = std::min(first, r.left() >> 3);
                last = std::max(last, r.right() >> 3);
            }
            const uchar* __restrict pattern = row.data();
            for (int y = top; y < bottom && last >= 0; ++y) {
                uchar* __restrict line = bits_ + y * stride;
                if (blackIndex_)
                    for (int b = first; b <= last; ++b) line[b] |= pattern[b];
                else
                    for (int b = first; b <= last; ++b) line[b] &= static_cast<uchar>(~pattern[b]);
            }
            if (last >= 0) std::fill(row.begin() + first, row.begin() + last + 1, uchar(0));
        }
    }
    void dot(int x, int y) {
        if (!canvas_.valid(x, y)) return;
        if (bits_) {
            uchar& byte = bits_[y * canvas_.bytesPerLine() + (x >> 3)];
            const uchar bit = static_cast<uchar>(0x80 >> (x & 7));
            byte = blackIndex_ ? byte | bit : byte & ~bit;
        } else if (blackIndex_ >= 0) {
            canvas_.setPixel(x, y, static_cast<uint>(blackIndex_));
        } else {
            canvas_.setPixelColor(x, y, Qt::black);
        }
    }

private:
    // Sets the bits of columns left to right (inclusive) of one row.
    static void span(uchar* row, int left, int right) {
        const int lb = left >> 3, rb = right >> 3;
        const auto leftMask = static_cast<uchar>(0xFF >> (left & 7));
        const auto rightMask = static_cast<uchar>(0xFF << (7 - (right & 7)));
        if (lb == rb) {
            row[lb] |= leftMask & rightMask;
            return;
        }
        row[lb] |= leftMask;
        std::memset(row + lb + 1, 0xFF, static_cast<size_t>(rb - lb - 1));
        row[rb] |= rightMask;
    }

    QImage& canvas_;
    uchar* bits_ = nullptr;
    int blackIndex_ = -1;
};

// Unturned on a 1-bit canvas the text's rows are laid on whole; turned, dot by dot.
void paintText(QImage& canvas, Ink& ink, const Turn& turn, const TextPiece& piece, const QString& face,
               int cellHeight) {
    const auto size = static_cast<qsizetype>(piece.text.size());
    const QImage dots = symbolText(QByteArray::fromRawData(piece.text.data(), size), face, cellHeight);
    const int left = piece.anchorX - dots.width() / 2;
    if (turn.rotation == rotate_000 && mono::isNormalized(canvas)) {
        mono::addDots(canvas, QPoint(turn.x0 + left, turn.y0 + piece.anchorY), dots);
        return;
    }
    const int width = dots.width();
    for (int v = 0; v < dots.height(); ++v) {
        const uchar* line = dots.constScanLine(v);
        for (int u = 0; u < width; ++u) {
            if (!mono::rowDot(line, u)) continue;
            const int x = left + u;
            const int y = piece.anchorY + v;
            const QRect at = turn.map(x, y, x + 1, y + 1);
            ink.dot(at.left(), at.top());
        }
    }
}

} // namespace

QSize rotatedSize(const BarcodeLayout& layout, int rotation) {
    const bool across = rotation == rotate_090 || rotation == rotate_270;
    return across ? QSize(layout.height, layout.width) : QSize(layout.width, layout.height);
}

void paintLayout(QImage& canvas, int x0, int y0, const BarcodeLayout& layout, int rotation, const QString& fontName) {
    Ink ink(canvas);
    const Turn turn{x0, y0, layout.width, layout.height, rotation};
    Ink::Rects bars;
    bars.reserve(static_cast<qsizetype>(layout.bars.size()));
    for (const BarRect& bar : layout.bars) bars.push_back(turn.map(bar.x1, bar.y1, bar.x2, bar.y2));
    ink.fill(bars);
    for (const TextPiece& piece : layout.texts) paintText(canvas, ink, turn, piece, fontName, layout.fontHeight);
}

void stretchOnto(QImage& target, const QRect& rect, const QImage& source) {
    if (rect.isEmpty() || source.isNull()) return;
    if (rect.size() == source.size() && mono::isNormalized(target)) { // one to one: whole rows
        mono::copyRect(target, rect.topLeft(), source, source.rect());
        return;
    }
    const QRect clip = rect.intersected(target.rect());
    const bool mono = isMono(target);
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const int sy = static_cast<int>((static_cast<long long>(y - rect.top()) * source.height()) / rect.height());
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const int sx = static_cast<int>((static_cast<long long>(x - rect.left()) * source.width()) / rect.width());
            const bool black = mono::dot(source, sx, sy);
            if (mono) target.setPixel(x, y, target.color(0) == (black ? mono::kBlack : mono::kWhite) ? 0 : 1);
            else target.setPixelColor(x, y, black ? Qt::black : Qt::white);
        }
    }
}
