#include "EditorHarness.h"
#include "common/IniFile.h"
#include "editor/TemplateFile.h"
#include "link/MessageRender.h"
#include "model/DateStyles.h"
#include "model/FieldRender.h"
#include "shell/panels/ImagePanel.h"
#include "support/FixedClock.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

// The preview clock fixed at 10:04 on 8 December 2026.
const QDateTime kFixedDay(QDate(2026, 12, 8), QTime(10, 4));

template <typename W> W* control(Editor& e, const char* name) {
    W* w = e.window.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Replaces the text of a box by typing.
void typeInto(QWidget* box, const QString& text) {
    QLineEdit* line = qobject_cast<QLineEdit*>(box);
    if (auto* list = qobject_cast<QComboBox*>(box)) line = list->lineEdit();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(box)) {
        spin->selectAll();
        QTest::keyClicks(spin, text);
        return;
    }
    line->selectAll();
    QTest::keyClicks(line, text);
}

// One operator action on a control: "#n" chooses item n of a list, "click"
// clicks a button, "up:n" / "pgdn:n" press a spin box's keys n times; any other
// text is typed into the box, then Enter is pressed.
struct Step {
    const char* control;
    QString input;
};

void walk(Editor& e, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        SCOPED_TRACE(s.control);
        QWidget* w = control<QWidget>(e, s.control);
        if (s.input.startsWith('#')) {
            choose(qobject_cast<QComboBox*>(w), s.input.mid(1).toInt());
        } else if (s.input == "click") {
            QTest::mouseClick(w, Qt::LeftButton);
        } else if (s.input.startsWith("up:") || s.input.startsWith("pgdn:")) {
            const auto key = s.input.startsWith("up:") ? Qt::Key_Up : Qt::Key_PageDown;
            for (int i = s.input.section(':', 1).toInt(); i > 0; --i) QTest::keyClick(w, key);
        } else {
            typeInto(w, s.input);
            QTest::keyClick(w, Qt::Key_Return);
        }
    }
}

// The saved file's section of the field must hold the expected values.
void expectSaved(Editor& e, const QString& section, const std::vector<std::pair<const char*, QString>>& keys) {
    const QString path = e.dir.filePath("walk.spt");
    saveTemplate(e.model, {}, path);
    const IniFile file = IniFile::load(path);
    for (const auto& [key, value] : keys) EXPECT_EQ(file.readString(section, key, "<none>"), value) << key;
}

int dotCount(const QImage& picture) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) n += picture.pixelIndex(x, y) == 1;
    return n;
}

} // namespace

// ---- one walk per panel: panel -> element -> saved section ----

TEST(PanelWalk, Date) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_Date", {10, 10});
    walk(e, {{"CombDate_Explain", "Made:"},
             {"CombDate_FontSize", "#2"},
             {"CombDate_Style", "#8"},
             {"EdtDate_Space", "3"},
             {"EdtDate_X", "40"}});
    expectSaved(e, "csDate0",
                {{"UserExplain", "Made:"},
                 {"UserFontSize", "48"},
                 {"UserValue", "A9"},
                 {"UserSpace", "3"},
                 {"Left", "40"},
                 {"Top", "10"}});
    EXPECT_EQ(f.Height(), 50); // 48(6mm) previews at 36 points: 48 + 2
}

TEST(PanelWalk, Period) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_Period", {10, 10});
    walk(e, {{"CombPeriod_Explain", "#2"},
             {"CombPeriod_Fontsize", "32(3mm)"},
             {"CombPeriod_Style", "#1"},
             {"SpnEdtPeriod_Day", "400"},
             {"EdtPeriod_Space", "0"},
             {"EdtPeriod_Y", "(3)"}});
    expectSaved(e, "csPeriod0",
                {{"UserExplain", "期限："},
                 {"UserFontSize", "32"},
                 {"UserValue", "A2"},
                 {"UserPeriod", "400"},
                 {"UserSpace", "0"},
                 {"Top", "-3"}});
    EXPECT_EQ(f.Height(), 35); // 24 points: 32 + 3
}

