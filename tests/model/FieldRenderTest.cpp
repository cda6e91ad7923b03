#include "FieldError.h"
#include "FieldRender.h"
#include "ModelTestSupport.h"
#include "MonoImage.h"

#include <gtest/gtest.h>

namespace {

TImageEx fieldWithHeight(int dots) {
    TImageEx field;
    field.SetUserFontSize(dots);
    return field;
}

} // namespace

// Element sizes of the variable kinds: dot-width rule from UserFontSize, box
// height from the preview point size. Widths worked by hand:
// full-width characters (UserFontSize + spacing), half-width (UserFontSize div 2 + spacing), + 2.
TEST(FieldRender, VariableFieldSizes) {
    struct Row {
        const char* lead;
        const char* content;
        int fontDots, spacing, points;
        int width, height;
    };
    const Row rows[] = {
        {"序号：", "00000001", 16, 2, 12, 3 * 18 + 8 * 10 + 2, 18}, // 136
        {"生产日期：", "20070305", 16, 2, 12, 5 * 18 + 8 * 10 + 2, 18},
        {"班次：", "A", 32, 2, 24, 3 * 34 + 1 * 18 + 2, 35}, // 24 points: + 3
        {"", "A", 48, 0, 36, 24 + 2, 50},
        {"", "12", 64, 1, 48, 2 * 33 + 2, 66},
        {"", "1", 96, 3, 72, 51 + 2, 98},
        {"有效期：", "", 128, 2, 96, 4 * 130 + 2, 130}, // taller than the canvas
        {"", "", 16, 2, 12, 2, 18},                   // nothing: 2 wide
        {"A", "1", 17, 0, 12, 8 + 8 + 2, 18},         // odd height: 17 div 2 = 8
        {"AB", "", 16, -20, 12, 2, 18},               // overlapping characters never go below 2
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString::fromUtf8(r.lead) + QString::fromUtf8(r.content));
        TImageEx field = fieldWithHeight(r.fontDots);
        DrawFieldText(field, QString::fromUtf8(r.lead), r.spacing, r.points, QString::fromUtf8(r.content));
        EXPECT_EQ(field.Width(), r.width);
        EXPECT_EQ(field.Height(), r.height);
        EXPECT_EQ(field.Picture().size(), QSize(r.width, r.height));
        EXPECT_TRUE(hasFrame(field.Picture()));
    }
}

// Box heights 18, 35, 50, 66, 98 and 130 for 12 to 96 points, for every kind
// of text; an opened file's box is the dot height + 2.
TEST(FieldRender, BoxHeightsFollowThePointSize) {
    const int points[] = {12, 24, 36, 48, 72, 96};
    const int heights[] = {18, 35, 50, 66, 98, 130};
    const int dots[] = {16, 32, 48, 64, 96, 128};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(points[i]);
        TImageEx field = fieldWithHeight(dots[i]);
        DrawSerialText(field, QStringLiteral("序号："), 8, 2, points[i], QStringLiteral("1"));
        EXPECT_EQ(field.Height(), heights[i]);
        DrawStringField(field, QStringLiteral("Ab"), FieldFont{QStringLiteral("宋体"), points[i]}, 0);
        EXPECT_EQ(field.Height(), heights[i]);
        DrawFieldTextInDots(field, QString(), 2, dots[i], QStringLiteral("A"));
        EXPECT_EQ(field.Height(), dots[i] + 2);
    }
}

// String widths: measured advance with the spacing after every character, + 2.
// "宋体" (AR PL UMing CN) at 12 points is 16 dots: full-width 16, ASCII 8.
TEST(FieldRender, StringFieldSizes) {
    struct Row {
        const char* text;
        int points, spacing;
        int width, height;
    };
    const Row rows[] = {
        {"中华人民共和国制造", 12, 2, 9 * 18 + 2, 18}, // 164, the default string
        {"ABC123", 12, 1, 6 * 9 + 2, 18},
        {"中", 24, 0, 32 + 2, 35},
        {"中", 9, 0, 12 + 2, 14},
        {"", 12, 5, 2, 18},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        TImageEx field;
        const FieldFont font{QStringLiteral("宋体"), r.points};
        DrawStringField(field, QString::fromUtf8(r.text), font, r.spacing);
        EXPECT_EQ(field.Width(), r.width);
        EXPECT_EQ(field.Height(), r.height);
        EXPECT_EQ(field.UserFont(), font); // the font given becomes the element's
        EXPECT_TRUE(hasFrame(field.Picture()));
    }
}

