#include "common/MonoImage.h"
#include "glyphs/Code16File.h"
#include "glyphs/CustomGlyphs.h"
#include "glyphs/GlyphDrawing.h"
#include "glyphs/GlyphPacking.h"
#include "glyphs/GlyphPayloads.h"
#include "glyphs/StandardGlyphs.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QImage bar(int width, int height, bool vertical, int at) {
    QImage image = mono::create(width, height);
    for (int i = 0; i < (vertical ? height : width); ++i)
        mono::setDot(image, vertical ? at : i, vertical ? i : at, true);
    return image;
}
} // namespace

// Bars drawn by hand; the bytes worked out by hand from the two forms:
// columns top to bottom with bit 7 the upper row, rows left to right with bit 7 the left column.
TEST(GlyphPacking, HandDrawnBars) {
    struct Case {
        const char* name;
        QImage glyph;
        bool rows;
        const char* hex;
    } cases[] = {
        {"vertical bar, column 2 of 4x16", bar(4, 16, true, 2), false, "00 00 00 00 FF FF 00 00"},
        {"horizontal bar, row 9 of 2x16", bar(2, 16, false, 9), false, "00 40 00 40"},
        {"horizontal bar, row 0 of 2x8", bar(2, 8, false, 0), false, "80 80"},
        {"vertical bar, column 9 of 16x2", bar(16, 2, true, 9), true, "00 40 00 40"},
        {"horizontal bar, row 1 of 16x2", bar(16, 2, false, 1), true, "00 00 FF FF"},
        {"column form below 8 rows writes nothing", bar(4, 7, true, 0), false, ""},
        {"row form below 8 columns writes nothing", bar(7, 8, true, 0), true, ""},
    };
    for (const Case& c : cases) {
        const QByteArray packed = c.rows ? packGlyphRows(c.glyph) : packGlyphColumns(c.glyph);
        EXPECT_EQ(toHex(packed), QString::fromLatin1(c.hex)) << c.name;
    }
}

// 13 x W1 x H/8 + 3 x W1' x H/8 with W1 = trunc(H/2 x R / 200), W1' = trunc(H x R / 200), worked by hand.
TEST(StandardGlyphs, PayloadSizes) {
    struct Case {
        int row;
        int resolution;
        int bytes;
    } cases[] = {
        // At 100dpi digits are 4 columns and ideographs 8: 13x4x2 + 3x8x2 = 152; at 300dpi 12 and 24: 456.
        {0, 200, 304},   {1, 200, 1216},  {2, 200, 2736}, {3, 200, 4864}, {4, 200, 10944},
        {5, 200, 19456}, {5, 400, 38912}, {0, 100, 152},  {0, 300, 456},
    };
    for (const Case& c : cases)
        EXPECT_EQ(buildStandardGlyphs(c.row, c.resolution, QStringLiteral("宋体")).size(), c.bytes)
            << c.row << " " << c.resolution;
}

TEST(StandardGlyphs, DigitOneIsDrawnAndCode16HoldsThePayload) {
    QTemporaryDir dir;
    QByteArray written;
    const QList<GlyphPayload> p = standardPayloads({0}, 2, QStringLiteral("宋体"), [&](const QByteArray& bytes) {
        writeCode16(bytes, dir.path());
        written = bytes;
    });
    ASSERT_EQ(p.size(), 1);
    EXPECT_EQ(p[0].bytes.size(), 304);
    EXPECT_EQ(written, p[0].bytes);
    QFile file(dir.filePath("Code-16"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), p[0].bytes);
    // Glyph "1" (bytes 16..31) has dots, and so does "年" (from byte 208); a blank font would have none.
    EXPECT_NE(p[0].bytes.mid(16, 16).count('\0'), 16);
    EXPECT_NE(p[0].bytes.mid(208, 32).count('\0'), 32);
}

