// Every transaction of daviduv-cli leaves one line in the transaction log.
#include "editor/TemplateFile.h"
#include "model/FieldImage.h"
#include "model/FieldPlacement.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"
#include "support/Sanitizers.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// A fresh state folder for each test, so the log holds only its lines.
class TransactionLog : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_STATE_HOME", QFile::encodeName(state_.path())); }
    QList<QJsonObject> entries() const {
        QFile log(state_.filePath("daviduv/link.log"));
        QList<QJsonObject> lines;
        if (!log.open(QIODevice::ReadOnly)) return lines;
        for (const QByteArray& line : log.readAll().split('\n'))
            if (!line.isEmpty()) lines << QJsonDocument::fromJson(line).object();
        return lines;
    }
    QString saveMessage(const QString& serialStart = QStringLiteral("1")) {
        MessageTemplate message;
        placeField(message, csStr, 0, 0);
        placeField(message, csNo, 100, 0).asField()->SetUserValue(serialStart);
        const QString path = QDir(files_.path()).absoluteFilePath("m.spt");
        saveTemplate(message, TemplateAttributes{512, 128, 3, QStringLiteral("200dpi")}, path);
        return path;
    }
    QTemporaryDir state_, files_;
};

} // namespace

TEST_F(TransactionLog, AcknowledgedSendNamesTheFileAndHashesWhatThePrinterReceived) {
    const QString path = saveMessage();
    PrinterProcess printer;
    const CliRun run = runCli({"send", path, "--port", printer.devicePath(), "--quiet-ms", "200"});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    // The printer's own record of the frames it took: the hash and count must match it.
    const QStringList frames = printer.received();
    QByteArray wire;
    for (const QString& hex : frames) wire += hexBytes(hex.toLatin1().constData());
    const QList<QJsonObject> log = entries();
    ASSERT_EQ(log.size(), 1);
    const QJsonObject& e = log[0];
    EXPECT_EQ(e["program"].toString(), "daviduv-cli");
    EXPECT_EQ(e["command"].toString(), "send");
    EXPECT_EQ(e["port"].toString(), printer.devicePath());
    EXPECT_EQ(e["speed"].toInt(), 57600);
    EXPECT_EQ(e["template"].toInt(), 3);
    EXPECT_EQ(e["file"].toString(), path);
    EXPECT_EQ(e["frames"].toInt(), frames.size());
    EXPECT_EQ(e["tries"].toInt(), frames.size()); // every frame acknowledged at its first try
    EXPECT_EQ(e["bytes"].toInt(), wire.size());
    EXPECT_EQ(e["sha256"].toString(), QCryptographicHash::hash(wire, QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(e["result"].toString(), "acknowledged");
    // Local time with its zone: "Z" or "+hh:mm".
    EXPECT_TRUE(QDateTime::fromString(e["time"].toString(), Qt::ISODateWithMs).isValid())
        << qPrintable(e["time"].toString());
    EXPECT_TRUE(e["time"].toString().contains(QRegularExpression("(Z|[+-]\\d\\d:\\d\\d)$")));

    const CliRun shown = runCli({"log", "--last", "1"});
    ASSERT_EQ(shown.out.size(), 1);
    EXPECT_TRUE(
        shown.out[0].contains(QStringLiteral("  send  ") + printer.devicePath() + " 57600  template 3  " + path));
    EXPECT_TRUE(shown.out[0].contains("acknowledged"));
}

TEST_F(TransactionLog, ClockToASilentPrinterIsOneFailedLineOfThreeTries) {
    PrinterProcess printer({"--silent"});
    ASSERT_EQ(runCli({"clock", "--port", printer.devicePath(), "--quiet-ms", "200"}).exitCode, 1);
    const QList<QJsonObject> log = entries();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0]["command"].toString(), "clock");
    EXPECT_EQ(log[0]["frames"].toInt(), 1);
    EXPECT_EQ(log[0]["tries"].toInt(), 3);
    EXPECT_EQ(log[0]["bytes"].toInt(), 13); // 01 00 B2 00 08, seven clock bytes, the check byte
    EXPECT_FALSE(log[0].contains("template"));
    EXPECT_EQ(log[0]["result"].toString(), "failed");
}

