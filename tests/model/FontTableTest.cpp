#include "model/FontTable.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

// Expected values: the printer font-height table (label, dots, points, size code).
TEST(FontTable, EveryLabelConvertsBothWays) {
    struct Row {
        const char* label;
        int dots, points, code;
    };
    // The printer's six font heights: label, dots, preview points, size code.
    const Row rows[] = {
        {"16(2mm)", 16, 12, 1}, {"32(3mm)", 32, 24, 2},  {"48(6mm)", 48, 36, 3},
        {"64(9mm)", 64, 48, 4}, {"96(13mm)", 96, 72, 5}, {"128(17mm)", 128, 96, 6},
    };
    for (const Row& r : rows) {
        const QString label = QString::fromUtf8(r.label);
        SCOPED_TRACE(r.label);
        EXPECT_EQ(labelToDots(label), r.dots);
        EXPECT_EQ(labelToPoints(label), r.points);
        EXPECT_EQ(dotsToLabel(r.dots), label);
        EXPECT_EQ(dotsToSizeCode(r.dots), r.code);
        // The preview height in dots equals the printer height.
        EXPECT_EQ(pointsToDots(r.points), r.dots);
    }
    EXPECT_EQ(fontHeightLabels().size(), 6);
}

// Fallbacks: an unknown label is 16 dots / 12 points, an unknown height
// "16(2mm)" / code 1. Labels compare exactly (no trimming, case matters).
TEST(FontTable, UnknownLabelsAndHeightsFallBackToTheSmallest) {
    for (const char* label : {"", "16", " 32(3mm)", "32(3MM)", "32(3mm) ", "200(30mm)"}) {
        SCOPED_TRACE(label);
        EXPECT_EQ(labelToDots(QString::fromUtf8(label)), 16);
        EXPECT_EQ(labelToPoints(QString::fromUtf8(label)), 12);
    }
    for (int dots : {0, -16, 17, 24, 127, 129, 256}) {
        SCOPED_TRACE(dots);
        EXPECT_EQ(dotsToLabel(dots), QStringLiteral("16(2mm)"));
        EXPECT_EQ(dotsToSizeCode(dots), 1);
    }
}

// Points at 96 dots per inch, halves going up; box = height + 2, + 3 at 24 points.
TEST(FontTable, PointSizesGiveCharacterAndBoxHeights) {
    struct Row {
        int points, dots, box;
    };
    // Worked by hand: dots = points × 96/72 to the nearest dot, halves up; box = dots + 2
    // (+ 3 at 24 points). The first six are the printer's heights and box heights.
    const Row rows[] = {
        {12, 16, 18}, {24, 32, 35}, {36, 48, 50}, {48, 64, 66}, {72, 96, 98}, {96, 128, 130}, // the table
        {9, 12, 14},                                                                          // 9 * 4/3 = 12
        {8, 11, 13},                                                                          // 10.67 rounds up
        {10, 13, 15},                                                                         // 13.33 rounds down
        {11, 15, 17},                                                                         // 14.67
        {3, 4, 6},                                                                            // 4 exactly
        {0, 0, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.points);
        EXPECT_EQ(pointsToDots(r.points), r.dots);
        EXPECT_EQ(textBoxHeight(r.points), r.box);
    }
    // 6 dots are 4.5 points, which goes up to 5.
    EXPECT_EQ(dotsToPoints(6), 5);
    EXPECT_EQ(dotsToPoints(128), 96);
}

// Display names stand for the printer faces; blanks around a display name are
// ignored; any other name is a face itself.
TEST(FontTable, PrinterFacesAndTheirDisplayNames) {
    struct Row {
        const char* name;
        const char* face;
    };
    // The printer's two faces under their display names; the other rows worked by hand from
    // "blanks around are ignored, any other name is a face itself".
    const Row rows[] = {
        {"岱霖字体1", "Dots All For Now JL"},
        {"岱霖字体2", "Dot Matrix"},
        {"  岱霖字体2 ", "Dot Matrix"},
        {"宋体", "宋体"},
        {"Arial", "Arial"},
        {"岱霖字体3", "岱霖字体3"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(printerFaceForName(QString::fromUtf8(r.name)), QString::fromUtf8(r.face));
    }
    EXPECT_EQ(displayNameForFace(QStringLiteral(" Dot Matrix ")), QStringLiteral("岱霖字体2"));
    EXPECT_EQ(displayNameForFace(QStringLiteral("Dots All For Now JL")), QStringLiteral("岱霖字体1"));
    EXPECT_EQ(displayNameForFace(QStringLiteral("Arial")), QStringLiteral("Arial"));
    EXPECT_EQ(printerFaceDisplayNames(), (QStringList{QStringLiteral("岱霖字体1"), QStringLiteral("岱霖字体2")}));
}
