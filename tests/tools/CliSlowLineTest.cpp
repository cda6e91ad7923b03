// A line held to 9600 bit/s: the printer takes 960 bytes a second, so a full
// background chunk (3082 bytes) is 3.2 s on the line, longer than the quiet
// time. The quiet time may only start once the frame is out. The quiet time
// here leaves room for a loaded machine to schedule the printer.
#include "editor/TemplateFile.h"
#include "model/MessageTemplate.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliSlowLine, EachChunkGoesOnceAndAnUnansweredChunkFails) {
    QTemporaryDir dir;
    const QString spt = dir.filePath(QStringLiteral("blank.spt"));
    // 193 columns of 16 bytes: 3088 bytes, two chunks of 3072 and 16 bytes.
    saveTemplate(MessageTemplate(), TemplateAttributes{193, 128, 1, QStringLiteral("200dpi")}, spt);
    struct Row {
        QStringList printerOptions;
        int exitCode;
        int secondChunkFrames;
        const char* lastLine;
    };
    // The send's success and background failure texts as the operator sees them; a chunk left
    // unanswered is sent three times in all.
    const Row rows[] = {
        {{}, 0, 1, "恭喜您，传输数据成功！ "},
        {{"--no-ack-chunk", "2"}, 1, 3, "发送背景数据信息失败，请检查线路或重新尝试！"},
    };
    for (const Row& r : rows) {
        PrinterProcess printer(QStringList{"--line-rate", "960"} + r.printerOptions);
        const CliRun run =
            runCli({"send", spt, "--port", printer.devicePath(), "--baud", "9600", "--quiet-ms", "1500"});
        EXPECT_EQ(run.exitCode, r.exitCode) << qPrintable(run.out.join('\n'));
        EXPECT_EQ(run.out.value(run.out.size() - 1), QString::fromUtf8(r.lastLine));
        // Payload 01 02 (template 1, "200dpi" the second resolution of Config.ini), N = 2, S = 1 or 2.
        const QStringList frames = printer.receivedAtLeast(r.exitCode == 0 ? 6 : 4);
        EXPECT_EQ(frames.filter(QRegularExpression("^01 00 B1 0C 05 01 02 02 01 ")).size(), 1);
        EXPECT_EQ(frames.filter(QRegularExpression("^01 00 B1 00 15 01 02 02 02 ")).size(), r.secondChunkFrames);
        // Four settings frames after a whole background, none after a failed one.
        EXPECT_EQ(frames.size(), r.exitCode == 0 ? 6 : 4);
    }
}
