// 视图/打印预览 from the main window: the next prints of the current template,
// or the refusal a send would give; printed again when the boxes have been
// still, and when the template changes.
#include "shell/PrintPreviewWindow.h"
#include "EditorHarness.h"
#include "common/MonoImage.h"
#include "model/FieldImage.h"
#include "model/FieldPlacement.h"
#include "shell/PrintSheetView.h"

#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {
constexpr int kWaitMs = 60000; // an upper bound for slow (sanitized) runs; the waits end at the signal

PrintPreviewWindow* openPreview(Editor& e) {
    e.window.findChild<QAction*>(QStringLiteral("Act_PrintPreview"))->trigger();
    return e.window.findChild<PrintPreviewWindow*>(QStringLiteral("PrintPreviewWindow"));
}

QImage shownSheet(PrintPreviewWindow* window) {
    return window->findChild<PrintSheetView*>(QStringLiteral("Img_PreviewPrints"))->sheet();
}
} // namespace

TEST(PrintPreviewWindow, ShowsTheNextPrintsOrTheRefusal) {
    Editor e;
    FieldElement& element = placeField(e.model, csNo, 0, 40);
    FieldImage& serial = *element.asField();
    PrintPreviewWindow* window = openPreview(e);
    ASSERT_NE(window, nullptr);
    QSignalSpy shown(window, &PrintPreviewWindow::shown);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("打印预览"));
    auto* refusal = window->findChild<QLabel*>(QStringLiteral("Label_PreviewRefusal"));
    ASSERT_TRUE(shown.wait(kWaitMs));
    // Three prints of the 512-dot strip, 128 dots high, 8 rows apart.
    EXPECT_EQ(shownSheet(window).size(), QSize(512, 3 * 128 + 2 * 8));
    EXPECT_TRUE(refusal->isHidden());

    // Clicks in a row print once, for the count the box ends at.
    auto* count = window->findChild<QSpinBox*>(QStringLiteral("Spin_PreviewCount"));
    for (int n : {4, 5, 1}) count->setValue(n);
    ASSERT_TRUE(shown.wait(kWaitMs));
    EXPECT_EQ(shown.count(), 2);
    EXPECT_EQ(shownSheet(window).size(), QSize(512, 128));

    // A start value that is no number: a send refuses, so does the preview.
    serial.SetUserValue(QStringLiteral("1x"));
    e.model.notifyChanged(element);
    ASSERT_TRUE(shown.wait(kWaitMs));
    EXPECT_TRUE(shownSheet(window).isNull());
    EXPECT_FALSE(refusal->isHidden());
    EXPECT_EQ(refusal->text(), QStringLiteral("'1x' is not a valid integer value"));
}

TEST(PrintPreviewWindow, FollowsAFieldMovedOnTheCanvas) {
    Editor e;
    e.place("SpedBtn_Str", {100, 3});
    PrintPreviewWindow* window = openPreview(e);
    QSignalSpy shown(window, &PrintPreviewWindow::shown);
    window->findChild<QSpinBox*>(QStringLiteral("Spin_PreviewCount"))->setValue(1);
    ASSERT_TRUE(shown.wait(kWaitMs));
    const QStringList before = mono::toText(shownSheet(window)).split('\n');
    ASSERT_TRUE(before.join(QString()).contains('#'));

    QTest::keyClick(e.layer(), Qt::Key_Right); // the count box untouched
    ASSERT_TRUE(shown.wait(kWaitMs));
    // At 200 dpi a template dot is a column: every dot of the print one column to the right.
    const QStringList after = mono::toText(shownSheet(window)).split('\n');
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype y = 0; y < before.size(); ++y)
        EXPECT_EQ(after[y], before[y].isEmpty() ? before[y] : '.' + before[y].chopped(1)) << "row " << y;
}

// Sized to show its prints whole (three 512 x 128 prints fit on the test
// screen) and centred on the main window.
TEST(PrintPreviewWindow, TakesTheSizeOfItsPrintsCentredOnTheMainWindow) {
    Editor e;
    e.window.show();
    placeField(e.model, csNo, 0, 40);
    PrintPreviewWindow* window = openPreview(e);
    QSignalSpy shown(window, &PrintPreviewWindow::shown);
    ASSERT_TRUE(shown.wait(kWaitMs));
    auto* view = window->findChild<PrintSheetView*>(QStringLiteral("Img_PreviewPrints"));
    const QRect seen(view->mapTo(window, QPoint(0, 0)), view->size());
    EXPECT_TRUE(window->rect().contains(seen)) << window->width() << "x" << window->height();
    EXPECT_GT(window->width(), 512);
    // each QRect centre rounds down: within a dot or two each way
    EXPECT_LE((window->geometry().center() - e.window.geometry().center()).manhattanLength(), 4);
}
