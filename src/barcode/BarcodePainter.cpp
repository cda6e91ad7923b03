#include "barcode/BarcodePainter.h"

#include "barcode/BarcodeText.h"
#include "common/Gbk.h"
#include "common/MonoImage.h"

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
    QRect edges(int l, int t, int r, int b) const { return QRect(QPoint(x0 + l, y0 + t), QPoint(x0 + r - 1, y0 + b - 1)); }
};

// Sets the dots of a canvas rectangle (clipped) to black.
class Ink {
public:
    explicit Ink(QImage& canvas) : canvas_(canvas) {
        if (isMono(canvas)) {
            const auto table = canvas.colorTable();
            blackIndex_ = table.size() > 0 && table[0] == mono::kBlack ? 0 : 1;
        }
    }
    void fill(const QRect& rect) {
        const QRect r = rect.intersected(canvas_.rect());
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) dot(x, y);
    }
    void dot(int x, int y) {
        if (!canvas_.valid(x, y)) return;
        if (blackIndex_ >= 0) canvas_.setPixel(x, y, static_cast<uint>(blackIndex_));
        else canvas_.setPixelColor(x, y, Qt::black);
    }

private:
    QImage& canvas_;
    int blackIndex_ = -1;
};

void paintText(Ink& ink, const Turn& turn, const TextPiece& piece, const QFont& font) {
    const QImage glyphs = renderText(gbk::decode(QByteArray::fromStdString(piece.text)), font);
    const int left = piece.anchorX - glyphs.width() / 2;
    for (int v = 0; v < glyphs.height(); ++v)
        for (int u = 0; u < glyphs.width(); ++u)
            if (glyphs.pixel(u, v) != mono::kWhite) {
                const int x = left + u;
                const int y = piece.anchorY + v;
                ink.fill(turn.map(x, y, x + 1, y + 1));
            }
}

} // namespace

QSize rotatedSize(const BarcodeLayout& layout, int rotation) {
    const bool across = rotation == rotate_090 || rotation == rotate_270;
    return across ? QSize(layout.height, layout.width) : QSize(layout.width, layout.height);
}

void paintLayout(QImage& canvas, int x0, int y0, const BarcodeLayout& layout, int rotation,
                 const QString& fontName) {
    Ink ink(canvas);
    const Turn turn{x0, y0, layout.width, layout.height, rotation};
    for (const BarRect& bar : layout.bars) ink.fill(turn.map(bar.x1, bar.y1, bar.x2, bar.y2));
    if (layout.texts.empty()) return;
    const QFont font = textFont(fontName, layout.fontHeight);
    for (const TextPiece& piece : layout.texts) paintText(ink, turn, piece, font);
}

void stretchOnto(QImage& target, const QRect& rect, const QImage& source) {
    if (rect.isEmpty() || source.isNull()) return;
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
