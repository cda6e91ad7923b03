// The element's drawing at 96 pixels per inch: sizes, bar lengths, text
// height, rotations and the setter checks. Expected values worked by hand from
// p = round(mm x 96 / 25.4), L = round(K x p), G = L x (100 - percent) / 100.
#include "barcode/Barcode.h"
#include "barcode/BarcodeLayout.h"
#include "common/MonoImage.h"

#include <gtest/gtest.h>

namespace {

// Black pixels in column x counted down from the top row.
int blackRun(const QImage& image, int x) {
    int y = 0;
    while (y < image.height() && mono::dot(image, x, y)) ++y;
    return y;
}

Barcode element(int type, const QByteArray& caption, int size = SC2, int percent = 100, bool text = true) {
    Barcode b;
    b.SetBar_CodeType(type);
    b.SetBar_Caption(caption);
    b.SetBar_ModuleWidth(size);
    b.SetBar_HeightPercent(percent);
    b.SetBar_HumanReadable(text);
    return b;
}

// The pixel of the unrotated picture that lands on (x, y) of the turned one.
QPoint source(int rotation, int x, int y, int w, int h) {
    switch (rotation) {
    case rotate_090: return {w - 1 - y, x};
    case rotate_180: return {w - 1 - x, h - 1 - y};
    case rotate_270: return {y, h - 1 - x};
    default: return {x, y};
    }
}

} // namespace

TEST(BarcodeGeometry, NewElementIs69By66) {
    Barcode b;
    EXPECT_EQ(b.Width(), 69);
    EXPECT_EQ(b.Height(), 66);
    EXPECT_EQ(b.picture().size(), QSize(69, 66));
}