TEST(PanelWalk, SerialNumber) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_No", {10, 10});
    walk(e, {{"CombNo_Explain", "#4"},
             {"CombNo_FontSize", "#1"},
             {"CombNo_Digit", "#5"},
             {"SpnEdtNo_Init", "42"},
             {"SpnEdtNo_Increment", "pgdn:2"}, // 1 - 2 x 10
             {"EdtNo_Space", "4"}});
    expectSaved(e, "csNo0",
                {{"UserExplain", "产品编号："},
                 {"UserFontSize", "32"},
                 {"UserNoDigit", "6"},
                 {"UserValue", "42"},
                 {"UserIncrement", "-19"},
                 {"UserSpace", "4"}});
    // 产品编号：000042: 5 x (32 + 4) + 6 x (16 + 4) + 2
    EXPECT_EQ(f.Width(), 302);
}

TEST(PanelWalk, Shift) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_RunNo", {10, 10});
    walk(
        e,
        {{"CombRunNo_Explain", "#0"}, {"CombRunNo_FontSize", "#5"}, {"CombRunNo_Init", "#3"}, {"EdtRunNo_Space", "1"}});
    expectSaved(e, "csRunNo0", {{"UserExplain", ""}, {"UserFontSize", "128"}, {"UserValue", "D"}, {"UserSpace", "1"}});
    EXPECT_EQ(f.Height(), 130);       // 96 points: 128 + 2
    EXPECT_EQ(f.Width(), 64 + 1 + 2); // "D" alone: 128 div 2 + 1, + 2
}

TEST(PanelWalk, String) {
    Editor e;
    e.window.propertyPanels()->setStringFonts({"Liberation Sans", "岱霖字体2"});
    FieldElement& f = e.place("SpedBtn_Str", {10, 10});
    walk(e, {{"EdtStr_Source", "ABC"},
             {"CombStr_Font", "#1"},
             {"CombStr_FontSize", "#6"},
             {"SptnStr_Bold", "click"},
             {"SptnStr_Underline", "click"},
             {"EdtStr_Space", "5"}});
    expectSaved(e, "csStr0",
                {{"UserValue", "ABC"},
                 {"FontName", "Dot Matrix"},
                 {"FontSize", "16"},
                 {"Bold", "1"},
                 {"Italic", "0"},
                 {"Underline", "1"},
                 {"Space", "5"}});
    EXPECT_EQ(f.Height(), 23); // 16 points: 16 x 96 / 72 = 21.3, 21 dots, + 2
}

TEST(PanelWalk, Picture) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_Image", {10, 10});
    walk(e, {{"EdtImage_Source", "missing.bmp"}, {"EdtImage_Width", "100"}, {"EdtImage_Height", "300"}});
    expectSaved(e, "csImage0", {{"Source", "missing.bmp"}, {"Width", "100"}, {"Height", "128"}});
    EXPECT_EQ(control<QLineEdit>(e, "EdtImage_Height")->text(), "128"); // brought back to the bound

    // A chosen BMP is scaled into the field at its size; a file that cannot be
    // read is passed over without a message, its path kept.
    QImage black(4, 4, QImage::Format_RGB32);
    black.fill(Qt::black);
    const QString bmp = e.dir.filePath("black.bmp");
    ASSERT_TRUE(black.save(bmp, "BMP"));
    auto* panel = static_cast<ImagePanel*>(e.window.propertyPanels()->panelFor(csImage));
    panel->setChooser([&](QWidget*) { return ImagePanel::Choice{bmp, PictureType::Bmp}; });
    walk(e, {{"SpedBtn_TitleAdd", "click"}});
    EXPECT_EQ(dotCount(f.picture()), 100 * 128);
    panel->setChooser([&](QWidget*) { return ImagePanel::Choice{bmp, PictureType::Jpeg}; });
    BoxAnswer none(QMessageBox::Ok);
    walk(e, {{"EdtImage_Source", "x"}, {"SpedBtn_TitleAdd", "click"}});
    EXPECT_TRUE(none.seen.empty());
    EXPECT_EQ(dotCount(f.picture()), 100 * 128);
    EXPECT_EQ(f.asField()->UserValue(), bmp);
}

TEST(PanelWalk, Barcode) {
    Editor e;
    e.place("SpedBtn_BarCode", {10, 10});
    walk(e, {{"CombBarCode_Style", "#8"},
             {"CombBarCode_Rotation", "#1"},
             {"CombBarCode_ModuleWidth", "#12"},
             {"SpnEdtBarCode_HeightPercent", "up:2"},
             {"EdtBarCode_Caption", " AB12 "},
             {"ChkBarCode_Humanreadable", "click"}});
    // The box showed the placed 85; SC12's 36 went to the element only.
    expectSaved(e, "csBarCode0",
                {{"BarCodeType", "8"},
                 {"Rotation", "1"},
                 {"ModuleWidth", "12"},
                 {"HeightPercent", "87"},
                 {"BarCodeValue", "AB12"},
                 {"Humanreadable", "0"}});
}

