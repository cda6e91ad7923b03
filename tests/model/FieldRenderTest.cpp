#include "model/FieldRender.h"
#include "ModelTestSupport.h"
#include "common/MonoImage.h"
#include "model/FieldError.h"

#include <gtest/gtest.h>

namespace {

FieldImage fieldWithHeight(int dots) {
    FieldImage field;
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
        {"", "", 16, 2, 12, 2, 18},                     // nothing: 2 wide
        {"A", "1", 17, 0, 12, 8 + 8 + 2, 18},           // odd height: 17 div 2 = 8
        {"AB", "", 16, -20, 12, 2, 18},                 // overlapping characters never go below 2
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString::fromUtf8(r.lead) + QString::fromUtf8(r.content));
        FieldImage field = fieldWithHeight(r.fontDots);
        drawFieldText(field, QString::fromUtf8(r.lead), r.spacing, r.points, QString::fromUtf8(r.content));
        EXPECT_EQ(field.Width(), r.width);
        EXPECT_EQ(field.Height(), r.height);
        EXPECT_EQ(field.picture().size(), QSize(r.width, r.height));
        EXPECT_TRUE(hasFrame(field.picture()));
    }
}

// Box heights 18, 35, 50, 66, 98 and 130 for 12 to 96 points, for every kind
// of text; an opened file's box is the dot height + 2.
TEST(FieldRender, BoxHeightsFollowThePointSize) {
    // The printer's six heights (points, dots) and their boxes: dots + 2, + 3 at 24 points.
    const int points[] = {12, 24, 36, 48, 72, 96};
    const int heights[] = {18, 35, 50, 66, 98, 130};
    const int dots[] = {16, 32, 48, 64, 96, 128};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(points[i]);
        FieldImage field = fieldWithHeight(dots[i]);
        drawSerialText(field, QStringLiteral("序号："), 8, 2, points[i], QStringLiteral("1"));
        EXPECT_EQ(field.Height(), heights[i]);
        drawStringField(field, QStringLiteral("Ab"), FieldFont{QStringLiteral("宋体"), points[i]}, 0);
        EXPECT_EQ(field.Height(), heights[i]);
        drawFieldTextInDots(field, QString(), 2, dots[i], QStringLiteral("A"));
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
        FieldImage field;
        const FieldFont font{QStringLiteral("宋体"), r.points};
        drawStringField(field, QString::fromUtf8(r.text), font, r.spacing);
        EXPECT_EQ(field.Width(), r.width);
        EXPECT_EQ(field.Height(), r.height);
        EXPECT_EQ(field.UserFont(), font); // the font given becomes the element's
        EXPECT_TRUE(hasFrame(field.picture()));
    }
}

// The serial value is padded to its digits and never cut.
TEST(FieldRender, SerialTextIsPaddedNotCut) {
    FieldImage a = fieldWithHeight(16);
    FieldImage b = fieldWithHeight(16);
    drawSerialText(a, QStringLiteral("序号："), 8, 2, 12, QStringLiteral("7"));
    drawFieldText(b, QStringLiteral("序号："), 2, 12, QStringLiteral("00000007"));
    EXPECT_EQ(firstDifference(a.picture(), b.picture()), QString());
    drawSerialText(a, QStringLiteral("序号："), 4, 2, 12, QStringLiteral("123456789"));
    EXPECT_EQ(a.Width(), 3 * 18 + 9 * 10 + 2);
}

// A character GBK cannot hold is drawn and measured as "?" (one byte).
TEST(FieldRender, TextsAreDrawnAsGbkHoldsThem) {
    FieldImage withEmoji = fieldWithHeight(16);
    FieldImage withQuestion = fieldWithHeight(16);
    drawFieldText(withEmoji, QString(), 2, 12, QStringLiteral("A\U0001F600"));
    drawFieldText(withQuestion, QString(), 2, 12, QStringLiteral("A?"));
    EXPECT_EQ(withEmoji.Width(), 2 * 10 + 2);
    EXPECT_EQ(firstDifference(withEmoji.picture(), withQuestion.picture()), QString());
}

TEST(FieldRender, TextStaysInsideTheFrame) {
    FieldImage field = fieldWithHeight(16);
    drawFieldText(field, QStringLiteral("生产日期："), 2, 12, QStringLiteral("20070305"));
    EXPECT_GT(interiorDots(field.picture()), 200); // ten characters of ink
    // Column 1 and row 1 are where the text starts; the frame stays whole.
    EXPECT_TRUE(hasFrame(field.picture()));
    // Nothing but white in an empty box.
    drawFieldText(field, QString(), 2, 12, QString());
    EXPECT_EQ(interiorDots(field.picture()), 0);
}

TEST(FieldRender, HugeBoxesAreRefusedWithAClearError) {
    FieldImage field = fieldWithHeight(16);
    field.SetUserStyle(csStr);
    field.SetLeft(21 + 120); // template point (120, 10)
    field.SetTop(21 + 10);
    drawFieldText(field, QString(), 2, 12, QStringLiteral("1"));
    const QImage before = field.picture();
    try {
        drawStringField(field, QStringLiteral("中国"), FieldFont{QStringLiteral("宋体"), 100000}, 0);
        ADD_FAILURE() << "no error";
    } catch (const FieldError& e) { // the field named as the operator sees it
        EXPECT_EQ(e.text(), QStringLiteral("字符串（X 120，Y 10）太大，无法绘制：2 × 133335 点"));
    }
    EXPECT_THROW(drawFieldTextInDots(field, QString(), 0, 2000000000, QStringLiteral("1")), FieldError);
    FieldImage wide = fieldWithHeight(1000000);
    EXPECT_THROW(drawFieldText(wide, QString(), 0, 12, QString(200, QLatin1Char('1'))), FieldError);
    EXPECT_THROW(resetFieldBox(field, 100000000, 128), FieldError);
    // A refused drawing leaves the element as it was.
    EXPECT_EQ(firstDifference(field.picture(), before), QString());
}

TEST(FieldRender, FramedBoxIsWhiteInsideItsFrame) {
    const QImage box = framedBox(5, 4);
    EXPECT_EQ(mono::toText(box), QStringLiteral("#####\n#...#\n#...#\n#####\n"));
    EXPECT_EQ(box.format(), QImage::Format_Mono);
}

// Dot for dot against pictures made once, looked at and kept in tests/data/model.
TEST(FieldRender, DrawnFieldsMatchTheKeptPictures) {
    FieldImage date = fieldWithHeight(16);
    drawFieldText(date, QStringLiteral("生产日期："), 2, 12,
                  formatFieldDate(0, 0, QDateTime(QDate(2007, 3, 5), QTime(9, 5))));
    EXPECT_EQ(compareWithExpected(date.picture(), QStringLiteral("date_field.txt")), QString());

    FieldImage text;
    drawStringField(text, QStringLiteral("中华人民共和国制造"), FieldFont{QStringLiteral("宋体"), 12}, 2);
    EXPECT_EQ(compareWithExpected(text.picture(), QStringLiteral("string_field.txt")), QString());

    FieldImage shift = fieldWithHeight(32);
    drawFieldText(shift, QStringLiteral("班次："), 1, 24, QStringLiteral("B"));
    EXPECT_EQ(compareWithExpected(shift.picture(), QStringLiteral("shift_field_24pt.txt")), QString());
}
