// The glyph sets the virtual printer keeps and how it prints with them.
#include "common/MonoImage.h"
#include "model/DateStyles.h"
#include "printsim/GlyphStore.h"
#include "printsim/MessagePrint.h"

#include <gtest/gtest.h>

namespace {
// One chunk holding a whole set.
GlyphStore::Outcome addWhole(GlyphStore& store, int command, int resolution, int height, int bytes) {
    return store.add({command, resolution, height, 1, 1, QByteArray(bytes, '\xFF')});
}
} // namespace

// Sizes worked by hand: 13 x trunc(H/2 x 100n/200) x H/8 + 3 x trunc(H x 100n/200) x H/8 for standard sets;
// custom rows come in items of whole bytes (multiples of H bytes), columns in H/8 bytes.
TEST(PrinterGlyphs, SetsAreCheckedAgainstTheirSize) {
    struct Case {
        int command, resolution, height, bytes;
        bool kept;
    } cases[] = {
        {0xB8, 2, 16, 304, true}, {0xB8, 2, 16, 303, false}, {0xB8, 1, 16, 152, true},
        {0xB8, 3, 16, 456, true}, {0xB8, 2, 24, 304, false},                           // no standard height 24
        {0xB9, 1, 16, 32, true},  {0xB9, 1, 16, 24, false},  {0xB9, 2, 16, 32, false}, // rows: resolution 1 only
        {0xBA, 2, 16, 24, true},  {0xBA, 2, 16, 25, false},  {0xBA, 2, 12, 24, false},
    };
    for (const Case& c : cases) {
        GlyphStore store;
        const GlyphStore::Outcome outcome = addWhole(store, c.command, c.resolution, c.height, c.bytes);
        EXPECT_EQ(outcome.done.has_value(), c.kept) << c.command << " " << c.height << " " << c.bytes;
        EXPECT_EQ(outcome.note.contains("protocol error"), !c.kept) << qPrintable(outcome.note);
    }
    EXPECT_EQ(standardSetSize(128, 4), 38912);
}

TEST(PrinterGlyphs, ValuesUseTheSetOfTheirHeightElseTheBuiltInFont) {
    GlyphStore store;
    ASSERT_TRUE(addWhole(store, 0xB8, 1, 16, 152).done); // every glyph solid black: 4 x 16 digits
    StoredMessage message{1, 1, QByteArray(64 * 16, 0), {}};
    const QDateTime clock(QDate(2026, 12, 6), QTime(18, 9, 42));
    // Serial number "01" at 16 dots at (2, 3), spacing 1: two solid 4 x 16 glyphs at x 2..5 and 7..10.
    message.fields[2] = QByteArray::fromHex("0110000203010200000000000101 01");
    const QImage printed = printMessage(message, clock, &store).picture;
    QImage expected = mono::create(64, 128);
    for (int y = 3; y < 19; ++y)
        for (int x : {2, 3, 4, 5, 7, 8, 9, 10}) mono::setDot(expected, x, y, true);
    EXPECT_EQ(mono::toText(printed), mono::toText(expected));
    // At 32 dots there is no set: the built-in font, as without glyphs.
    message.fields[2] = QByteArray::fromHex("0220000203010200000000000101 01");
    EXPECT_EQ(mono::toText(printMessage(message, clock, &store).picture),
              mono::toText(printMessage(message, clock).picture));
}