// The serial value is padded to its digits and never cut.
TEST(FieldRender, SerialTextIsPaddedNotCut) {
    TImageEx a = fieldWithHeight(16);
    TImageEx b = fieldWithHeight(16);
    DrawSerialText(a, QStringLiteral("序号："), 8, 2, 12, QStringLiteral("7"));
    DrawFieldText(b, QStringLiteral("序号："), 2, 12, QStringLiteral("00000007"));
    EXPECT_EQ(firstDifference(a.Picture(), b.Picture()), QString());
    DrawSerialText(a, QStringLiteral("序号："), 4, 2, 12, QStringLiteral("123456789"));
    EXPECT_EQ(a.Width(), 3 * 18 + 9 * 10 + 2);
}

// A character GBK cannot hold is drawn and measured as "?" (one byte).
TEST(FieldRender, TextsAreDrawnAsGbkHoldsThem) {
    TImageEx withEmoji = fieldWithHeight(16);
    TImageEx withQuestion = fieldWithHeight(16);
    DrawFieldText(withEmoji, QString(), 2, 12, QStringLiteral("A\U0001F600"));
    DrawFieldText(withQuestion, QString(), 2, 12, QStringLiteral("A?"));
    EXPECT_EQ(withEmoji.Width(), 2 * 10 + 2);
    EXPECT_EQ(firstDifference(withEmoji.Picture(), withQuestion.Picture()), QString());
}

TEST(FieldRender, TextStaysInsideTheFrame) {
    TImageEx field = fieldWithHeight(16);
    DrawFieldText(field, QStringLiteral("生产日期："), 2, 12, QStringLiteral("20070305"));
    EXPECT_GT(interiorDots(field.Picture()), 200); // ten characters of ink
    // Column 1 and row 1 are where the text starts; the frame stays whole.
    EXPECT_TRUE(hasFrame(field.Picture()));
    // Nothing but white in an empty box.
    DrawFieldText(field, QString(), 2, 12, QString());
    EXPECT_EQ(interiorDots(field.Picture()), 0);
}

TEST(FieldRender, HugeBoxesAreRefusedWithAClearError) {
    TImageEx field = fieldWithHeight(16);
    DrawFieldText(field, QString(), 2, 12, QStringLiteral("1"));
    const QImage before = field.Picture();
    try {
        DrawStringField(field, QStringLiteral("中国"), FieldFont{QStringLiteral("宋体"), 100000}, 0);
        ADD_FAILURE() << "no error";
    } catch (const FieldError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Field too large to draw: 2 x 133335 dots"));
    }
    EXPECT_THROW(DrawFieldTextInDots(field, QString(), 0, 2000000000, QStringLiteral("1")), FieldError);
    TImageEx wide = fieldWithHeight(1000000);
    EXPECT_THROW(DrawFieldText(wide, QString(), 0, 12, QString(200, QLatin1Char('1'))), FieldError);
    EXPECT_THROW(ResetFieldBox(field, 100000000, 128), FieldError);
    // A refused drawing leaves the element as it was.
    EXPECT_EQ(firstDifference(field.Picture(), before), QString());
}

TEST(FieldRender, FramedBoxIsWhiteInsideItsFrame) {
    const QImage box = FramedBox(5, 4);
    EXPECT_EQ(mono::toText(box), QStringLiteral("#####\n#...#\n#...#\n#####\n"));
    EXPECT_EQ(box.format(), QImage::Format_Mono);
}

// Dot for dot against pictures made once, looked at and kept in tests/data/model.
TEST(FieldRender, DrawnFieldsMatchTheKeptPictures) {
    TImageEx date = fieldWithHeight(16);
    DrawFieldText(date, QStringLiteral("生产日期："), 2, 12,
                  FormatFieldDate(0, 0, QDateTime(QDate(2007, 3, 5), QTime(9, 5))));
    EXPECT_EQ(compareWithExpected(date.Picture(), QStringLiteral("date_field.txt")), QString());

    TImageEx text;
    DrawStringField(text, QStringLiteral("中华人民共和国制造"), FieldFont{QStringLiteral("宋体"), 12}, 2);
    EXPECT_EQ(compareWithExpected(text.Picture(), QStringLiteral("string_field.txt")), QString());

    TImageEx shift = fieldWithHeight(32);
    DrawFieldText(shift, QStringLiteral("班次："), 1, 24, QStringLiteral("B"));
    EXPECT_EQ(compareWithExpected(shift.Picture(), QStringLiteral("shift_field_24pt.txt")), QString());
}