TEST(BarcodeGeometry, Ean13GuardAndDataBars) {
    struct Case {
        int percent;
        int guard;
        int data;
        const char* source;
    };
    const Case cases[] = {
        {100, 74, 68, "L = round(74.24) = 74, data round(74 x 0.917) = 68"},
        {50, 37, 31, "G = 37: guard 37, data 68 - 37"},
        {200, 148, 142, "G = -74: guard 148, data 68 + 74"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const Barcode b = element(EAN_13, "1234567890128", SC2, c.percent, false);
        EXPECT_EQ(b.Width(), 116); // 95 modules + 2 x 10 quiet + 1
        EXPECT_EQ(b.Height(), c.guard + 1);
        EXPECT_EQ(b.picture().size(), QSize(b.Width(), b.Height()));
        EXPECT_EQ(blackRun(b.picture(), 9), 0);         // quiet zone
        EXPECT_EQ(blackRun(b.picture(), 10), c.guard);  // module 1: left guard
        EXPECT_EQ(blackRun(b.picture(), 15), c.data);   // module 6: first bar of digit 2 (0010011)
        EXPECT_EQ(blackRun(b.picture(), 56), c.guard);  // module 47: centre guard
        EXPECT_EQ(blackRun(b.picture(), 104), c.guard); // module 95: right guard
    }
}

TEST(BarcodeGeometry, Ean13WithTextHeight) {
    const Barcode b = element(EAN_13, "1234567890128");
    // T = round(74 x 0.18) = 13; H = 13 + round(74 x 0.9336) + 1 = 83.
    EXPECT_EQ(b.Height(), 83);
    EXPECT_EQ(blackRun(b.picture(), 10), 74);
    // Digits 2 to 7 sit under the left half, their top at row 68.
    bool ink = false;
    for (int y = 68; y < 83; ++y)
        for (int x = 14; x < 56; ++x) ink = ink || mono::dot(b.picture(), x, y);
    EXPECT_TRUE(ink);
}

TEST(BarcodeGeometry, Code39AIs49Wide) {
    const Barcode b = element(CODE39, "A");
    EXPECT_EQ(b.symbolText(), "*A*");
    EXPECT_EQ(b.Width(), 49);                // 48 modules + 1
    EXPECT_EQ(blackRun(b.picture(), 0), 56); // L = round(56.24)
    EXPECT_EQ(b.Height(), 13 + 56 + 1);      // T = round(56 x 74.24 / 56.24 x 0.18) = 13
}

TEST(BarcodeGeometry, ModuleWidthInPixels) {
    const int expected[kBarcodeSizeCount] = {1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 4, 5, 6, 7}; // round(mm x 3.7795)
    for (int sc = 0; sc < kBarcodeSizeCount; ++sc) {
        SCOPED_TRACE(sc);
        EXPECT_EQ(modulePixels(sc), expected[sc]);
        const Barcode b = element(CODE39, "A", sc);
        EXPECT_EQ(b.Width(), 48 * expected[sc] + 1);
        EXPECT_EQ(blackRun(b.picture(), 0), qRound(56.24 * expected[sc]));
    }
}

TEST(BarcodeGeometry, TextNeverAbove24Pixels) {
    for (int type : {EAN_13, CODE39, CODE128_B, Postnet}) {
        for (int sc = 0; sc < kBarcodeSizeCount; ++sc) {
            SCOPED_TRACE(testing::Message() << "type " << type << " SC" << sc);
            Barcode b = element(type, "12345678", sc);
            const Barcode off = element(type, "12345678", sc, 100, false);
            EXPECT_LE(b.Height() - off.Height(), 24);
            // Rows holding text ink: below the bars, or for EAN-13 the first digit in the left quiet zone.
            const bool ean = type == EAN_13;
            const int xEnd = ean ? 10 * modulePixels(sc) : b.Width();
            int inkRows = 0;
            for (int y = ean ? 0 : off.Height(); y < b.Height(); ++y) {
                bool ink = false;
                for (int x = 0; x < xEnd; ++x) ink = ink || mono::dot(b.picture(), x, y);
                inkRows += ink;
            }
            EXPECT_GT(inkRows, 0);
            EXPECT_LE(inkRows, 24);
        }
    }
    // SC5: L = 112, round(112 x 74.24 / 56.24 x 0.18) = 27, held at 24.
    SymbolEncoder ll;
    ll.params().codeType = CODE39;
    ll.params().moduleWidth = SC5;
    ll.encode();
    EXPECT_EQ(layoutSymbol(ll).fontHeight, 24);
    ll.params().moduleWidth = SC2;
    EXPECT_EQ(layoutSymbol(ll).fontHeight, 13);
}

TEST(BarcodeGeometry, HumanReadableOffHeight) {
    for (int type = EAN_8; type <= Codabar; ++type) {
        for (int percent : {20, 75, 100, 150}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " at " << percent << " %");
            const Barcode b = element(type, "1234", SC2, percent, false);
            const int l = (type == EAN_13 || type == UPC_A) ? 74 : 56;
            const int g = static_cast<int>(std::lround(l * (100 - percent) / 100.0));
            EXPECT_EQ(b.Height(), l - g + 1);
        }
    }
}

TEST(BarcodeGeometry, RotationsTurnThePicture) {
    const Barcode upright = element(CODE128_B, "Rot 1", SC5);
    const QImage& u = upright.picture();
    for (int rotation : {rotate_090, rotate_180, rotate_270}) {
        SCOPED_TRACE(rotation);
        Barcode b = element(CODE128_B, "Rot 1", SC5);
        b.SetBar_Rotation(rotation);
        const bool across = rotation != rotate_180;
        EXPECT_EQ(b.picture().size(), across ? u.size().transposed() : u.size());
        int differences = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x) {
                const QPoint s = source(rotation, x, y, u.width(), u.height());
                differences += mono::dot(b.picture(), x, y) != mono::dot(u, s.x(), s.y());
            }
        EXPECT_EQ(differences, 0);
    }
    // rotate_090: the first module (a bar two pixels wide) ends up along the bottom edge.
    Barcode b = element(CODE128_B, "Rot 1", SC5, 100, false);
    b.SetBar_Rotation(rotate_090);
    EXPECT_EQ(b.Width(), 113); // H = 112 + 1
    for (int x = 0; x < 112; ++x) EXPECT_TRUE(mono::dot(b.picture(), x, b.Height() - 1)) << x;
}

