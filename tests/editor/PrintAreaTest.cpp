// Which fields stick out of the print area (128 dots high, as long as the canvas).
#include "editor/PrintArea.h"
#include "model/FieldPlacement.h"

#include <gtest/gtest.h>

TEST(PrintArea, OutsidePartOfARectangle) {
    // Worked by hand: the print area is the 128 dots under the head, as long as the canvas.
    const struct {
        const char* name;
        QRect field;
        QRect outside; // worked by hand against the strip 0..511 x 0..127
    } rows[] = {
        {"inside, touching both far edges", {448, 96, 64, 32}, {}},
        {"one row below the strip", {0, 97, 64, 32}, {0, 128, 64, 1}},
        {"one column past the canvas", {449, 0, 64, 32}, {512, 0, 1, 32}},
        {"above the strip (a shift of 130 dots rests at y -2)", {10, -2, 40, 130}, {10, -2, 40, 2}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(outsidePrintArea(r.field, 512), r.outside.isNull() ? QRegion() : QRegion(r.outside));
    }
}

TEST(PrintArea, TheDefaultBarcodeSticksOutAndIsNamedAsTheOperatorSeesIt) {
    MessageTemplate message;
    placeField(message, csStr, 0, 0);                                // inside
    FieldElement& barcode = placeField(message, csBarCode, 120, 10); // the default EAN-13
    ASSERT_GT(barcode.Height(), 128 - 10);
    placeField(message, csDate, 500, 0); // past the 512-dot canvas
    message.SetNextControlNo(65);
    placeField(message, csStr, 600, 0); // ControlNo65 is never sent
    const QList<FieldOutside> outside = fieldsOutsidePrintArea(message, 512);
    ASSERT_EQ(outside.size(), 2);
    EXPECT_EQ(outside[0].label, QStringLiteral("条码（X 120，Y 10）"));
    EXPECT_EQ(outside[0].outside, QRegion(120, 128, barcode.Width(), barcode.Height() + 10 - 128));
    EXPECT_EQ(outside[1].label, QStringLiteral("时间（X 500，Y 0）"));
    EXPECT_TRUE(fieldsOutsidePrintArea(message, 2000).size() == 1); // a longer canvas takes the date
}
