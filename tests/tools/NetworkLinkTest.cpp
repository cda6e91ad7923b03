// Printers across the network: a tcp://HOST:PORT port (a serial device server
// carrying the line), several printers at once, and values set for one send.
#include "support/CliRun.h"
#include "support/PrinterProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

namespace {
const QString kSent = QStringLiteral("恭喜您，传输数据成功！ ");

// A template with a text and a serial number: a background and four settings frames.
QString writeTemplate(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("line.spt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[Main]\r\nImageWidth=512\r\nMoBan=1\r\nZoom=200dpi\r\nControlCaption=csStr0/csNo1\r\n"
            "[csStr0]\r\nLeft=22\r\nTop=22\r\nUserValue=LOT-1\r\nFontName=Arial\r\nFontSize=12\r\n"
            "[csNo1]\r\nLeft=200\r\nTop=22\r\nUserNoDigit=6\r\nUserValue=1\r\n");
    return path;
}

QList<QJsonObject> logEntries() {
    QFile log(qEnvironmentVariable("XDG_STATE_HOME") + QStringLiteral("/daviduv/link.log"));
    QList<QJsonObject> entries;
    if (!log.open(QIODevice::ReadOnly)) return entries;
    for (const QByteArray& line : log.readAll().split('\n'))
        if (!line.isEmpty()) entries << QJsonDocument::fromJson(line).object();
    return entries;
}

// A port on the loopback where nothing listens: taken, then let go.
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
} // namespace

TEST(NetworkLink, SendOverTcpWritesTheFramesOfASendOverAPty) {
    QTemporaryDir dir;
    const QString spt = writeTemplate(dir);
    PrinterProcess pty;
    PrinterProcess tcp({"--listen", "127.0.0.1:0"});
    ASSERT_TRUE(tcp.devicePath().startsWith("tcp://127.0.0.1:")) << qPrintable(tcp.devicePath());
    for (const QString& port : {pty.devicePath(), tcp.devicePath()}) {
        const CliRun run = runCli({"send", spt, "--port", port, "--fast-ack"});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out.value(run.out.size() - 1), kSent);
    }
    EXPECT_EQ(tcp.received().size(), 7); // three background chunks and four settings frames
    EXPECT_EQ(tcp.received(), pty.received());
}

TEST(NetworkLink, ConnectionRefusedNamesTheAddress) {
    const QString port = QStringLiteral("tcp://127.0.0.1:%1").arg(closedPort());
    const CliRun run = runCli({"clock", "--port", port});
    EXPECT_EQ(run.exitCode, 2);
    // ECONNREFUSED is 111 on Linux; the text is the system's.
    EXPECT_EQ(run.err, "Unable to open com port (win error code: 111): " + port + ": Connection refused");
    EXPECT_TRUE(run.out.isEmpty());
}

// The server takes the first frame and hangs up without an answer: the send
// fails with the reason, and success is claimed nowhere.
TEST(NetworkLink, ServerClosingMidSendFailsAndClaimsNothing) {
    QTemporaryDir dir;
    const QString spt = writeTemplate(dir);
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    const QString port = QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort());
    QByteArray received;
    QProcess cli;
    cli.start(QStringLiteral(DAVIDUV_BIN_DIR "/daviduv-cli"), {"send", spt, "--port", port});
    ASSERT_TRUE(server.waitForNewConnection(10000));
    QTcpSocket* line = server.nextPendingConnection();
    while (received.size() < 5 && line->waitForReadyRead(10000)) received += line->readAll();
    line->abort();
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_TRUE(received.startsWith(QByteArray::fromHex("0100B1"))) << received.left(5).toHex().constData();
    EXPECT_EQ(cli.exitCode(), 2);
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_FALSE(out.contains(QStringLiteral("成功"))) << qPrintable(out);
    EXPECT_TRUE(err.contains(port + ": Connection reset by peer")) << qPrintable(err);
    const QList<QJsonObject> log = logEntries();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0]["result"].toString(), "port error");
}

// Through Debian's ser2net in raw mode, on the loopback, to a virtual printer's pty.
TEST(NetworkLink, ClockThroughSer2net) {
    const QString ser2net = QStandardPaths::findExecutable("ser2net", {"/usr/sbin", "/usr/bin", "/sbin"});
    if (ser2net.isEmpty()) GTEST_SKIP() << "ser2net is not installed";
    PrinterProcess printer;
    QTemporaryDir dir;
    const quint16 tcpPort = closedPort();
    QFile config(dir.filePath("ser2net.yaml"));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("connection: &printer\n  accepter: tcp,127.0.0.1,%1\n"
                                "  connector: serialdev,%2,57600n81,local\n")
                     .arg(tcpPort)
                     .arg(printer.devicePath())
                     .toUtf8());
    config.close();
    QProcess server;
    server.start(ser2net, {"-n", "-u", "-c", config.fileName(), "-P", dir.filePath("ser2net.pid")});
    ASSERT_TRUE(server.waitForStarted(5000));
    // Ready once it accepts a connection (each is dropped again at once).
    bool listening = false;
    for (int i = 0; i < 200 && !listening && server.state() == QProcess::Running; ++i) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, tcpPort);
        listening = probe.waitForConnected(5000);
        if (!listening) server.waitForFinished(50); // ends early only if ser2net does
    }
    ASSERT_TRUE(listening) << server.readAllStandardError().constData();
    const QString port = QStringLiteral("tcp://127.0.0.1:%1").arg(tcpPort);
    const CliRun run = runCli({"clock", "--port", port, "--fast-ack"});
    server.terminate();
    server.waitForFinished(5000);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out.value(run.out.size() - 1), QStringLiteral("校正时钟成功！"));
    ASSERT_EQ(printer.received().size(), 1);
    EXPECT_TRUE(printer.received()[0].startsWith("01 00 B2 00 08 "));
}

