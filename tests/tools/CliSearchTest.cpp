#include "common/RegStore.h"
#include "serial/PortList.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"
#include "support/PtyPair.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
struct CliSearchStore {
    ScopedStore store;
    ScopedEnv env{"DAVIDUV_STORE", store.path().toLocal8Bit()};
};
} // namespace

TEST(CliSearch, StatusTextsThenTheFoundPortWhichIsStored) {
    CliSearchStore s;
    PrinterProcess silent({"--silent"}), printer;
    const CliRun run = runCli(
        {"search", "--ports", silent.devicePath() + "," + printer.devicePath(), "--baud", "9600", "--quiet-ms", "100"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              (QStringList{"正在查找已连接喷码仪，请稍候......", "正在查找已连接喷码仪，请稍候......",
                           "正在查找已连接喷码仪，请稍候......", "查找已连接喷码仪失败，请检查线路或重新尝试！",
                           "正在查找已连接喷码仪，请稍候......", "查找已连接喷码仪成功！", printer.devicePath()}));
    EXPECT_EQ(s.store.read("Comm", ""), printer.devicePath());
    EXPECT_EQ(s.store.read("Baud", ""), "9600");
}

TEST(CliSearch, ExitCodes) {
    CliSearchStore s;
    PrinterProcess silent({"--silent"});
    EXPECT_EQ(runCli({"search", "--ports", silent.devicePath(), "--quiet-ms", "50"}).exitCode, 1);
    EXPECT_EQ(runCli({"search", "--baud", "38400"}).exitCode, 2);
    EXPECT_EQ(runCli({"search", "--ports", ","}).exitCode, 2);
    EXPECT_EQ(runCli({"search", "extra"}).exitCode, 2);
    EXPECT_EQ(s.store.read("Comm", "unchanged"), "unchanged");
    // Ctrl+C during the first port's wait ends the whole search: the printer on the second is not asked.
    PrinterProcess printer;
    const CliRun run =
        runCli({"search", "--ports", silent.devicePath() + "," + printer.devicePath(), "--quiet-ms", "5000"}, 200);
    EXPECT_EQ(run.exitCode, 130);
    EXPECT_TRUE(printer.received().isEmpty());
}

// A store that cannot be written (a file where its folder should be): the
// port found is printed, but the search does not end as if it were stored.
TEST(CliSearch, StoreThatCannotBeWrittenIsAnError) {
    QTemporaryDir dir;
    writeFile(dir.filePath("blocker"), "");
    ScopedEnv env{"DAVIDUV_STORE", QFile::encodeName(dir.filePath("blocker/daviduv.ini"))};
    PrinterProcess printer;
    const CliRun run = runCli({"search", "--ports", printer.devicePath(), "--quiet-ms", "50"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out.value(run.out.size() - 1), printer.devicePath());
    EXPECT_EQ(run.err, "the printer was found but not stored: cannot write " + dir.filePath("blocker/daviduv.ini"));
}

TEST(VirtualPorts, ANamedPrinterIsListedWhileItLives) {
    CliSearchStore s;
    QTemporaryDir runtime;
    ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    ScopedEnv all("DAVIDUV_PORTS", {});
    qunsetenv("DAVIDUV_PORTS"); // the whole list: this machine's serial devices, then the virtual printers
    const QString link = runtime.path() + "/daviduv/ports/line1";
    PrinterProcess gone({"--name", "gone"}), printer({"--name", "line1"});
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), printer.devicePath());
    gone.unplug(); // killed: its link stays, but its device is gone
    gone.kill();
    EXPECT_EQ(virtualPortNames(), QStringList{link});
    const CliRun run = runCli({"search", "--quiet-ms", "100"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.value(run.out.size() - 1), link);
    printer.terminate(); // an orderly end removes the link
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

// A printer killed without removing its link leaves it pointing at a
// pseudo-terminal number that a newer pseudo-terminal may get (here: its
// status changes after the link was made). Listing it would send a search's
// frames into someone else's line, as a concurrent test once saw.
TEST(VirtualPorts, ALinkWhoseNumberWentToANewerPseudoTerminalIsNotListed) {
    QTemporaryDir runtime;
    ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    ASSERT_EQ(preparePortFolder(virtualPortFolder(), true), QString());
    PtyPair pty;
    const QString link = virtualPortLink("reused");
    ASSERT_TRUE(QFile::link(pty.slavePath(), link));
    EXPECT_EQ(virtualPortNames(), QStringList{link});
    const QByteArray device = QFile::encodeName(pty.slavePath());
    struct stat linkInfo {
    }, deviceInfo{};
    ASSERT_EQ(::lstat(QFile::encodeName(link).constData(), &linkInfo), 0);
    do { // until the file system's clock has moved past the link's time
        ASSERT_EQ(::chmod(device.constData(), 0620), 0);
        ASSERT_EQ(::stat(device.constData(), &deviceInfo), 0);
    } while (deviceInfo.st_ctim.tv_sec == linkInfo.st_mtim.tv_sec &&
             deviceInfo.st_ctim.tv_nsec <= linkInfo.st_mtim.tv_nsec);
    EXPECT_EQ(virtualPortNames(), QStringList{});
}

// Every printer command takes --fast-ack (the old cli refused it for search and
// glyphs as an unknown option); what it changes in the exchanges is the
// transaction's own test.
TEST(CliFastAck, SearchAndGlyphsTakeIt) {
    CliSearchStore s;
    PrinterProcess printer;
    const CliRun search = runCli({"search", "--ports", printer.devicePath(), "--quiet-ms", "300", "--fast-ack"});
    EXPECT_EQ(search.exitCode, 0) << search.err.toStdString();
    EXPECT_EQ(search.out.last(), printer.devicePath());
    const CliRun glyphs = runCli(
        {"glyphs", "--standard", "--height", "32", "--port", printer.devicePath(), "--quiet-ms", "300", "--fast-ack"});
    EXPECT_EQ(glyphs.exitCode, 0) << glyphs.err.toStdString();
}
