#include "serial/SerialPort.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"

#include <QDateTime>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QString kWaitClock = QStringLiteral("正在校正时钟，请稍候......");
} // namespace

TEST(CliLink, ClockIsAcknowledgedAndLogged) {
    PrinterProcess printer;
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const CliRun run = runCli({"clock", "--port", printer.devicePath()});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, (QStringList{kWaitClock, QStringLiteral("校正时钟成功！")}));
    const QStringList frames = printer.received();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_TRUE(frames[0].startsWith("01 00 B2 00 08 ")) << qPrintable(frames[0]);
    // The printer decodes the packed-decimal time it was set to.
    const QString line = printer.logLines().first();
    const QDateTime set = QDateTime::fromString(line.section(QStringLiteral("| clock "), 1), "yyyy-MM-dd HH:mm:ss");
    ASSERT_TRUE(set.isValid()) << qPrintable(line);
    EXPECT_GE(set, before);
    EXPECT_LE(set, QDateTime::currentDateTime().addSecs(1));
}

// --lang en: the status texts in English (no Chinese character), the frame the same.
TEST(CliLink, StatusTextsFollowLang) {
    PrinterProcess printer;
    const CliRun run = runCli({"clock", "--lang", "en", "--port", printer.devicePath()});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.out.size(), 2);
    EXPECT_FALSE(run.out.join(' ').contains(QRegularExpression(QStringLiteral("[\\x{3000}-\\x{9fff}]"))))
        << qPrintable(run.out.join(' '));
    ASSERT_EQ(printer.received().size(), 1);
    EXPECT_TRUE(printer.received()[0].startsWith("01 00 B2 00 08 "));
}

TEST(CliLink, SilentPrinterExitsOneAfterThreeTries) {
    PrinterProcess printer({"--silent"});
    const CliRun run = runCli({"clock", "--port", printer.devicePath(), "--quiet-ms", "200"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, (QStringList{kWaitClock, kWaitClock, kWaitClock,
                                    QStringLiteral("校正时钟失败，请检查线路或重新尝试！")}));
    EXPECT_EQ(printer.receivedAtLeast(3).size(), 3);
}

TEST(CliLink, EraseAndQueryFrames) {
    struct Row {
        QStringList args;
        const char* frame;
        const char* lastLine;
    };
    // The printer's erase frame (segment in the payload, exclusive-or check byte) and fixed query
    // frame; last lines are the success texts the operator sees.
    const Row rows[] = {
        {{"erase", "--segment", "15", "--baud", "9600"}, "01 00 BE 00 02 0F B2", "擦除指定Flash成功！"},
        {{"erase", "--segment", "0"}, "01 00 BE 00 02 00 BD", "擦除指定Flash成功！"},
        {{"query", "--baud", "115200"}, "01 00 B3 00 02 B1 0A", "查找已连接喷码仪成功！"},
    };
    for (const Row& r : rows) {
        PrinterProcess printer;
        const CliRun run = runCli(r.args + QStringList{"--port", printer.devicePath(), "--quiet-ms", "200"});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(r.args.join(' ')) << qPrintable(run.err);
        EXPECT_EQ(printer.received(), QStringList{r.frame});
        EXPECT_EQ(run.out.value(run.out.size() - 1), QString::fromUtf8(r.lastLine));
    }
}

TEST(CliLink, BadArgumentsAndPortsExitTwoWithTheReason) {
    PrinterProcess printer;
    const QString port = printer.devicePath();
    struct Row {
        QStringList args;
        const char* errorStart;
    };
    // daviduv-cli's own usage texts; the open failure is the serial error table's code 1 with
    // the platform's error number (ENOENT 2), COM250 being /dev/ttyS249.
    const Row rows[] = {
        {{"erase", "--port", port, "--segment", "16"}, "--segment must be a flash segment from 0 to 15, not '16'"},
        {{"erase", "--port", port, "--segment", "-1"}, "--segment must be a flash segment from 0 to 15, not '-1'"},
        {{"erase", "--port", port, "--segment", "x"}, "--segment must be a flash segment from 0 to 15, not 'x'"},
        {{"erase", "--port", port}, "--segment N (0 to 15) is required"},
        {{"clock", "--port", port, "--baud", "38400"}, "--baud must be 9600, 57600 or 115200, not '38400'"},
        {{"clock"}, "--port PORT is required"},
        {{"query", "--port", port, "extra"}, "unexpected argument 'extra'"},
        {{"clock", "--port", "/dev/daviduv-missing"},
         "Unable to open com port (win error code: 2): /dev/daviduv-missing: No such file or directory"},
        {{"query", "--port", "COM250"},
         "Unable to open com port (win error code: 2): /dev/ttyS249: No such file or directory"},
    };
    for (const Row& r : rows) {
        const CliRun run = runCli(r.args);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(r.args.join(' '));
        EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(r.errorStart))) << qPrintable(run.err);
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(r.args.join(' '));
    }
    EXPECT_TRUE(printer.received().isEmpty());
}

TEST(CliLink, InterruptEndsTheTransactionWithTheFailureText) {
    PrinterProcess printer({"--silent"});
    // The longest quiet period the cli takes: only the interrupt ends the tries
    // before the test's own timeout.
    const CliRun run = runCli({"query", "--port", printer.devicePath(), "--quiet-ms", "60000"}, 300);
    EXPECT_EQ(run.exitCode, 130); // not 1: a script can tell the operator's Ctrl+C from a printer failure
    EXPECT_EQ(run.out.value(run.out.size() - 1), QStringLiteral("查找已连接喷码仪失败，请检查线路或重新尝试！"));
    EXPECT_EQ(printer.receivedAtLeast(3).size(), 3);
}

TEST(CliLink, PortHeldByAnotherProgramIsRefused) {
    PrinterProcess printer;
    SerialPort holder; // this test program holds the line
    holder.setPort(printer.devicePath());
    holder.open();
    const CliRun run = runCli({"query", "--port", printer.devicePath(), "--quiet-ms", "200"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "Unable to open com port (win error code: 16): " + printer.devicePath() +
                           ": Device or resource busy"); // EBUSY
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(printer.received().isEmpty());
}