// ---- edge cases ----

TEST(PanelEdges, NoneRemovesTheLeadTextFromPreviewAndBackground) {
    Editor e;
    e.model.setClock(fixedClock(kFixedDay));
    FieldElement& f = e.place("SpedBtn_Date", {10, 10});
    EXPECT_GT(dotCount(renderMessage(e.model, 512).background),
              0); // 生产日期： is printed from the background
    choose(control<QComboBox>(e, "CombDate_Explain"), 0);
    EXPECT_EQ(f.asField()->UserExplain(), "");
    EXPECT_EQ(f.Width(), 82); // 20261208 alone: 8 x (16 div 2 + 2) + 2
    EXPECT_EQ(dotCount(renderMessage(e.model, 512).background), 0);
}

TEST(PanelEdges, TypedLeadTextIsTakenAsTyped) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_No", {10, 10});
    typeInto(control<QComboBox>(e, "CombNo_Explain"), "Lot:");
    EXPECT_EQ(f.asField()->UserExplain(), "Lot:");
    EXPECT_EQ(f.Width(), 122); // Lot:00000001: 12 x (8 + 2) + 2
}

TEST(PanelEdges, FewerDigitsKeepTheStartValueWholeAndLimitNewTyping) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_No", {10, 10});
    auto* start = control<QLineEdit>(e, "SpnEdtNo_Init");
    typeInto(start, "12345678");
    choose(control<QComboBox>(e, "CombNo_Digit"), 3); // 4位
    EXPECT_EQ(f.asField()->UserNoDigit(), 4);
    EXPECT_EQ(start->text(), "12345678");
    EXPECT_EQ(f.asField()->UserValue(), "12345678");
    EXPECT_EQ(f.Width(), 136); // 序号：12345678 drawn whole: 3 x 18 + 8 x 10 + 2
    QTest::keyClick(start, Qt::Key_End);
    QTest::keyClicks(start, "9");
    EXPECT_EQ(start->text(), "12345678");
    typeInto(start, "987654");
    EXPECT_EQ(start->text(), "9876");
}

TEST(PanelEdges, ModuleWidthSetsTheHeightPercentBehindTheBox) {
    Editor e;
    FieldElement& b = e.place("SpedBtn_BarCode", {10, 10});
    auto* box = control<QSpinBox>(e, "SpnEdtBarCode_HeightPercent");
    auto* sizes = control<QComboBox>(e, "CombBarCode_ModuleWidth");
    choose(sizes, 12); // SC12
    EXPECT_EQ(b.asBarcode()->Bar_HeightPercent(), 36);
    EXPECT_EQ(box->value(), 85); // placed with 85, not updated
    choose(sizes, 3);            // SC3 leaves it
    EXPECT_EQ(b.asBarcode()->Bar_ModuleWidth(), 3);
    EXPECT_EQ(b.asBarcode()->Bar_HeightPercent(), 36);
}

TEST(PanelEdges, CaptionTheElementRefusesIsShownAsTheElementHoldsIt) {
    Editor e;
    FieldElement& b = e.place("SpedBtn_BarCode", {10, 10});
    choose(control<QComboBox>(e, "CombBarCode_Style"), 8); // CODE128_B
    auto* caption = control<QLineEdit>(e, "EdtBarCode_Caption");
    BoxAnswer ok(QMessageBox::Ok);
    typeInto(caption, QString(51, '7'));
    ASSERT_EQ(ok.seen.size(), 1u);
    EXPECT_EQ(ok.seen[0].text, "String exceeds maximum length");
    EXPECT_EQ(b.asBarcode()->Bar_Caption(), QByteArray(50, '7'));
    EXPECT_EQ(caption->text(), QString(50, '7'));
}

TEST(PanelEdges, ExpiryOfSeventyThousandDaysIsBroughtBackAndDrawn) {
    Editor e;
    e.model.setClock(fixedClock(kFixedDay));
    e.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.window));
    FieldElement& f = e.place("SpedBtn_Period", {10, 10});
    auto* days = control<QSpinBox>(e, "SpnEdtPeriod_Day");
    days->setFocus();
    typeInto(days, "70000");
    QTest::keyClick(days, Qt::Key_Tab); // leaves the box
    EXPECT_EQ(days->text(), "65535");
    EXPECT_EQ(f.asField()->UserPeriod(), 65535);
    FieldImage expected;
    expected.SetUserFontSize(16);
    drawFieldText(expected, "有效期：", 2, 12, formatFieldDate(0, 65535, kFixedDay));
    EXPECT_EQ(f.picture(), expected.picture());
}

