#include "EditorHarness.h"
#include "common/RegStore.h"
#include "editor/TemplateFile.h"
#include "shell/CanvasArea.h"
#include "shell/EditHistory.h"
#include "shell/EditMenus.h"
#include "shell/FieldClipboard.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {
QAction* menuAction(MainWindow& window, const char* menu, const char* text) {
    for (QAction* m : window.menuBar()->actions())
        if (m->text() == QString::fromUtf8(menu))
            for (QAction* a : m->menu()->actions())
                if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
}
void run(Editor& e, const char* menu, const char* text) {
    QAction* a = menuAction(e.window, menu, text);
    ASSERT_NE(a, nullptr) << text;
    a->trigger();
}
QByteArray fileOf(Editor& e) {
    return templateFileBytes(e.model, TemplateAttributes{});
}
} // namespace

TEST(EditMenus, SitBetweenFileAndSettings) {
    Editor e;
    QStringList titles;
    for (QAction* m : e.window.menuBar()->actions()) titles << m->text();
    EXPECT_EQ(titles.indexOf("编辑"), titles.indexOf("文件") + 1);
    EXPECT_EQ(titles.indexOf("视图"), titles.indexOf("编辑") + 1);
    EXPECT_EQ(titles.indexOf("设置"), titles.indexOf("视图") + 1);
}

TEST(EditHistory, UndoReturnsTheEmptyTemplateAndRedoReplays) {
    Editor e;
    e.place("SpedBtn_Str", {10, 20});
    const QByteArray placed = fileOf(e);
    e.drag({35, 45}, {60, 50});
    e.drag({60, 50}, {61, 50});
    e.drag({61, 50}, {70, 60});                                  // three moves, one step
    QTest::mousePress(e.layer(), Qt::LeftButton, {}, {30, 100}); // a press on the canvas alone is no step
    QTest::mouseRelease(e.layer(), Qt::LeftButton, {}, {30, 100});
    const QByteArray dragged = fileOf(e);
    EXPECT_EQ(e.model.find(0)->templatePos(), QPoint(10 + 25 + 1 + 9, 20 + 5 + 10)); // moves added by hand
    const QImage picture = e.model.find(0)->picture();
    e.window.findChild<QLineEdit*>("EdtStr_Source")->setText("AB"); // a property edit from the panel
    const QByteArray edited = fileOf(e);
    const QImage editedPicture = e.model.find(0)->picture();
    ASSERT_NE(editedPicture, picture);
    {
        BoxAnswer ok(QMessageBox::Ok);
        e.click("SpedBtn_Del");
    }
    ASSERT_EQ(e.model.count(), 0);
    EXPECT_EQ(e.window.editHistory()->stack()->count(), 6); // place, three drags, edit, delete

    run(e, "编辑", "撤销");
    ASSERT_EQ(e.model.count(), 1);
    EXPECT_EQ(fileOf(e), edited);
    EXPECT_EQ(e.model.find(0)->picture(), editedPicture);
    EXPECT_EQ(e.model.selectedElement(), e.model.find(0));
    EXPECT_EQ(e.front()->objectName(), "GrpBox_Str");
    EXPECT_EQ(e.window.findChild<QLineEdit*>("EdtStr_Source")->text(), "AB");
    run(e, "编辑", "撤销");
    EXPECT_EQ(fileOf(e), dragged);
    EXPECT_EQ(e.model.find(0)->picture(), picture);
    EXPECT_EQ(e.text("EdtStr_X"), "45");
    for (int i = 0; i < 3; ++i) run(e, "编辑", "撤销");
    EXPECT_EQ(fileOf(e), placed);
    run(e, "编辑", "撤销");
    EXPECT_EQ(e.model.count(), 0);
    EXPECT_EQ(e.model.NextControlNo(), 1); // ControlNo0 was given: it is not given again
    EXPECT_EQ(e.front()->objectName(), "GrpBox_Main");

    for (int i = 0; i < 5; ++i) run(e, "编辑", "重做");
    EXPECT_EQ(fileOf(e), edited);
    run(e, "编辑", "重做");
    EXPECT_EQ(e.model.count(), 0);

    e.window.clearEditHistory();
    EXPECT_EQ(e.window.editHistory()->stack()->count(), 0);
}

TEST(EditHistory, TypedPositionIsOneStep) {
    Editor e;
    e.place("SpedBtn_Date", {10, 20});
    auto* x = e.window.findChild<NumberBox*>("EdtDate_X");
    x->selectAll();
    QTest::keyClicks(x, "123");
    EXPECT_EQ(e.model.find(0)->templatePos().x(), 123);
    run(e, "编辑", "撤销");
    EXPECT_EQ(e.model.find(0)->templatePos(), QPoint(10, 20));
    EXPECT_EQ(e.text("EdtDate_X"), "10");
}

