#include "EditorHarness.h"
#include "editor/TemplateFile.h"
#include "model/FieldPlacement.h"
#include "shell/CanvasArea.h"
#include "shell/FieldLayer.h"
#include "shell/MainWindow.h"
#include "shell/ToolPalette.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PropertyPanels.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QGroupBox>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(ToolPalette, NineButtonsOneDownAtATime) {
    Editor e;
    // names and tooltips of the palette, top to bottom, 29 dots apart
    // (the editor's tool palette: button names and hints as the operator sees them)
    const char* rows[][2] = {{"SpedBtn_Cursor", ""},    {"SpedBtn_BarCode", "条形码"}, {"SpedBtn_Image", "图像"},
                             {"SpedBtn_Str", "字符串"}, {"SpedBtn_Date", "时间"},      {"SpedBtn_Period", "有效期"},
                             {"SpedBtn_No", "序号"},    {"SpedBtn_RunNo", "班次"},     {"SpedBtn_Del", "删除组件"}};
    for (int i = 0; i < 9; ++i) {
        QToolButton* b = e.button(rows[i][0]);
        ASSERT_NE(b, nullptr) << rows[i][0];
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(rows[i][1]));
        EXPECT_EQ(b->size(), QSize(29, 29));
        EXPECT_EQ(b->y() - e.button("SpedBtn_Cursor")->y(), 29 * i);
        EXPECT_EQ(b->isChecked(), i == 0) << rows[i][0];
    }
    e.click("SpedBtn_Str");
    e.click("SpedBtn_Date");
    EXPECT_FALSE(e.button("SpedBtn_Str")->isChecked());
    EXPECT_FALSE(e.button("SpedBtn_Cursor")->isChecked());
    e.click("SpedBtn_Date"); // a down button is released by a second click: none down
    EXPECT_FALSE(e.button("SpedBtn_Date")->isChecked());
    EXPECT_EQ(e.window.cursor().shape(), Qt::CrossCursor);
    e.pressPanel({100, 100});
    EXPECT_EQ(e.model.count(), 0);
    EXPECT_TRUE(e.button("SpedBtn_Cursor")->isChecked());
}

TEST(CanvasEditing, StringAtTheRightEdgeSticksOutUntilDragged) {
    Editor e;
    e.click("SpedBtn_Str");
    EXPECT_EQ(e.window.cursor().shape(), Qt::CrossCursor);
    e.pressPanel({521, 121}, Qt::RightButton); // canvas dot (500, 100); any button places
    ASSERT_EQ(e.model.count(), 1);
    FieldElement& s = *e.model.find(0);
    EXPECT_EQ(s.kind(), csStr);
    EXPECT_EQ(s.templatePos(), QPoint(500, 100));
    EXPECT_EQ(s.Width(), 164); // the new string's preview width
    EXPECT_EQ(e.model.selectedElement(), &s);
    EXPECT_FALSE(e.button("SpedBtn_Str")->isChecked());
    EXPECT_TRUE(e.button("SpedBtn_Cursor")->isChecked());
    EXPECT_EQ(e.window.cursor().shape(), Qt::CrossCursor); // placing keeps the mode
    EXPECT_EQ(e.front()->objectName(), "GrpBox_Str");
    EXPECT_EQ(e.text("EdtStr_X"), "500");
    EXPECT_EQ(e.text("EdtStr_Y"), "100");

    e.drag({525, 125}, {530, 125});
    EXPECT_EQ(s.templatePos(), QPoint(348, 100)); // 512 - 164: flush with the right edge
    EXPECT_EQ(e.text("EdtStr_X"), "348");
    QTest::mouseMove(e.layer(), {100, 100}); // released: moves no longer drag
    EXPECT_EQ(s.templatePos(), QPoint(348, 100));
}

TEST(CanvasEditing, RulerPressPlacesNothingInEitherMode) {
    Editor e;
    e.click("SpedBtn_Date");
    e.pressPanel({10, 50});   // the ruler left of the canvas
    e.pressPanel({300, 160}); // below it
    EXPECT_EQ(e.model.count(), 0);
    EXPECT_TRUE(e.button("SpedBtn_Date")->isChecked());
    e.click("SpedBtn_Cursor");
    EXPECT_EQ(e.window.cursor().shape(), Qt::ArrowCursor);
    e.pressPanel({10, 50});
    e.pressPanel({100, 100}); // the canvas, in selection mode
    EXPECT_EQ(e.model.count(), 0);
}

