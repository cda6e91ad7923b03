// The marks the canvas layer draws over the fields: the selection outline and
// the hatching of parts beyond the print area; and the send's question about them.
#include "EditorHarness.h"

#include "common/RegStore.h"
#include "editor/TemplateFile.h"
#include "link/MessageRender.h"
#include "serial/SerialPort.h"
#include "shell/PrintAreaPrompt.h"
#include "shell/StatusLine.h"
#include "support/PrinterProcess.h"

#include <gtest/gtest.h>

namespace {
QImage layerShot(Editor& e) {
    return e.layer()->grab().toImage();
}
bool outlined(const QImage& shot, QPoint p) {
    return QColor(shot.pixel(p)) == FieldLayer::outlineColor();
}
bool reddish(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
}
int reddishIn(const QImage& shot, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += reddish(shot.pixel(x, y));
    return n;
}
} // namespace

TEST(CanvasMarks, TheSelectedFieldIsOutlinedOnTheLayerAndNowhereElse) {
    Editor e;
    FieldElement& text = e.place("SpedBtn_Str", {100, 50});
    const QRect r(text.Left(), text.Top(), text.Width(), text.Height()); // panel dots = screen dots at zoom 1
    QImage shot = layerShot(e);
    EXPECT_TRUE(outlined(shot, {r.left() - 1, r.center().y()}));
    EXPECT_TRUE(outlined(shot, {r.right() + 2, r.center().y()}));
    EXPECT_TRUE(outlined(shot, {r.center().x(), r.top() - 2}));
    EXPECT_FALSE(outlined(shot, {r.left() - 3, r.center().y()})); // two screen dots wide
    EXPECT_FALSE(outlined(shot, r.topLeft()));                    // the field's own dots stay its own

    // The print: the dots around the field are white, the field's picture has no outline.
    const MessagePlan plan = planMessage(e.model, {});
    const QPoint at = text.templatePos();
    for (const QPoint p : {at + QPoint(-1, 5), at + QPoint(text.Width(), 5), at + QPoint(5, -1)})
        EXPECT_EQ(plan.scaled.pixelIndex(p), 0) << p.x() << "," << p.y(); // index 1 is a dot
    EXPECT_EQ(text.picture().format(), QImage::Format_Mono);

    // Kept through a drag (by 30 dots) and a zoom (each dot 2 x 2, the outline still 2 wide).
    e.drag(r.center(), r.center() + QPoint(30, 0));
    const QRect moved = r.translated(30, 0);
    shot = layerShot(e);
    EXPECT_TRUE(outlined(shot, {moved.left() - 1, moved.center().y()}));
    EXPECT_FALSE(outlined(shot, {r.left() - 1, r.center().y()})); // the old place was repainted
    e.window.canvasArea()->setZoom(2);
    shot = layerShot(e);
    EXPECT_TRUE(outlined(shot, {moved.left() * 2 - 2, moved.center().y() * 2}));
    EXPECT_FALSE(outlined(shot, {moved.left() * 2 - 3, moved.center().y() * 2}));
    e.window.canvasArea()->setZoom(1);

    // Tab moves it from a second field back to the first.
    FieldElement& other = e.place("SpedBtn_Str", {300, 80});
    const QRect o(other.Left(), other.Top(), other.Width(), other.Height());
    QTest::keyClick(e.layer(), Qt::Key_Tab);
    ASSERT_EQ(e.model.selectedElement(), &text);
    shot = layerShot(e);
    EXPECT_TRUE(outlined(shot, {moved.left() - 1, moved.center().y()}));
    EXPECT_FALSE(outlined(shot, {o.left() - 1, o.center().y()}));

    // Unselected: no outline, and the file is the same bytes as while a field was selected.
    const QByteArray selectedFile = templateFileBytes(e.model, {512, 128, 1, "200dpi"});
    e.model.select(nullptr);
    shot = layerShot(e);
    EXPECT_FALSE(outlined(shot, {moved.left() - 1, moved.center().y()}));
    EXPECT_EQ(templateFileBytes(e.model, {512, 128, 1, "200dpi"}), selectedFile);
}

TEST(CanvasMarks, PartsBeyondTheStripAreHatchedAndTheSendAsksFirst) {
    PrinterProcess printer;
    Editor e;
    e.window.serialPort().setPort(printer.devicePath());
    e.window.setQuietMs(200);
    FieldElement& bar = e.place("SpedBtn_BarCode", {120, 10}); // the default EAN-13, 141 dots high
    const QRect r(bar.Left(), bar.Top(), bar.Width(), bar.Height());
    const int stripEnd = 21 + 128; // the first panel row below the strip
    ASSERT_GT(r.bottom(), stripEnd);
    const QImage shot = layerShot(e);
    EXPECT_GT(reddishIn(shot, QRect(r.left(), stripEnd, r.width(), r.bottom() - stripEnd + 1)), 0);
    EXPECT_EQ(reddishIn(shot, QRect(r.left(), r.top(), r.width(), stripEnd - r.top())), 0);

    const QString question = QStringLiteral("部分内容超出打印区域，仍要发送吗？\n\n条码（X 120，Y 10）");
    {
        BoxAnswer cancel(QMessageBox::Cancel);
        e.window.findChild<QAction*>("Act_Send")->trigger();
        ASSERT_EQ(cancel.seen.size(), 1u);
        EXPECT_EQ(cancel.seen[0].text, question);
        EXPECT_TRUE(printer.received().isEmpty());
    }
    BoxAnswer ok(QMessageBox::Ok);
    e.window.findChild<QAction*>("Act_Send")->trigger();
    ASSERT_EQ(ok.seen.size(), 2u);
    EXPECT_EQ(ok.seen[0].text, question);
    EXPECT_EQ(ok.seen[1].text, QStringLiteral("恭喜您，传输数据成功！ "));
    EXPECT_EQ(printer.receivedAtLeast(7).size(), 7);
}