TEST(BarcodeGeometry, PostnetAndFimSizes) {
    // POSTNET: p = 2, pitch 4.3636, F = 12, h = 5; 32 modules: W = round(31 x 4.3636) + 2 + 1 = 138.
    const Barcode p = element(Postnet, "1234567", SC2, 100, false);
    EXPECT_EQ(p.Width(), 138);
    EXPECT_EQ(p.Height(), 13);
    EXPECT_EQ(blackRun(p.picture(), 0), 12);   // frame bar, full
    EXPECT_EQ(blackRun(p.picture(), 4), 0);    // digit 1 starts with a half bar (00011)
    EXPECT_TRUE(mono::dot(p.picture(), 4, 7)); // half bar from F - h = 7 down to 11
    EXPECT_FALSE(mono::dot(p.picture(), 4, 6));
    EXPECT_FALSE(mono::dot(p.picture(), 3, 11)); // spaces between pitches
    // With text: T = round(60 x 74.24 / 56.24 x 0.18) = 14.
    EXPECT_EQ(element(Postnet, "1234567").Height(), 27);
    // FIM: p = 3, pitch 6, F = 60; 9 modules: W = 48 + 3 + 1.
    const Barcode f = element(Postnet_FIM, "A", SC2, 100, false);
    EXPECT_EQ(f.Width(), 52);
    EXPECT_EQ(f.Height(), 61);
    const std::string fimA = "110010011";
    for (int k = 0; k < 9; ++k) EXPECT_EQ(blackRun(f.picture(), 6 * k + 1), fimA[k] == '1' ? 60 : 0) << k;
}

TEST(BarcodeGeometry, FirstRowFollowsTheModules) {
    // Every module is p pixels of its value on the top row (the bars all reach row 0).
    for (int type : {CODE39, CODE25i, CODE25iP, CODE128_A, CODE128_C, MSI_Plessey, Codabar, EAN_13, UPC_E}) {
        for (int sc : {SC2, SC9, SC14}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " SC" << sc);
            Barcode b = element(type, "2468135", sc);
            SymbolEncoder ll;
            ll.params().codeType = static_cast<std::uint8_t>(type);
            ll.params().caption = "2468135";
            ll.encode();
            const int p = modulePixels(sc);
            const int q = (type == EAN_13) ? 10 * p : 0;
            std::string row;
            for (int x = q; x < q + ll.moduleCount() * p; x += p) row += mono::dot(b.picture(), x, 0) ? '1' : '0';
            EXPECT_EQ(row, ll.moduleString());
            for (int x = q; x < q + ll.moduleCount() * p; ++x)
                ASSERT_EQ(mono::dot(b.picture(), x, 0), ll.Modules()[(x - q) / p] == 1) << x;
        }
    }
}

TEST(BarcodeElement, SetterChecksKeepTheOldValue) {
    struct Bad {
        const char* what;
        std::function<void(Barcode&)> set;
    };
    // The barcode element's own refusal messages, byte for byte.
    const Bad bad[] = {
        {"String exceeds maximum length", [](Barcode& b) { b.SetBar_Caption(QByteArray(51, '1')); }},
        {"Bar_SC_Size must be in the range 0..14!", [](Barcode& b) { b.SetBar_ModuleWidth(15); }},
        {"Bar_SC_Size must be in the range 0..14!", [](Barcode& b) { b.SetBar_ModuleWidth(-1); }},
        {"Bar_Rotate must be in the range rotate_000..rotate_270!", [](Barcode& b) { b.SetBar_Rotation(4); }},
        {"Bar_HeightPercent must be in the range 20..200!", [](Barcode& b) { b.SetBar_HeightPercent(19); }},
        {"Bar_HeightPercent must be in the range 20..200!", [](Barcode& b) { b.SetBar_HeightPercent(201); }},
    };
    for (const Bad& c : bad) {
        SCOPED_TRACE(c.what);
        Barcode b = element(CODE39, "KEEP");
        const QImage before = b.picture();
        try {
            c.set(b);
            ADD_FAILURE() << "accepted";
        } catch (const BarcodeError& e) {
            EXPECT_STREQ(e.what(), c.what);
        }
        EXPECT_EQ(b.Bar_Caption(), "KEEP");
        EXPECT_EQ(b.Bar_ModuleWidth(), SC2);
        EXPECT_EQ(b.Bar_Rotation(), rotate_000);
        EXPECT_EQ(b.Bar_HeightPercent(), 100);
        EXPECT_EQ(b.picture(), before);
    }
    Barcode b;
    b.SetBar_Caption(QByteArray(50, '1')); // 50 bytes are allowed
    EXPECT_EQ(b.Bar_Caption().size(), 50);
}

