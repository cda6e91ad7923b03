// The preview of the next prints: the values counted on from print to print,
// and the picture of daviduv-cli preview against what the virtual printer
// prints for the same send at the same time.
#include "printsim/PrintPreview.h"
#include "common/MonoImage.h"
#include "editor/TemplateFile.h"
#include "link/MessageRender.h"
#include "link/SendMessage.h"
#include "model/FieldImage.h"
#include "model/FieldPlacement.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QDateTime kLastMinuteOf2026(QDate(2026, 12, 31), QTime(23, 59));

// Date (style "A1"), expiry 30 days on, serial number from 98 by 1 over 8
// digits, shift "B".
void placeFourKinds(MessageTemplate& message) {
    placeField(message, csDate, 0, 0);
    placeField(message, csPeriod, 0, 20).asField()->SetUserPeriod(30);
    FieldImage& serial = *placeField(message, csNo, 0, 40).asField();
    serial.SetUserValue(QStringLiteral("98"));
    serial.SetUserIncrement(1);
    serial.SetUserNoDigit(8);
    placeField(message, csRunNo, 0, 60).asField()->SetUserValue(QStringLiteral("B"));
}

bool waitForFile(const QString& path) {
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && !QFileInfo::exists(path)) QThread::msleep(20);
    QThread::msleep(100); // the picture is written atomically; its log line follows
    return QFileInfo::exists(path);
}

} // namespace

TEST(PrintPreview, CountsSerialNumbersOnAndDatesFromTheClock) {
    MessageTemplate message;
    placeFourKinds(message);
    const PrintPreview preview = previewPrints(messageFrames(planMessage(message, {})), kLastMinuteOf2026, 3);
    ASSERT_TRUE(preview.problem.isEmpty()) << qPrintable(preview.problem);
    ASSERT_EQ(preview.prints.size(), 3);
    // Style "A1" is year, month, day in 8 digits; 30 days after 2026-12-31 is
    // 2027-01-30 (worked by hand: 31 days in January).
    const QString serials[] = {QStringLiteral("00000098"), QStringLiteral("00000099"), QStringLiteral("00000100")};
    for (int i = 0; i < 3; ++i) {
        const PreviewPrint& print = preview.prints[i];
        EXPECT_EQ(print.values[0], QStringLiteral("20261231")) << i;
        EXPECT_EQ(print.values[1], QStringLiteral("20270130")) << i;
        EXPECT_EQ(print.values[2], serials[i]);
        EXPECT_EQ(print.values[3], QStringLiteral("B")) << i;
        EXPECT_TRUE(print.problems.isEmpty()) << qPrintable(print.problems.join(';'));
        EXPECT_EQ(printPicture(preview, i).size(), QSize(512, 128)) << i;
    }
    // The serial number is drawn: the pictures differ.
    EXPECT_NE(mono::toText(printPicture(preview, 0)), mono::toText(printPicture(preview, 2)));
    EXPECT_EQ(preview.sheet.size(), QSize(512, 3 * 128 + 2 * kPreviewGapRows));
}

TEST(PrintPreview, CliPictureIsTheVirtualPrintersMessage) {
    QTemporaryDir dir;
    const QString spt = dir.filePath(QStringLiteral("four.spt"));
    MessageTemplate message;
    placeFourKinds(message);
    saveTemplate(message, TemplateAttributes{512, 128, 1, QStringLiteral("200dpi")}, spt);
    const QString printDir = dir.filePath(QStringLiteral("printed"));
    PrinterProcess printer(
        {QStringLiteral("--print-dir"), printDir, QStringLiteral("--clock"), QStringLiteral("2026-12-31 23:59")});
    const CliRun send = runCli({"send", spt, "--port", printer.devicePath(), "--quiet-ms", "200"});
    ASSERT_EQ(send.exitCode, 0) << qPrintable(send.err);
    const QString printed = printDir + QStringLiteral("/message-1.png");
    ASSERT_TRUE(waitForFile(printed));

    const QString out = dir.filePath(QStringLiteral("preview.png"));
    const CliRun preview = runCli({"preview", spt, "--at", "2026-12-31 23:59", "--count", "1", "--out", out});
    ASSERT_EQ(preview.exitCode, 0) << qPrintable(preview.err);
    EXPECT_EQ(preview.out, QStringList{"1\t20261231\t20270130\t00000098\tB"});
    const QImage expected = mono::normalized(QImage(printed)), got = mono::normalized(QImage(out));
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(mono::toText(got), mono::toText(expected));
}

TEST(PrintPreview, CliShowsTheRefusalOfASend) {
    QTemporaryDir dir;
    MessageTemplate message;
    placeField(message, csNo, 0, 0).asField()->SetUserValue(QStringLiteral("9x"));
    const QString spt = dir.filePath(QStringLiteral("bad.spt"));
    saveTemplate(message, TemplateAttributes{512, 128, 1, QStringLiteral("200dpi")}, spt);
    const QString out = dir.filePath(QStringLiteral("preview.png"));
    const CliRun preview = runCli({"preview", spt, "--at", "2026-12-31 23:59", "--out", out});
    EXPECT_EQ(preview.exitCode, 2);
    EXPECT_TRUE(preview.err.contains(QStringLiteral("'9x' is not a valid integer value"))) << qPrintable(preview.err);
    EXPECT_FALSE(QFileInfo::exists(out));
}