TEST(NetworkLink, ParallelSendWithOneSilentPrinter) {
    QTemporaryDir dir;
    const QString spt = writeTemplate(dir);
    PrinterProcess first;
    PrinterProcess silent({"--silent"});
    PrinterProcess third({"--listen", "127.0.0.1:0"});
    const QStringList ports{first.devicePath(), silent.devicePath(), third.devicePath()};
    const CliRun run = runCli(
        {"send", spt, "--port", ports[0], "--port", ports[1], "--port", ports[2], "--quiet-ms", "200", "--json"});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.out.size(), 3) << qPrintable(run.out.join('\n'));
    // One object per printer in --port order; the silent one saw its first frame three times.
    const char* results[] = {"acknowledged", "failed", "acknowledged"};
    // Worked by hand: 512 columns at 200dpi are 3 chunks, then 4 settings frames: 7 in all.
    const int tries[] = {7, 3, 7};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject o = QJsonDocument::fromJson(run.out[i].toUtf8()).object();
        EXPECT_EQ(o["port"].toString(), ports[i]);
        EXPECT_EQ(o["result"].toString(), results[i]);
        EXPECT_EQ(o["tries"].toInt(), tries[i]);
    }
    EXPECT_EQ(first.received(), third.received());
    QStringList logged;
    for (const QJsonObject& e : logEntries())
        if (ports.contains(e["port"].toString())) logged << e["port"].toString() + ' ' + e["result"].toString();
    logged.sort();
    QStringList expected{ports[0] + " acknowledged", ports[1] + " failed", ports[2] + " acknowledged"};
    expected.sort();
    EXPECT_EQ(logged, expected);
}

TEST(NetworkLink, SetReplacesAValueForOneSendOrRefusesBeforeSending) {
    QTemporaryDir dir;
    const QString spt = writeTemplate(dir);
    QFile file(spt);
    file.open(QIODevice::ReadOnly);
    const QByteArray before = file.readAll();
    file.close();
    struct Row {
        const char* set;
        int exitCode;
        const char* error; // the start of the refusal
    };
    // daviduv-cli's own refusal texts for --set; exit 2 for each usage error.
    const Row rows[] = {
        {"csNo1.UserNoDigit=7", 0, ""},
        {"csNo1.Nonsense=1", 2, "--set csNo1.Nonsense=1: the section [csNo1] has no key Nonsense"},
        {"csDate9.UserValue=A1", 2, "--set csDate9.UserValue=A1: the template has no section [csDate9]"},
        // 1 to 16 digits: the range the template reader keeps for UserNoDigit.
        {"csNo1.UserNoDigit=17", 2, "--set csNo1.UserNoDigit=17: UserNoDigit must be a whole number from 1 to 16"},
    };
    // What the printer gets for the file written with the value set.
    const QString edited = dir.filePath(QStringLiteral("edited.spt"));
    QFile editedFile(edited);
    editedFile.open(QIODevice::WriteOnly);
    editedFile.write(QByteArray(before).replace("UserNoDigit=6", "UserNoDigit=7"));
    editedFile.close();
    PrinterProcess reference;
    ASSERT_EQ(runCli({"send", edited, "--port", reference.devicePath(), "--fast-ack"}).exitCode, 0);
    for (const Row& r : rows) {
        PrinterProcess printer;
        const CliRun run = runCli({"send", spt, "--port", printer.devicePath(), "--fast-ack", "--set", r.set});
        EXPECT_EQ(run.exitCode, r.exitCode) << r.set << qPrintable(run.err);
        EXPECT_EQ(run.err.left(QString::fromUtf8(r.error).size()), QString::fromUtf8(r.error)) << r.set;
        if (r.exitCode == 0) EXPECT_EQ(printer.received(), reference.received());
        else EXPECT_TRUE(printer.received().isEmpty()) << r.set;
    }
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), before);
    // Each send, refused or not, is logged with what it set.
    const QList<QJsonObject> log = logEntries(); // the reference send first
    ASSERT_EQ(log.size(), 5);
    EXPECT_FALSE(log[0].contains("set"));
    EXPECT_EQ(log[1]["set"].toArray().first().toString(), "csNo1.UserNoDigit=7");
    EXPECT_EQ(log[4]["result"].toString(), "refused");
}

// With --parallel every port is queried at once; the first port in list order
// that answered is kept even when a later one is live too, and each silent
// port before it shows its failure text, in order.
TEST(NetworkLink, ParallelSearchKeepsTheFirstLivePortInListOrder) {
    PrinterProcess silent({"--silent"});
    PrinterProcess live;
    PrinterProcess laterLive({"--listen", "127.0.0.1:0"});
    const QString ports = QStringList{silent.devicePath(), live.devicePath(), laterLive.devicePath()}.join(',');
    const CliRun run = runCli({"search", "--parallel", "--ports", ports, "--quiet-ms", "200"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, (QStringList{QStringLiteral("查找已连接喷码仪失败，请检查线路或重新尝试！"),
                                    QStringLiteral("查找已连接喷码仪成功！"), live.devicePath()}));
    EXPECT_EQ(silent.receivedAtLeast(3).size(), 3); // every port was asked
    EXPECT_EQ(laterLive.received().size(), 1);
}