TEST(FieldClipboard, PastedBarcodeEqualsTheCopyUnderANewNumber) {
    Editor e;
    FieldElement& original = e.place("SpedBtn_BarCode", {100, 10});
    run(e, "编辑", "复制");
    run(e, "编辑", "粘贴");
    ASSERT_EQ(e.model.count(), 2);
    const FieldElement& pasted = *e.model.find(1);
    EXPECT_EQ(e.model.selectedElement(), &pasted);
    // 8 dots right; the barcode is taller than the canvas, so the drag rule rests
    // its bottom on the last row and it sticks out at the top
    EXPECT_EQ(pasted.templatePos(), QPoint(108, 128 - pasted.Height()));
    const Barcode& a = *original.asBarcode();
    const Barcode& b = *pasted.asBarcode();
    EXPECT_EQ(b.Bar_Caption(), a.Bar_Caption());
    EXPECT_EQ(b.Bar_CodeType(), a.Bar_CodeType());
    EXPECT_EQ(b.Bar_ModuleWidth(), a.Bar_ModuleWidth());
    EXPECT_EQ(b.Bar_HeightPercent(), a.Bar_HeightPercent());
    EXPECT_EQ(b.Bar_HumanReadable(), a.Bar_HumanReadable());
    EXPECT_EQ(b.picture(), a.picture());

    const int height = pasted.Height();
    run(e, "编辑", "剪切"); // no question
    EXPECT_EQ(e.model.count(), 1);
    run(e, "编辑", "粘贴"); // the cut copy, at 8 dots from where it was, numbered 2
    EXPECT_EQ(e.model.find(2)->templatePos(), QPoint(116, 128 - height));
}

TEST(CanvasKeyboard, ArrowsMoveAndClampLikeADrag) {
    Editor e;
    FieldElement& s = e.place("SpedBtn_Str", {500, 3});
    QTest::keyClick(e.layer(), Qt::Key_Right);
    EXPECT_EQ(s.templatePos(), QPoint(348, 3)); // 512 - 164, as the drag test gives
    QTest::keyClick(e.layer(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(s.templatePos(), QPoint(348, 0));
    QTest::keyClick(e.layer(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(s.templatePos(), QPoint(338, 0));
    EXPECT_EQ(e.text("EdtStr_X"), "338");
    run(e, "编辑", "撤销");
    EXPECT_EQ(e.model.find(0)->templatePos(), QPoint(348, 0));

    e.place("SpedBtn_Date", {0, 0});
    QTest::keyClick(e.layer(), Qt::Key_Tab); // after the last number: the first
    EXPECT_EQ(e.model.selectedElement()->number(), 0);
    QTest::keyClick(e.layer(), Qt::Key_Tab);
    EXPECT_EQ(e.model.selectedElement()->number(), 1);
    QTest::keyClick(e.layer(), Qt::Key_Escape);
    EXPECT_EQ(e.window.cursor().shape(), Qt::ArrowCursor);
}

TEST(CanvasZoom, PressAtThreeTimesPlacesAtTheDotUnderIt) {
    QByteArray atOne;
    {
        Editor e;
        e.place("SpedBtn_Str", {100, 40});
        atOne = fileOf(e);
    }
    Editor e;
    run(e, "视图", "放大");
    run(e, "视图", "放大");
    EXPECT_EQ(e.window.canvasArea()->zoom(), 3);
    EXPECT_EQ(e.store.read(kCanvasZoomValue, ""), "3");
    e.click("SpedBtn_Str");
    e.pressPanel(QPoint(121 * 3 + 2, 61 * 3 + 1)); // inside panel dot (121, 61) = canvas dot (100, 40)
    EXPECT_EQ(fileOf(e), atOne);
    EXPECT_EQ(e.text("EdtStr_X"), "100");
    e.drag(QPoint(122 * 3, 62 * 3), QPoint(132 * 3 + 2, 62 * 3)); // ten dots right
    EXPECT_EQ(e.model.find(0)->templatePos(), QPoint(110, 40));

    MainWindow reopened(e.dir.filePath("Config.ini"), e.store); // the same per-user store remembers the zoom
    EXPECT_EQ(reopened.canvasArea()->zoom(), 3);
}

// A choice in the barcode panel is one step, and undo restores the symbol.
TEST(EditHistory, BarcodePanelChoiceIsOneStep) {
    Editor e;
    e.place("SpedBtn_BarCode", {10, 20});
    const QByteArray placed = fileOf(e);
    const int steps = e.window.editHistory()->stack()->count();
    e.window.findChild<QComboBox*>("CombBarCode_Style")->setCurrentIndex(7);
    ASSERT_NE(fileOf(e), placed);
    EXPECT_EQ(e.window.editHistory()->stack()->count(), steps + 1);
    run(e, "编辑", "撤销");
    EXPECT_EQ(fileOf(e), placed);
}