TEST_F(TransactionLog, RefusedSendAndPortErrorSayWhy) {
    const QString path = saveMessage(QStringLiteral("12x")); // a serial start that is no number
    PrinterProcess printer;
    ASSERT_EQ(runCli({"send", path, "--port", printer.devicePath(), "--quiet-ms", "200"}).exitCode, 2);
    ASSERT_EQ(runCli({"erase", "--segment", "2", "--port", "/dev/no-such-port"}).exitCode, 2);
    EXPECT_TRUE(printer.received().isEmpty());
    const QList<QJsonObject> log = entries();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[0]["command"].toString(), "send");
    EXPECT_EQ(log[0]["file"].toString(), path);
    EXPECT_EQ(log[0]["result"].toString(), "refused");
    EXPECT_EQ(log[0]["error"].toString(), "'12x' is not a valid integer value");
    EXPECT_EQ(log[0]["bytes"].toInt(), 0);
    EXPECT_EQ(log[1]["command"].toString(), "erase");
    EXPECT_EQ(log[1]["result"].toString(), "port error");
    EXPECT_EQ(log[1]["error"].toString(), "Unable to open com port (win error code: 2)"); // ENOENT
}

TEST_F(TransactionLog, UnwritableLogIsReportedOnceAndTheWorkGoesOn) {
    QFile blocker(state_.filePath("daviduv")); // a file where the log's folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    PrinterProcess printer;
    const CliRun run = runCli({"clock", "--port", printer.devicePath(), "--quiet-ms", "200"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.count("the transaction log is not kept"), 1) << qPrintable(run.err);
}

namespace {
// The entries' results, oldest first.
QStringList results(const QList<QJsonObject>& entries) {
    QStringList list;
    for (const QJsonObject& e : entries) list << e["result"].toString();
    return list;
}
} // namespace

// SIGHUP (as SIGTERM) mid-send ends the tries, the log says interrupted, and
// the port is free again: the program then ends by the signal.
TEST_F(TransactionLog, HangUpDuringATryIsLoggedAsInterrupted) {
    PrinterProcess printer({"--silent"});
    const CliRun run = runCli({"query", "--port", printer.devicePath(), "--quiet-ms", "1000"}, 300, SIGHUP);
    EXPECT_EQ(run.exitCode, -1); // ended by the signal
    EXPECT_EQ(results(entries()), QStringList{"interrupted"});
    EXPECT_EQ(runCli({"query", "--port", printer.devicePath(), "--quiet-ms", "50"}).err, ""); // not busy
}

// A 2 GB log (sparse: no disk is used) read for its last entry by a cli whose
// address space is held to 1 GB: only the end of the file may be read.
TEST_F(TransactionLog, LastEntryOfAHugeLogIsReadFromTheEnd) {
#if DAVIDUV_ASAN || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers reserve more address space than the limit";
#endif
    PrinterProcess printer;
    ASSERT_EQ(runCli({"clock", "--port", printer.devicePath(), "--quiet-ms", "50"}).exitCode, 0);
    QFile log(state_.filePath("daviduv/link.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadWrite));
    const QByteArray entry = log.readAll();
    // A hole of 2 GB (earlier lines, as far as the reader can tell), then the entry.
    ASSERT_TRUE(log.resize(2LL << 30) && log.seek(log.size()) && log.write('\n' + entry) == entry.size() + 1);
    log.close();
    QProcess cli;
    cli.setChildProcessModifier([] {
        const rlimit limit{1LL << 30, 1LL << 30};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    cli.start(QStringLiteral(DAVIDUV_BIN_DIR "/daviduv-cli"), {"log", "--last", "1"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    const QStringList out = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(out.size(), 1);
    EXPECT_TRUE(out[0].contains("  clock  ")) << qPrintable(out[0]);
}