TEST(CanvasEditing, BorderPressPlacesTwentyOneDotsFurther) {
    Editor e;
    e.click("SpedBtn_Image");
    e.pressPanel({0, 50});
    ASSERT_EQ(e.model.count(), 1);
    EXPECT_EQ(QPoint(e.model.find(0)->Left(), e.model.find(0)->Top()), QPoint(21, 71));
    EXPECT_EQ(e.text("EdtImage_X"), "0");
    EXPECT_EQ(e.text("EdtImage_Y"), "50");
}

TEST(CanvasEditing, PressWithNoKindDownOnlyBringsTheGeneralPanel) {
    Editor e;
    e.place("SpedBtn_No", {10, 10});
    e.pressPanel({300, 100});
    EXPECT_EQ(e.model.count(), 1);
    EXPECT_EQ(e.front()->objectName(), "GrpBox_Main");
}

TEST(CanvasEditing, DragStopsAtTheLeftEdgeAndTheBottomRow) {
    Editor e;
    FieldElement& d = e.place("SpedBtn_Date", {100, 50});
    e.click("SpedBtn_Cursor");
    e.drag({126, 76}, {-200, 400}, Qt::MiddleButton);
    EXPECT_EQ(d.templatePos().x(), 0);
    EXPECT_EQ(d.templatePos().y() + d.Height() - 1, 127); // bottom row on canvas row 127
    EXPECT_EQ(e.text("EdtDate_X"), "0");
}

TEST(CanvasEditing, ShiftFieldTallerThanTheCanvasEndsAtMinusTwo) {
    Editor e;
    FieldElement& r = e.place("SpedBtn_RunNo", {10, 10});
    r.asField()->SetUserFontSize(128);
    drawFieldPreview(*r.asField(), e.model.now());
    e.model.notifyChanged(r);
    ASSERT_EQ(r.Height(), 130);
    e.drag({35, 35}, {40, 20});
    EXPECT_EQ(r.templatePos().y(), -2);
    EXPECT_EQ(e.text("EdtRunNo_Y"), "(2)");
}

TEST(CanvasEditing, DeleteWithNothingSelectedAsksNothing) {
    Editor e;
    BoxAnswer answer(QMessageBox::Ok);
    e.click("SpedBtn_Del");
    QTest::qWait(30);
    EXPECT_TRUE(answer.seen.empty());
    EXPECT_FALSE(e.button("SpedBtn_Del")->isChecked());
    EXPECT_TRUE(e.button("SpedBtn_Cursor")->isChecked());
}