TEST(PanelEdges, LeavingTheExpiryBoxForAStringFieldLeavesTheStringAlone) {
    Editor e;
    e.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.window));
    FieldElement& s = e.place("SpedBtn_Str", {10, 10});
    FieldElement& p = e.place("SpedBtn_Period", {10, 60});
    const QImage before = s.picture();
    auto* days = control<QSpinBox>(e, "SpnEdtPeriod_Day");
    days->setFocus();
    typeInto(days, "77");
    e.pressPanel(QPoint(15, 15) + QPoint(21, 21)); // the string field
    QTest::mouseClick(control<QLineEdit>(e, "EdtStr_Source"), Qt::LeftButton);
    EXPECT_EQ(s.asField()->UserValue(), "中华人民共和国制造");
    EXPECT_EQ(s.asField()->UserSpace(), 2);
    EXPECT_EQ(s.picture(), before);
    EXPECT_EQ(p.asField()->UserPeriod(), 77);
}

TEST(PanelEdges, SerialStartShownShortestAndDrawnPadded) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_No", {10, 10}); // placed with "00000001"
    EXPECT_EQ(control<QLineEdit>(e, "SpnEdtNo_Init")->text(), "1");
    FieldImage expected;
    expected.SetUserFontSize(16);
    drawFieldText(expected, "序号：", 2, 12, "00000001");
    EXPECT_EQ(f.picture(), expected.picture());
    EXPECT_EQ(f.Width(), 136); // 3 x 18 + 8 x 10 + 2
}

TEST(PanelEdges, FontSizeThatIsNoWholeNumberIsRefusedAndTheSizeKept) {
    Editor e;
    FieldElement& f = e.place("SpedBtn_Str", {10, 10});
    BoxAnswer ok(QMessageBox::Ok);
    typeInto(control<QComboBox>(e, "CombStr_FontSize"), "abc");
    ASSERT_FALSE(ok.seen.empty());
    EXPECT_EQ(ok.seen.back().text, "'abc' is not a valid integer value");
    EXPECT_EQ(f.asField()->UserFont().size, 12);
    EXPECT_EQ(f.Height(), 18);
}

// A value the panel cannot show stops the filling with the conversion message;
// the boxes after it keep what they showed before.
TEST(PanelEdges, FillingStopsAtAValueItCannotShow) {
    const struct {
        const char* tool;
        const char* value;
        const char* message;
        const char* spaceBox;
    } cases[] = {
        {"SpedBtn_Date", "ZZ", "'$ZZ' is not a valid integer value", "EdtDate_Space"}, // "$" + the code
        {"SpedBtn_Period", "G1", "'$G1' is not a valid integer value", "EdtPeriod_Space"},
        {"SpedBtn_No", "12a", "'12a' is not a valid integer value", "EdtNo_Space"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tool);
        Editor e;
        FieldElement& f = e.place(c.tool, {10, 10});
        f.asField()->SetUserValue(c.value);
        f.asField()->SetUserSpace(9);
        BoxAnswer ok(QMessageBox::Ok);
        e.pressPanel(QPoint(12, 12) + QPoint(21, 21));
        ASSERT_EQ(ok.seen.size(), 1u);
        EXPECT_EQ(ok.seen[0].text, c.message);
        EXPECT_EQ(control<QLineEdit>(e, c.spaceBox)->text(), "2");
    }
}

// Filling sets a text box by program, which fires its change handler (store and
// redraw); selecting a list item by program fires nothing.
TEST(PanelEdges, FillingRedrawsThroughTextBoxesOnly) {
    Editor e;
    FieldElement& date = e.place("SpedBtn_Date", {10, 10});
    FieldElement& text = e.place("SpedBtn_Str", {10, 60});
    date.asField()->SetUserFontSize(32);
    text.asField()->SetUserValue("X");
    e.pressPanel(QPoint(12, 12) + QPoint(21, 21));
    EXPECT_EQ(control<QComboBox>(e, "CombDate_FontSize")->currentText(), "32(3mm)");
    EXPECT_EQ(date.Height(), 18); // still the 16-dot preview
    e.pressPanel(QPoint(12, 62) + QPoint(21, 21));
    EXPECT_LT(text.Width(), 164); // "X" alone, no longer 中华人民共和国制造
}
