// The painter compared with a dot-by-dot drawing of the same layout: every
// bar rectangle and every pixel of each text piece (rendered in the text font,
// centred on its anchor) turned about the origin as the element turns it.
#include "barcode/Barcode.h"
#include "barcode/BarcodePainter.h"
#include "barcode/BarcodeText.h"
#include "common/Gbk.h"
#include "common/MonoImage.h"

#include <gtest/gtest.h>

namespace {

QPoint turned(int rotation, int x, int y, int w, int h) {
    switch (rotation) {
    case rotate_090: return {y, w - 1 - x};
    case rotate_180: return {w - 1 - x, h - 1 - y};
    case rotate_270: return {h - 1 - y, x};
    default: return {x, y};
    }
}

QImage dotByDot(const BarcodeLayout& layout, int rotation, QPoint origin, QSize canvas) {
    QImage picture = mono::create(canvas.width(), canvas.height());
    const auto put = [&](int x, int y) {
        const QPoint p = origin + turned(rotation, x, y, layout.width, layout.height);
        mono::setDot(picture, p.x(), p.y(), true);
    };
    for (const BarRect& bar : layout.bars)
        for (int y = bar.y1; y < bar.y2; ++y)
            for (int x = bar.x1; x < bar.x2; ++x) put(x, y);
    for (const TextPiece& piece : layout.texts) {
        const QImage text = renderText(gbk::decode(QByteArray::fromStdString(piece.text)),
                                       textFont(QStringLiteral("Arial"), layout.fontHeight));
        for (int v = 0; v < text.height(); ++v)
            for (int u = 0; u < text.width(); ++u)
                if (text.pixel(u, v) != mono::kWhite) put(piece.anchorX - text.width() / 2 + u, piece.anchorY + v);
    }
    return picture;
}

} // namespace

TEST(BarcodePainter, DrawsWhatTheLayoutSaysDotByDot) {
    const char* const captions[] = {"1234567",  "1234567890128", "03600029145", "0123456",   "CODE-39",
                                    "12345678", "12345678901",   "ABC",         "Hello 128", "12345678",
                                    "1234",     "40156",         "12345",       "A"};
    for (int type = EAN_8; type <= Postnet_FIM; ++type) {
        for (int rotation = rotate_000; rotation <= rotate_270; ++rotation) {
            SCOPED_TRACE(QStringLiteral("type %1 rotation %2").arg(type).arg(rotation).toStdString());
            Barcode b;
            b.SetBar_CodeType(type);
            b.SetBar_Caption(captions[type]);
            b.SetBar_ModuleWidth(type % 2 ? SC5 : SC2);
            b.SetBar_Rotation(rotation);
            SymbolEncoder encoder;
            encoder.params() = BarcodeParams{};
            encoder.params().codeType = static_cast<std::uint8_t>(type);
            encoder.params().caption = b.Bar_Caption().toStdString();
            encoder.params().moduleWidth = static_cast<std::uint8_t>(b.Bar_ModuleWidth());
            encoder.encode();
            const BarcodeLayout layout = layoutSymbol(encoder);
            // On a larger canvas, away from its corner, so that clipping shows too.
            const QSize canvas(b.Width() + 7, b.Height() - 3);
            QImage painted = mono::create(canvas.width(), canvas.height());
            paintLayout(painted, 5, -2, layout, rotation, QStringLiteral("Arial"));
            EXPECT_EQ(mono::toText(painted), mono::toText(dotByDot(layout, rotation, {5, -2}, canvas)));
        }
    }
}

// Drawing held: values are checked and stored, nothing is drawn until released.
TEST(BarcodeElement, HeldDrawingChecksAtOnceAndDrawsOnRelease) {
    Barcode b;
    b.holdDrawing();
    b.SetBar_CodeType(CODE39);
    b.SetBar_Caption("A");
    EXPECT_THROW(b.SetBar_HeightPercent(10), BarcodeError); // range checks stay immediate
    EXPECT_EQ(b.picture().size(), QSize(69, 66));           // the new element's size: not drawn yet
    b.releaseDrawing();
    EXPECT_EQ(b.picture().size(), QSize(49, b.Height())); // CODE39 "A" at SC2: 48 modules + 1
    b.holdDrawing();
    b.SetBar_CodeType(14); // cannot be drawn; found out when released
    EXPECT_THROW(b.releaseDrawing(), BarcodeError);
    EXPECT_EQ(b.drawError(), "Barcode: Unknown Type of Barcode");
}
