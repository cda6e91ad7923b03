// The main task end to end over a pseudo-terminal: a template file with one
// element of each kind is sent by daviduv-cli to daviduv-printer, which puts
// the background together and prints the message.
#include "common/MonoImage.h"
#include "editor/TemplateFile.h"
#include "link/BarcodeVerification.h"
#include "model/DateStyles.h"
#include "model/FieldPlacement.h"
#include "printsim/MessagePrint.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString kSendSucceeded = QStringLiteral("恭喜您，传输数据成功！ ");

QImage loadStrip(const QString& path) {
    QImage picture(path);
    return picture.isNull() ? picture : mono::normalized(picture);
}

// Waits for the printer's log line naming the message picture it wrote.
bool waitForPrint(const PrinterProcess& printer, const QString& path) {
    QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        for (const QString& line : printer.logLines())
            if (line.endsWith(QStringLiteral(" print | printed ") + path)) return true;
        QThread::msleep(20);
    }
    return false;
}

// The background with the four values drawn as the printer draws them, the
// dates of the given day (style "A1", expiry 365 days on).
QString expectedPrint(const QImage& background, const QRect (&boxes)[4], const QDateTime& day) {
    QImage picture = background.copy();
    const QString texts[] = {formatFieldDate(0, 0, day), formatFieldDate(0, 365, day), QStringLiteral("00000001"),
                             QStringLiteral("A")};
    for (int k = 0; k < 4; ++k) drawFieldValue(picture, FieldPrint{boxes[k].x(), boxes[k].y(), 16, 2, texts[k]});
    return mono::toText(picture);
}

} // namespace

TEST(PrintEndToEnd, SentTemplateIsPrinted) {
    QTemporaryDir dir;
    const QString sptPath = dir.filePath(QStringLiteral("seven.spt"));
    const QString printDir = dir.filePath(QStringLiteral("printed"));
    // The variable fields at 16 dots, spacing 2, with their lead texts; the
    // static kinds beside them.
    MessageTemplate message;
    placeField(message, csDate, 0, 0);    // 生产日期：
    placeField(message, csPeriod, 0, 20); // 有效期：
    placeField(message, csNo, 0, 40);     // 序号：
    placeField(message, csRunNo, 0, 60);  // 班次：
    placeField(message, csStr, 0, 90);
    placeField(message, csImage, 200, 0);
    // Taller than the strip at its default size: the strip keeps its upper part.
    const FieldElement& barcode = placeField(message, csBarCode, 280, 0);
    const QRect barcodeRect = QRect(280, 0, barcode.Width(), barcode.Height()).intersected(QRect(0, 0, 512, 128));
    ASSERT_EQ(barcodeRect.right(), 280 + barcode.Width() - 1) << "the barcode must fit the strip's width";
    saveTemplate(message, TemplateAttributes{512, 128, 1, QStringLiteral("200dpi")}, sptPath);

    const QDateTime before = QDateTime::currentDateTime();
    PrinterProcess printer({QStringLiteral("--print-dir"), printDir});
    const CliRun send = runCli({"send", sptPath, "--port", printer.devicePath(), "--quiet-ms", "200"});
    ASSERT_EQ(send.exitCode, 0) << qPrintable(send.err) << qPrintable(send.out.join('\n'));
    EXPECT_EQ(send.out.value(send.out.size() - 1), kSendSucceeded);
    const QString messagePath = printDir + QStringLiteral("/message-1.png");
    ASSERT_TRUE(waitForPrint(printer, messagePath)) << qPrintable(printer.logLines().join('\n'));

    const QString bgPath = dir.filePath(QStringLiteral("bg.png"));
    const CliRun render = runCli({"render", sptPath, "--out", bgPath});
    ASSERT_EQ(render.exitCode, 0) << qPrintable(render.err);
    EXPECT_EQ(render.out, QStringList{"512 128"});

    // The background the printer put together is the one the sender packed.
    const QImage rendered = loadStrip(bgPath);
    const QImage background = loadStrip(printDir + QStringLiteral("/background-1.png"));
    ASSERT_FALSE(background.isNull());
    ASSERT_EQ(background.size(), rendered.size());
    EXPECT_EQ(mono::toText(background), mono::toText(rendered));
    EXPECT_EQ(readBarcodeRegion(background, barcodeRect, EAN_13), "1234567890128"); // the barcode's default value

    // The message is the background plus ink in the four value boxes, each
    // just right of its lead text. Worked by hand with the dot-width rule at
    // 16 dots and spacing 2 (full-width 18, half-width 10): lead texts of 5,
    // 4, 3 and 3 full-width characters; values of 8 digits (dates in style
    // "A1", the serial number padded to 8) and one letter.
    const QRect boxes[] = {{90, 0, 80, 16}, {72, 20, 80, 16}, {54, 40, 80, 16}, {54, 60, 10, 16}};
    const QImage printed = loadStrip(messagePath);
    ASSERT_EQ(printed.size(), background.size());
    int added[4] = {};
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x) {
            const bool before = mono::dot(background, x, y), after = mono::dot(printed, x, y);
            if (before == after) continue;
            EXPECT_FALSE(before) << "dot taken away at " << x << "," << y;
            int box = 0;
            while (box < 4 && !boxes[box].contains(x, y)) ++box;
            if (box < 4) ++added[box];
            else ADD_FAILURE() << "dot added outside the value boxes at " << x << "," << y;
        }
    for (int k = 0; k < 4; ++k) EXPECT_GT(added[k], 10) << "box " << k;
    // Dot for dot the values of today (the printer's clock was never set, so
    // it runs on the computer's), whichever side of midnight the send fell.
    const QString got = mono::toText(printed);
    EXPECT_TRUE(got == expectedPrint(background, boxes, before) ||
                got == expectedPrint(background, boxes, QDateTime::currentDateTime()));
    // The lead texts were in the background already, left of the boxes.
    for (const QRect& box : boxes) {
        int leadDots = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = 1; x < box.left(); ++x) leadDots += mono::dot(background, x, y);
        EXPECT_GT(leadDots, 20) << "lead left of " << box.x() << "," << box.y();
    }
    // DAVIDUV_MESSAGE_PNG=path keeps a copy of the printed message to look at.
    const QString keep = qEnvironmentVariable("DAVIDUV_MESSAGE_PNG");
    if (!keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(messagePath, keep);
    }
}
