// How daviduv-cli ends when the line or the printer misbehaves: each fault
// of the table ends with its exit code and message and leaves the port
// free; a fault that hung would meet the test's timeout. The README's reliability section is this table.
#include "editor/TemplateFile.h"
#include "model/MessageTemplate.h"
#include "serial/ComPortError.h"
#include "serial/SerialPort.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <thread>

namespace {

enum class Port { Printer, RegularFile, DevNull, Directory, Fifo, Missing };
enum class Event { None, PrinterKilled, Interrupted, Terminated, HeldByAnotherProcess };

struct Fault {
    const char* name;
    QStringList printerOptions; // for Port::Printer
    Port port;
    const char* command; // "query", or "send" of a blank template of `columns` columns
    int columns;
    int quietMs;
    int baud;
    Event event;
    int eventAfterMs; // after the cli started (killed) or printed its first line (Ctrl-C)
    int exitCode;
    const char* message; // the last line on stdout, or stderr for exit 2; %1 the device
    QStringList cliOptions = {};
};

// Names the row in test listings.
void PrintTo(const Fault& f, std::ostream* out) {
    *out << f.name;
}

const char* const kQueryFailed = "查找已连接喷码仪失败，请检查线路或重新尝试！";
const char* const kSent = "恭喜您，传输数据成功！ ";
const char* const kBackgroundFailed = "发送背景数据信息失败，请检查线路或重新尝试！";
constexpr int kBySignal = -1; // the cli ended by the signal it was sent

// Exit codes and texts as daviduv-cli --help and the status texts of each exchange give them.
const Fault kFaults[] = {
    {"silent", {"--silent"}, Port::Printer, "query", 0, 500, 57600, Event::None, 0, 1, kQueryFailed},
    {"wrong reply (B3 00 00)",
     {"--wrong-third"},
     Port::Printer,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     1,
     kQueryFailed},
    {"reply in pieces 200 ms apart",
     {"--pieces", "200"},
     Port::Printer,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     0,
     "查找已连接喷码仪成功！"},
    {"reply in pieces 3500 ms apart",
     {"--pieces", "3500"},
     Port::Printer,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     1,
     kQueryFailed},
    {"late reply (2000 ms)",
     {"--delay", "2000"},
     Port::Printer,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     1,
     kQueryFailed},
    {"stops answering after 2 frames",
     {"--answer-limit", "2"},
     Port::Printer,
     "send",
     193,
     500,
     57600,
     Event::None,
     0,
     1,
     "发送日期、时间设置信息失败，请检查线路或重新尝试！"},
    {"printer killed mid-send",
     {"--line-rate", "960"},
     Port::Printer,
     "send",
     193,
     500,
     9600,
     Event::PrinterKilled,
     1500,
     2,
     "WriteFile function failed (win error code: 5): %1: Input/output error"},
    {"line at 960 bytes/s", {"--line-rate", "960"}, Port::Printer, "send", 64, 500, 9600, Event::None, 0, 0, kSent},
    {"port is a regular file",
     {},
     Port::RegularFile,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     2,
     "Unable to open com port (win error code: 25): %1: Inappropriate ioctl for device"},
    {"port is /dev/null",
     {},
     Port::DevNull,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     2,
     "Unable to open com port (win error code: 25): %1: Inappropriate ioctl for device"},
    {"port is a directory",
     {},
     Port::Directory,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     2,
     "Unable to open com port (win error code: 21): %1: Is a directory"},
    {"port is a FIFO",
     {},
     Port::Fifo,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     2,
     "Unable to open com port (win error code: 25): %1: Inappropriate ioctl for device"},
    {"port is missing",
     {},
     Port::Missing,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     2,
     "Unable to open com port (win error code: 2): %1: No such file or directory"},
    {"port held by another process",
     {"--silent"},
     Port::Printer,
     "query",
     0,
     500,
     57600,
     Event::HeldByAnotherProcess,
     0,
     2,
     "Unable to open com port (win error code: 16): %1: Device or resource busy"},
    {"Ctrl-C during a retry",
     {"--silent"},
     Port::Printer,
     "query",
     0,
     1000,
     57600,
     Event::Interrupted,
     1300,
     130,
     kQueryFailed},
    {"SIGTERM during a retry",
     {"--silent"},
     Port::Printer,
     "query",
     0,
     1000,
     57600,
     Event::Terminated,
     1300,
     kBySignal,
     kQueryFailed},
    // Each answer comes after the quiet period and pays off an earlier try;
    // chunk 2 is never answered, so no later answer may pass for its own.
    {"answers 900 ms late, chunk 2 never",
     {"--delay-ms", "900", "--no-ack-chunk", "2"},
     Port::Printer,
     "send",
     193,
     300,
     57600,
     Event::None,
     0,
     1,
     kBackgroundFailed},
    // The first exchange waits the quiet period and sees the repeat, so the
    // rest waits it too and chunk 2 cannot take the repeat for its answer.
    {"every answer repeated 800 ms later, chunk 2 never",
     {"--repeat-ack-ms", "800", "--no-ack-chunk", "2"},
     Port::Printer,
     "send",
     193,
     1000,
     57600,
     Event::None,
     0,
     1,
     kBackgroundFailed,
     {"--fast-ack"}},
    {"a junk byte every 200 ms",
     {"--babble-ms", "200"},
     Port::Printer,
     "query",
     0,
     500,
     57600,
     Event::None,
     0,
     1,
     kQueryFailed},
};

QString messageOf(const Fault& f, const QString& port) {
    return QString::fromUtf8(f.message).replace(QStringLiteral("%1"), port);
}

QString markdownTable() {
    QString md = QStringLiteral("| fault | virtual printer | command | exit | message |\n"
                                "|---|---|---|---|---|\n");
    for (const Fault& f : kFaults) {
        QString command = QString::fromLatin1(f.command);
        if (f.columns) command += QStringLiteral(" (%1 columns)").arg(f.columns);
        command += QStringLiteral(", --quiet-ms %1").arg(f.quietMs);
        for (const QString& option : f.cliOptions) command += QStringLiteral(", ") + option;
        if (f.baud != 57600) command += QStringLiteral(", --baud %1").arg(f.baud);
        QString printer = f.port == Port::Printer ? f.printerOptions.join(QLatin1Char(' ')) : QStringLiteral("none");
        if (f.event == Event::PrinterKilled) printer += QStringLiteral(", killed after %1 ms").arg(f.eventAfterMs);
        if (f.event == Event::HeldByAnotherProcess) printer = QStringLiteral("another daviduv-cli holds the port");
        if (f.event == Event::Interrupted || f.event == Event::Terminated)
            printer += QStringLiteral(", %1 %2 ms after the first line")
                           .arg(f.event == Event::Interrupted ? "SIGINT" : "SIGTERM")
                           .arg(f.eventAfterMs);
        md += QStringLiteral("| %1 | %2 | %3 | %4 | `%5` |\n")
                  .arg(QString::fromUtf8(f.name), printer.isEmpty() ? QStringLiteral("-") : printer, command)
                  .arg(f.exitCode == kBySignal ? QStringLiteral("SIGTERM") : QString::number(f.exitCode))
                  .arg(messageOf(f, QStringLiteral("PORT")));
    }
    return md;
}

// The path the cli is given for the fault's port.
QString portPath(const Fault& f, const QTemporaryDir& dir, const PrinterProcess* printer) {
    switch (f.port) {
    case Port::Printer: return printer->devicePath();
    case Port::RegularFile: {
        QFile file(dir.filePath(QStringLiteral("regular")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return file.fileName();
    }
    case Port::DevNull: return QStringLiteral("/dev/null");
    case Port::Directory: return dir.path();
    case Port::Fifo: {
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        return fifo;
    }
    case Port::Missing: return dir.filePath(QStringLiteral("missing"));
    }
    return {};
}

class FaultSuite : public testing::TestWithParam<Fault> {};

TEST_P(FaultSuite, EndsWithItsExitCodeAndMessage) {
    const Fault& f = GetParam();
    QTemporaryDir dir;
    std::optional<PrinterProcess> printer;
    if (f.port == Port::Printer) printer.emplace(f.printerOptions);
    const QString port = portPath(f, dir, printer ? &*printer : nullptr);
    QStringList args{QString::fromLatin1(f.command)};
    if (f.columns) {
        const QString spt = dir.filePath(QStringLiteral("blank.spt"));
        saveTemplate(MessageTemplate(), TemplateAttributes{f.columns, 128, 1, QStringLiteral("200dpi")}, spt);
        args << spt;
    }
    args << "--port" << port << "--quiet-ms" << QString::number(f.quietMs) << "--baud" << QString::number(f.baud)
         << f.cliOptions;

    QProcess holder; // a query on a silent line holds the port for three quiet periods of 3000 ms
    if (f.event == Event::HeldByAnotherProcess) {
        holder.start(QStringLiteral(DAVIDUV_BIN_DIR "/daviduv-cli"), {"query", "--port", port});
        ASSERT_TRUE(holder.waitForReadyRead(10000)); // its first status line: the port is open
    }
    std::thread unplug;
    if (f.event == Event::PrinterKilled)
        unplug = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(f.eventAfterMs));
            printer->unplug();
        });