TEST(CanvasEditing, DeletedNumberIsNotGivenAgain) {
    Editor e;
    e.place("SpedBtn_Str", {0, 0});
    FieldElement& second = e.place("SpedBtn_Date", {0, 40});
    e.place("SpedBtn_No", {0, 80});
    e.pressPanel({second.Left() + 2, second.Top() + 2});
    EXPECT_EQ(e.model.selectedElement(), &second);
    EXPECT_EQ(e.front()->objectName(), "GrpBox_Date");
    {
        BoxAnswer cancel(QMessageBox::Cancel);
        e.click("SpedBtn_Del");
        EXPECT_EQ(e.model.count(), 3);
    }
    BoxAnswer ok(QMessageBox::Ok);
    e.click("SpedBtn_Del");
    ASSERT_EQ(ok.seen.size(), 1u);
    EXPECT_EQ(ok.seen[0].title, "提示");
    EXPECT_EQ(ok.seen[0].text, "确定要删除该组件吗？");
    EXPECT_EQ(ok.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(e.model.find(1), nullptr);
    EXPECT_EQ(e.front()->objectName(), "GrpBox_Main");
    EXPECT_TRUE(e.button("SpedBtn_Cursor")->isChecked());
    e.place("SpedBtn_RunNo", {200, 0});
    EXPECT_EQ(e.model.selectedElement()->name(), "ControlNo3");
    EXPECT_NE(e.model.find(0), nullptr);
    EXPECT_NE(e.model.find(2), nullptr);
}

TEST(CanvasEditing, OpenedFileWithACaptionGapNeverSharesANumber) {
    Editor e;
    const QString path = e.dir.filePath("gap.spt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Main]\r\nImageWidth=512\r\nImageHeight=128\r\nControlCaption=csStr0//csDate2\r\n"
            "[csStr0]\r\nUserValue=AB\r\nLeft=10\r\nTop=5\r\n[csDate2]\r\nLeft=0\r\nTop=0\r\n");
    f.close();
    loadTemplate(e.model, path, {}); // elements 0 and 2, NextControlNo 2
    FieldElement& placed = e.place("SpedBtn_Str", {300, 60});
    EXPECT_EQ(placed.number(), 3);
    EXPECT_EQ(e.model.count(), 3);
}

TEST(CanvasEditing, TypedPositionMovesTheFieldWithoutBound) {
    Editor e;
    FieldElement& s = e.place("SpedBtn_Str", {10, 10});
    QLineEdit* y = e.window.findChild<NumberBox*>("EdtStr_Y");
    y->selectAll();
    QTest::keyClicks(y, "200");
    EXPECT_EQ(s.Top(), 221);
}

TEST(NumberBox, ShowsSeparatorsAndParentheses) {
    // separators every three digits, a negative value in parentheses
    // (worked by hand from how the editor's number boxes show numbers)
    const struct {
        int value;
        const char* text;
    } rows[] = {{0, "0"}, {999, "999"}, {1234, "1,234"}, {-5, "(5)"}, {-1234567, "(1,234,567)"}};
    for (const auto& r : rows) {
        EXPECT_EQ(numberBoxText(r.value), r.text);
        EXPECT_EQ(numberBoxValue(r.text), r.value);
    }
    EXPECT_EQ(numberBoxValue("-12"), -12);
    EXPECT_EQ(numberBoxValue(""), std::nullopt);
    EXPECT_EQ(numberBoxValue("1a"), std::nullopt);
    EXPECT_EQ(numberBoxValue("99999999999"), std::nullopt);
}

TEST(PropertyPanels, OneFrameInFrontWithItsPositionBoxes) {
    Editor e;
    // panel names, captions and position boxes as the property area names them, in kind order
    // (the editor's field panels and their titles as the operator sees them)
    const char* rows[][3] = {{"GrpBox_BarCode", "条形码属性", "BarCode"}, {"GrpBox_Image", "图片属性", "Image"},
                             {"GrpBox_Str", "字符串属性", "Str"},         {"GrpBox_Date", "时间、日期属性", "Date"},
                             {"GrpBox_Period", "有效期属性", "Period"},   {"GrpBox_No", "序号属性", "No"},
                             {"GrpBox_RunNo", "班次属性", "RunNo"}};
    e.window.show();
    EXPECT_EQ(e.front()->objectName(), "GrpBox_Main");
    for (eStyle kind : kAllFieldKinds) {
        auto* panel = e.window.findChild<QGroupBox*>(rows[kind][0]);
        ASSERT_NE(panel, nullptr) << rows[kind][0];
        EXPECT_EQ(panel->title(), QString::fromUtf8(rows[kind][1]));
        EXPECT_FALSE(panel->isVisible());
        const QString box = QStringLiteral("Edt") + rows[kind][2];
        EXPECT_NE(panel->findChild<NumberBox*>(box + "_X"), nullptr);
        EXPECT_NE(panel->findChild<NumberBox*>(box + "_Y"), nullptr);
    }
}

TEST(FieldLayer, ShowsNewerInFrontAndRepaintsWhereAFieldLeft) {
    Editor e;
    e.window.show();
    QWidget* panel = e.window.canvasArea()->Pnl_Main();
    // what the screen shows of the panel: the window's backing store, painted by updates only
    auto shown = [&] {
        QApplication::processEvents();
        const QPoint at = panel->mapTo(&e.window, QPoint(0, 0));
        return e.window.screen()->grabWindow(e.window.winId(), at.x(), at.y(), 420, 174).toImage();
    };
    FieldElement& s = e.place("SpedBtn_Str", {100, 10});
    const QPoint corner(s.Left(), s.Top()); // the string's framed corner, at panel (121, 31)
    e.place("SpedBtn_Image", {300, 0});     // a white 64 x 64 box in a black frame at panel (321, 21)
    EXPECT_EQ(shown().pixelColor(corner), QColor(Qt::black));
    e.drag({326, 26}, {121, 31}); // the newer box now lies over the string, its inside on the corner
    EXPECT_EQ(shown().pixelColor(corner), QColor(Qt::white));
    e.drag({121, 31}, {321, 31}); // and away again: the string shows where it was covered
    EXPECT_EQ(shown().pixelColor(corner), QColor(Qt::black));
    EXPECT_EQ(shown().pixelColor(150, 80), QColor(Qt::white)); // the canvas where the box lay
}
