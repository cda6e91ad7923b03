// Glyph download end to end over a pseudo-terminal: daviduv-cli sends the
// standard sets of all six heights to daviduv-printer, then a template with a
// date, an expiry date and a serial number; the printer prints those values
// with the glyphs it was given.
#include "common/MonoImage.h"
#include "editor/TemplateFile.h"
#include "model/DateStyles.h"
#include "model/FieldPlacement.h"
#include "printsim/GlyphPrint.h"
#include "printsim/GlyphStore.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {
bool waitForLine(const PrinterProcess& printer, const QString& ending) {
    QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        for (const QString& line : printer.logLines())
            if (line.endsWith(ending)) return true;
        QThread::msleep(20);
    }
    return false;
}

// Lead texts at 16 dots and spacing 2, worked by hand with the dot-width rule:
// "生产日期：" 5 x 18 = 90, "有效期：" 72, "序号：" 54.
QImage expectedPrint(const QImage& background, const QList<QImage>& glyphs, const QDateTime& day, bool withGlyphs) {
    QImage picture = background.copy();
    const FieldPrint values[] = {{90, 0, 16, 2, formatFieldDate(3, 0, day)},    // 2026年12月08日
                                 {72, 20, 16, 2, formatFieldDate(5, 365, day)}, // 2027-12-08 13:45
                                 {54, 40, 16, 2, QStringLiteral("00000001")}};
    for (const FieldPrint& v : values) withGlyphs ? drawWithGlyphs(picture, v, glyphs) : drawFieldValue(picture, v);
    return picture;
}
} // namespace

TEST(GlyphEndToEnd, DatesAndNumbersArePrintedWithTheDownloadedGlyphs) {
    QTemporaryDir dir;
    const QString printDir = dir.filePath(QStringLiteral("printed"));
    PrinterProcess printer({QStringLiteral("--print-dir"), printDir});
    // The printer face, which the built-in font (the preview face) does not look like.
    const CliRun glyphs = runCli({"glyphs", "--standard", "--height", "all", "--font", "岱霖字体2", "--port",
                                  printer.devicePath(), "--quiet-ms", "200"});
    ASSERT_EQ(glyphs.exitCode, 0) << qPrintable(glyphs.err);
    // 304, 1216, 2736, 4864, 10944, 19456 bytes are 1, 1, 1, 2, 4 and 7 chunks of 3072: a waiting and a
    // success text each.
    EXPECT_EQ(glyphs.out.count(QStringLiteral("发送字模数据信息成功！")), 16);
    EXPECT_EQ(glyphs.out.size(), 32);
    ASSERT_TRUE(waitForLine(printer, printDir + QStringLiteral("/glyphs-128.png")));

    MessageTemplate message;
    placeField(message, csDate, 0, 0).asField()->SetUserValue(QStringLiteral("A4"));
    placeField(message, csPeriod, 0, 20).asField()->SetUserValue(QStringLiteral("A6"));
    placeField(message, csNo, 0, 40);
    const QString sptPath = dir.filePath(QStringLiteral("dates.spt"));
    saveTemplate(message, TemplateAttributes{256, 128, 1, QStringLiteral("200dpi")}, sptPath);
    const QDateTime before = QDateTime::currentDateTime();
    const CliRun send = runCli({"send", sptPath, "--port", printer.devicePath(), "--quiet-ms", "200"});
    ASSERT_EQ(send.exitCode, 0) << qPrintable(send.err);
    const QString messagePath = printDir + QStringLiteral("/message-1.png");
    ASSERT_TRUE(waitForLine(printer, QStringLiteral(" print | printed ") + messagePath))
        << qPrintable(printer.logLines().join('\n'));
    for (const QString& line : printer.logLines()) {
        EXPECT_FALSE(line.contains(QStringLiteral("protocol error"))) << qPrintable(line);
        EXPECT_FALSE(line.contains(QStringLiteral(" bad "))) << qPrintable(line);
    }

    // The 16-dot glyphs as the sender kept them in Code-16 beside the program.
    QFile code16(QStringLiteral(DAVIDUV_BIN_DIR "/Code-16"));
    ASSERT_TRUE(code16.open(QIODevice::ReadOnly));
    const QList<QImage> set = standardGlyphs({0xB8, 2, 16, code16.readAll()});
    ASSERT_EQ(set.size(), 16);
    const QImage background = mono::normalized(QImage(printDir + QStringLiteral("/background-1.png")));
    const QImage printed = mono::normalized(QImage(messagePath));
    ASSERT_EQ(printed.size(), background.size());
    const QString got = mono::toText(printed);
    // Whichever side of a minute the send fell.
    const bool glyphPrint = got == mono::toText(expectedPrint(background, set, before, true)) ||
                            got == mono::toText(expectedPrint(background, set, QDateTime::currentDateTime(), true));
    EXPECT_TRUE(glyphPrint);
    EXPECT_NE(got, mono::toText(expectedPrint(background, set, before, false))); // not the built-in font
    const QString keep = qEnvironmentVariable("DAVIDUV_GLYPH_PNG");              // a copy to look at
    if (!keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(messagePath, keep);
        QFile::remove(keep + ".glyphs-16.png");
        QFile::copy(printDir + QStringLiteral("/glyphs-16.png"), keep + ".glyphs-16.png");
    }
}

TEST(CliGlyphs, ArgumentsAndPayloadFiles) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("ab.bin"));
    // Sizes worked by hand from the glyph payload sizes; exit 2 for each usage error of daviduv-cli.
    struct Case {
        QStringList args;
        int exitCode;
        int bytes; // written to out; -1 for none
    } cases[] = {
        {{"--custom", "AB", "--height", "16", "--direction", "horizontal", "--out", out}, 0, 32}, // 16 x 16 rows
        {{"--standard", "--height", "16", "--dpi", "100dpi", "--out", out}, 0, 152},              // 13x4x2 + 3x8x2
        {{"--standard", "--height", "20", "--out", out}, 2, -1},
        {{"--custom", "A", "--height", "12", "--direction", "vertical", "--out", out}, 2, -1},
        {{"--custom", "A", "--height", "16", "--out", out}, 2, -1}, // no direction
        {{"--standard", "--height", "16"}, 2, -1},                  // neither port nor file
    };
    for (const Case& c : cases) {
        QFile::remove(out);
        const CliRun run = runCli(QStringList{"glyphs"} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << qPrintable(c.args.join(' ')) << qPrintable(run.err);
        EXPECT_EQ(QFileInfo(out).exists() ? QFileInfo(out).size() : -1, c.bytes) << qPrintable(c.args.join(' '));
    }
}