TEST(Code16File, AFolderThatCannotBeMadeIsAFileError) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("plain-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(writeCode16("x", dir.filePath("plain-file/sub")), GlyphRefused);
}

// Where Code-16 goes: beside a program the user built, never beside an
// installed one (root can write /usr/bin, and the file would outlive the package).
TEST(Code16File, SystemOrUnwritableProgramFoldersSendItToTheDataFolder) {
    const QString data = QStringLiteral("/home/op/.local/share/daviduv");
    // Worked by hand from that rule (the data folder under /usr or /opt, or when not writable).
    struct Case {
        const char* program;
        bool writable;
        QString expected;
    } cases[] = {
        {"/home/op/daviduv/build/bin", true, QStringLiteral("/home/op/daviduv/build/bin")},
        {"/home/op/daviduv/build/bin", false, data},
        {"/usr/bin", true, data}, // root running the package's program
        {"/usr/local/bin", true, data},
        {"/opt/daviduv/bin", true, data},
        {"/usr", true, data},
        {"/usrlocal/bin", true, QStringLiteral("/usrlocal/bin")}, // only whole folder names count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        EXPECT_EQ(chooseCode16Folder(QString::fromLatin1(c.program), c.writable, data), c.expected);
    }
}

// Cell widths and payload sizes worked by hand from the GBK byte counts.
TEST(CustomGlyphs, Sizes) {
    struct Case {
        const char* value;
        int heightPosition;
        bool rows;
        QStringList dpiList;
        int dpiPosition;
        int command;
        int resolutionNumber;
        int bytes;
    } cases[] = {
        {"AB", 2, true, {"200dpi"}, 1, 0xB9, 1, 32},              // 16 x 16 cell, rows
        {"A", 1, true, {"200dpi"}, 1, 0xB9, 1, 8},                // width 4 raised to 8
        {"年", 2, false, {"100dpi", "200dpi"}, 2, 0xBA, 2, 32},   // 16 x 16, columns
        {"年", 2, false, {"100dpi", "160dpi"}, 2, 0xBA, 2, 24},   // trunc(16 x 160 / 200) = 12 columns
        {"A^^年", 2, false, {"200dpi"}, 1, 0xBA, 1, 16 + 0 + 32}, // 8 + 0 + 16 columns of 2 bytes
        {"", 2, false, {"200dpi"}, 1, 0xBA, 1, 0},
    };
    for (const Case& c : cases) {
        const GlyphPayload p = customPayload(
            {QString::fromUtf8(c.value), QStringLiteral("宋体"), c.heightPosition, c.rows, c.dpiList, c.dpiPosition});
        EXPECT_EQ(p.command, c.command) << c.value;
        EXPECT_EQ(p.resolution, c.resolutionNumber) << c.value;
        EXPECT_EQ(p.height, 8 * c.heightPosition) << c.value;
        EXPECT_EQ(p.bytes.size(), c.bytes) << c.value;
    }
}

TEST(CustomGlyphs, RefusedBeforeDrawing) {
    // Columns with no resolution chosen (a list of one entry, the second asked for).
    EXPECT_THROW(customPayload({"A", "宋体", 2, false, {"200dpi"}, 2}), GlyphRefused);
    // 3000 "年" at 128 dots in rows: 3000 x 128 x 16 bytes, above 255 chunks of 3072.
    EXPECT_THROW(customPayload({QString(3000, QChar(0x5E74)), "宋体", 16, true, {"200dpi"}, 1}), GlyphRefused);
}

TEST(GlyphFace, PrinterNamesMapToTheirFaces) {
    EXPECT_EQ(glyphFace(QStringLiteral("岱霖字体2 ")), QStringLiteral("Dot Matrix"));
    EXPECT_EQ(glyphFace(QStringLiteral(" 岱霖字体1")), QStringLiteral("Dots All For Now JL"));
    EXPECT_EQ(glyphFace(QStringLiteral("宋体")), QStringLiteral("宋体"));
}