    const bool signalled = f.event == Event::Interrupted || f.event == Event::Terminated;
    const CliRun run = runCli(args, signalled ? f.eventAfterMs : -1, f.event == Event::Terminated ? SIGTERM : SIGINT);
    if (unplug.joinable()) unplug.join();
    holder.kill();
    holder.waitForFinished(5000);

    EXPECT_EQ(run.exitCode, f.exitCode) << qPrintable(run.out.join('\n') + '\n' + run.err);
    const QString said = f.exitCode == 2 ? run.err : run.out.value(run.out.size() - 1);
    EXPECT_EQ(said, messageOf(f, port));
    if (f.port == Port::RegularFile) {
        EXPECT_EQ(QFileInfo(port).size(), 0); // nothing written into it
    }
    if (f.port == Port::Printer && f.event != Event::PrinterKilled) {
        SerialPort again; // the cli let go of the line
        again.setPort(port);
        EXPECT_NO_THROW(again.open());
        again.close();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultSuite, testing::ValuesIn(kFaults), [](const auto& info) {
    QString name = QString::fromUtf8(info.param.name);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
    return name.toStdString();
});

// The README shows the table above; DAVIDUV_UPDATE_README=1 writes it there.
TEST(FaultTable, ReadmeHoldsTheTable) {
    const QString readme = QStringLiteral(DAVIDUV_SOURCE_DIR "/README.md");
    QFile in(readme);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(in.readAll());
    const QString begin = QStringLiteral("<!-- fault table: FaultSuiteTest.cpp -->\n");
    const QString end = QStringLiteral("<!-- end of fault table -->");
    const qsizetype from = text.indexOf(begin), to = text.indexOf(end);
    ASSERT_TRUE(from >= 0 && to > from) << "README.md lacks the fault table markers";
    const QString shown = text.mid(from + begin.size(), to - from - begin.size());
    if (shown != markdownTable() && qEnvironmentVariableIsSet("DAVIDUV_UPDATE_README")) {
        QSaveFile out(readme);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write((text.left(from + begin.size()) + markdownTable() + text.mid(to)).toUtf8());
        ASSERT_TRUE(out.commit());
        return;
    }
    EXPECT_EQ(shown, markdownTable()) << "rerun with DAVIDUV_UPDATE_README=1 to write the table";
}

} // namespace
