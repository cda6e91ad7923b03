// 视图/打印预览 from the main window: the next prints of the current template,
// or the refusal a send would give.
#include "EditorHarness.h"
#include "model/FieldImage.h"
#include "model/FieldPlacement.h"
#include "shell/PrintPreviewWindow.h"

#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
#include <QSpinBox>
#include <gtest/gtest.h>

TEST(PrintPreviewWindow, ShowsTheNextPrintsOrTheRefusal) {
    Editor e;
    FieldImage& serial = *PlaceField(e.model, csNo, 0, 40).AsField();
    auto* action = e.window.findChild<QAction*>(QStringLiteral("Act_PrintPreview"));
    ASSERT_NE(action, nullptr);
    action->trigger();
    auto* window = e.window.findChild<PrintPreviewWindow*>(QStringLiteral("PrintPreviewWindow"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("打印预览"));
    auto* picture = window->findChild<QLabel*>(QStringLiteral("Label_PreviewPicture"));
    auto* refusal = window->findChild<QLabel*>(QStringLiteral("Label_PreviewRefusal"));
    // Three prints of the 512-dot strip, 128 dots high, 8 rows apart.
    EXPECT_EQ(picture->pixmap().size(), QSize(512, 3 * 128 + 2 * 8));
    EXPECT_TRUE(refusal->isHidden());
    window->findChild<QSpinBox*>(QStringLiteral("Spin_PreviewCount"))->setValue(1);
    EXPECT_EQ(picture->pixmap().size(), QSize(512, 128));

    // A start value that is no number: a send refuses, so does the preview.
    serial.SetUserValue(QStringLiteral("1x"));
    window->findChild<QDateTimeEdit*>(QStringLiteral("DateTime_PreviewAt"))
        ->setDateTime(QDateTime(QDate(2026, 12, 31), QTime(23, 59)));
    EXPECT_TRUE(picture->pixmap().isNull());
    EXPECT_FALSE(refusal->isHidden());
    EXPECT_EQ(refusal->text(), QStringLiteral("'1x' is not a valid integer value"));
}