TEST(BarcodeElement, DrawErrorsKeepTheLastPicture) {
    struct Bad {
        const char* what;
        std::function<void(Barcode&)> set;
    };
    // The barcode element's own drawing messages, byte for byte.
    const Bad bad[] = {
        {"ZurazAZ: Code128 error", [](Barcode& b) { b.SetBar_Caption(QByteArray("\xD6\xD0\xCE\xC4")); }},
        {"Barcode: Unknown Type of Barcode", [](Barcode& b) { b.SetBar_CodeType(14); }},
        {"Barcode: Unknown Type of Barcode", [](Barcode& b) { b.SetBar_CodeType(-1); }},
    };
    for (const Bad& c : bad) {
        SCOPED_TRACE(c.what);
        Barcode b = element(CODE128_B, "ok");
        const QImage before = b.picture();
        try {
            c.set(b);
            ADD_FAILURE() << "drawn";
        } catch (const BarcodeError& e) {
            EXPECT_STREQ(e.what(), c.what);
        }
        EXPECT_EQ(b.drawError(), QString::fromUtf8(c.what));
        EXPECT_EQ(b.picture(), before);
        EXPECT_EQ(QSize(b.Width(), b.Height()), before.size());
    }
}

TEST(BarcodeElement, PaintSurvivesAnyCaption) {
    const QByteArray captions[] = {"",
                                   QByteArray(50, 'z'),
                                   "\xD6\xD0\xB9\xFA",
                                   QByteArray(50, '\xFF'),
                                   QByteArray("\x00\x01\x7F", 3),
                                   "\x81\x61\x81"};
    for (int type = 0; type < kBarcodeTypeCount; ++type)
        for (const QByteArray& caption : captions) {
            Barcode b;
            b.SetBar_CodeType(type);
            try {
                b.SetBar_Caption(caption);
                EXPECT_EQ(b.picture().size(), QSize(b.Width(), b.Height()));
            } catch (const BarcodeError& e) {
                EXPECT_STREQ(e.what(), "ZurazAZ: Code128 error") << type;
            }
        }
}

TEST(BarcodeElement, SetBoundsRedraws) {
    Barcode b = element(CODE39, "A");
    b.setBounds(40, 50, 10, 10); // AutoSize: the symbol's size wins
    EXPECT_EQ(QPoint(b.Left(), b.Top()), QPoint(40, 50));
    EXPECT_EQ(QSize(b.Width(), b.Height()), QSize(49, 70));
    b.setAutoSize(false);
    b.setBounds(0, 0, 20, 30); // without AutoSize the element keeps the given size, drawing what fits
    EXPECT_EQ(b.picture().size(), QSize(20, 30));
    EXPECT_TRUE(mono::dot(b.picture(), 0, 0));
}

TEST(BarcodeElement, CodabarUpperCasesTheStoredCaption) {
    Barcode b = element(Codabar, "b12c");
    EXPECT_EQ(b.Bar_Caption(), "B12C");
    EXPECT_EQ(b.symbolText(), "B12C");
}

TEST(BarcodeElement, DrawSymbolInRectCopiesOneToOne) {
    const Barcode b = element(EAN_8, "1234567", SC5);
    QImage canvas = mono::create(b.Width() + 30, b.Height() + 20);
    b.drawSymbolInRect(canvas, QRect(17, 9, b.Width(), b.Height()));
    EXPECT_EQ(canvas.copy(17, 9, b.Width(), b.Height()), b.picture());
    int outside = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (!QRect(17, 9, b.Width(), b.Height()).contains(x, y)) outside += mono::dot(canvas, x, y);
    EXPECT_EQ(outside, 0);
    // DrawSymbol on a colour canvas at an origin gives the same dots.
    QImage colour(b.Width() + 5, b.Height() + 5, QImage::Format_RGB32);
    colour.fill(Qt::white);
    EXPECT_EQ(b.drawSymbol(colour, 5, 5), QSize(b.Width(), b.Height()));
    EXPECT_EQ(mono::fromImage(colour.copy(5, 5, b.Width(), b.Height())), b.picture());
}
