// Undo as the operator's hand expects it: a number typed into a box is one
// step until the box is left; 置于顶层/置于底层 are steps that keep the file's
// numbering in the order the canvas shows; the selection actions follow the selection.
#include "EditorHarness.h"
#include "editor/TemplateFile.h"
#include "shell/EditHistory.h"
#include "shell/EditMenus.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {
QAction* editAction(Editor& e, const char* text) {
    for (QAction* a : e.window.editMenus()->editMenu()->actions())
        if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
}
QByteArray fileOf(Editor& e) {
    return templateFileBytes(e.model, TemplateAttributes{});
}
void typeInto(QWidget* box, const char* text) {
    box->setFocus();
    QLineEdit* edit = qobject_cast<QLineEdit*>(box) ? qobject_cast<QLineEdit*>(box) : box->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}
} // namespace

TEST(UndoByHand, TypedNumberIsOneStepUntilTheBoxIsLeft) {
    Editor e;
    e.window.show();
    e.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.window));
    FieldElement& period = e.place("SpedBtn_Period", {10, 10});
    ASSERT_EQ(period.asField()->UserPeriod(), 365); // the expiry default
    auto* days = e.window.findChild<QSpinBox*>("SpnEdtPeriod_Day");
    typeInto(days, "30");
    EXPECT_EQ(e.model.find(0)->asField()->UserPeriod(), 30);
    e.window.findChild<QWidget*>("EdtPeriod_X")->setFocus(); // the box is left, nothing changed there
    typeInto(days, "7");                                     // back in it: a new step
    EXPECT_EQ(e.model.find(0)->asField()->UserPeriod(), 7);
    e.window.editHistory()->stack()->undo();
    EXPECT_EQ(e.model.find(0)->asField()->UserPeriod(), 30);
    e.window.editHistory()->stack()->undo(); // "30" typed whole: 365 again, not 3
    EXPECT_EQ(e.model.find(0)->asField()->UserPeriod(), 365);
    EXPECT_EQ(days->value(), 365);
}

TEST(UndoByHand, FieldUnderALargerOneIsReachedByStackingAndTheFileKeepsTheOrder) {
    Editor e;
    for (const char* name : {"剪切", "复制", "删除", "置于顶层", "置于底层"})
        EXPECT_FALSE(editAction(e, name)->isEnabled()) << name; // nothing selected yet
    e.place("SpedBtn_Str", {5, 5});                             // ControlNo0
    e.place("SpedBtn_BarCode", {0, 0});                         // ControlNo1, in front and covering it
    const QByteArray before = fileOf(e);
    e.pressPanel(QPoint(21 + 10, 21 + 10));
    ASSERT_TRUE(e.model.selectedElement()->isBarcode());
    for (const char* name : {"剪切", "复制", "删除", "置于顶层", "置于底层"})
        EXPECT_TRUE(editAction(e, name)->isEnabled()) << name;
    editAction(e, "置于底层")->trigger();
    // The barcode now goes first in the file and on the canvas: it takes number 0.
    ASSERT_TRUE(e.model.find(0)->isBarcode());
    EXPECT_EQ(e.model.stackIndex(*e.model.find(0)), 0);
    EXPECT_TRUE(e.model.selectedElement()->isBarcode());
    e.pressPanel(QPoint(21 + 10, 21 + 10)); // the string is reached
    EXPECT_FALSE(e.model.selectedElement()->isBarcode());
    // Saved and read back, the order is the same.
    const QString path = e.dir.filePath("stacked.spt");
    saveTemplate(e.model, TemplateAttributes{}, path);
    MessageTemplate reread;
    loadTemplate(reread, path, [](const TemplateAttributes&) {});
    EXPECT_TRUE(reread.elements().front()->isBarcode());
    EXPECT_EQ(templateFileBytes(reread, TemplateAttributes{}), fileOf(e));

    e.window.editHistory()->stack()->undo(); // the press is no step: this undoes the stacking
    EXPECT_EQ(fileOf(e), before);
    EXPECT_TRUE(e.model.find(1)->isBarcode());
    EXPECT_EQ(e.model.stackIndex(*e.model.find(1)), 1);
    e.model.select(nullptr);
    EXPECT_FALSE(editAction(e, "删除")->isEnabled());
}

// Tab follows the layout: in the date panel 字高 → 格式 → 间距 → X → Y.
TEST(PanelsGuide, TabFollowsTheLayoutAndControlsShowTheirState) {
    Editor e;
    e.window.show();
    e.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.window));
    e.place("SpedBtn_Date", {10, 10});
    QWidget* at = e.window.findChild<QWidget*>("CombDate_FontSize");
    at->setFocus();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty()) focus = focus->parentWidget(); // a list's own edit
        visited << (focus ? focus->objectName() : QString());
    }
    EXPECT_EQ(visited, (QStringList{"CombDate_Style", "EdtDate_Space", "EdtDate_X", "EdtDate_Y"}));

    e.place("SpedBtn_Str", {10, 60});
    auto* size = e.window.findChild<QComboBox*>("CombStr_FontSize");
    EXPECT_GE(size->lineEdit()->width(), size->fontMetrics().horizontalAdvance(QStringLiteral("100")));
    auto* bold = e.window.findChild<QToolButton*>("SptnStr_Bold");
    const QImage up = bold->grab().toImage();
    QTest::mouseClick(bold, Qt::LeftButton);
    ASSERT_TRUE(bold->isChecked());
    const QImage down = bold->grab().toImage();
    // pressed, the button is filled with a dark colour: its centre row changes clearly
    const QColor upColour = up.pixelColor(2, up.height() / 2), downColour = down.pixelColor(2, down.height() / 2);
    EXPECT_GT(upColour.lightness() - downColour.lightness(), 60);
}
