// Folders other users may write into: the virtual printer's print folder, a
// command-line --out, and the virtual ports folder in the shared temporary
// folder. Nothing planted there is written through, deleted or listed.
#include "editor/TemplateFile.h"
#include "model/MessageTemplate.h"
#include "serial/PortList.h"
#include "support/CliRun.h"
#include "support/PrinterProcess.h"
#include "support/TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A printer that should refuse to start: its exit code and standard error.
std::pair<int, QString> refusedPrinter(const QStringList& options) {
    QProcess printer;
    printer.start(QStringLiteral(DAVIDUV_BIN_DIR "/daviduv-printer"), options);
    if (!printer.waitForFinished(5000)) {
        printer.kill();
        printer.waitForFinished();
        return {-1, QString()};
    }
    return {printer.exitCode(), QString::fromLocal8Bit(printer.readAllStandardError()).trimmed()};
}

void plantVictim(const QString& victim) {
    writeFile(victim, "owner=someone else\n");
}
} // namespace

TEST(HostileFolders, PrintFolderLinkIsNeverWrittenThrough) {
    QTemporaryDir dir;
    const QString victim = dir.filePath("important.conf"), printDir = dir.filePath("prints");
    ASSERT_TRUE(QDir().mkpath(printDir));
    plantVictim(victim);
    ASSERT_TRUE(QFile::link(victim, printDir + "/background-1.png"));
    const QString spt = dir.filePath("blank.spt");
    saveTemplate(MessageTemplate(), TemplateAttributes{64, 128, 1, QStringLiteral("200dpi")}, spt);
    PrinterProcess printer({"--print-dir", printDir});
    ASSERT_EQ(runCli({"send", spt, "--port", printer.devicePath(), "--quiet-ms", "100"}).exitCode, 0);
    // The printer writes its pictures as each message is complete: wait for its word on the background.
    QString said;
    for (QDeadlineTimer deadline(5000); said.isEmpty() && !deadline.hasExpired(); QThread::msleep(20))
        for (const QString& line : printer.logLines())
            if (line.contains(" out | ")) said = line;
    EXPECT_TRUE(said.endsWith("background-1.png is a symbolic link")) << qPrintable(said);
    EXPECT_EQ(readFile(victim), "owner=someone else\n");

    const QString out = dir.filePath("out.png");
    ASSERT_TRUE(QFile::link(victim, out));
    const CliRun render = runCli({"render", spt, "--out", out});
    EXPECT_EQ(render.exitCode, 2);
    EXPECT_EQ(render.err, QStringLiteral("cannot write %1: %1 is a symbolic link").arg(out));
    EXPECT_EQ(readFile(victim), "owner=someone else\n");
}

// Without XDG_RUNTIME_DIR the ports folder is daviduv-UID/ports in TMPDIR,
// where another user could have made it first.
TEST(HostileFolders, PlantedPortsFolderIsRefused) {
    QTemporaryDir tmp;
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
    ScopedEnv xdg("XDG_RUNTIME_DIR", std::nullopt);
    const QString base = tmp.filePath(QStringLiteral("daviduv-%1").arg(::getuid())), ports = base + "/ports";
    ASSERT_EQ(virtualPortFolder(), ports);

    // A link to someone else's folder, holding a file of the name asked for.
    const QString victim = tmp.filePath("victim");
    ASSERT_TRUE(QDir().mkpath(victim + "/ports"));
    plantVictim(victim + "/ports/line1");
    ASSERT_TRUE(QFile::link(victim, base));
    auto [code, err] = refusedPrinter({"--name", "line1"});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(err.contains("is not a real folder")) << qPrintable(err);
    EXPECT_EQ(readFile(victim + "/ports/line1"), "owner=someone else\n");
    EXPECT_EQ(QFileInfo(victim + "/ports").permissions() & QFile::ReadOther, QFile::ReadOther); // not made private

    // A real folder others may write into: a link planted there is not listed.
    ASSERT_TRUE(QFile::remove(base));
    ASSERT_TRUE(QDir().mkpath(ports));
    ASSERT_EQ(::chmod(QFile::encodeName(base).constData(), 0777), 0);
    PrinterProcess planted;
    ASSERT_TRUE(QFile::link(planted.devicePath(), ports + "/line1"));
    EXPECT_TRUE(virtualPortNames().isEmpty());
    std::tie(code, err) = refusedPrinter({"--name", "line2"});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(err.contains("others may write into")) << qPrintable(err);

    // Made afresh it is private, and a name a running printer holds stays its own.
    ASSERT_TRUE(QDir(base).removeRecursively());
    PrinterProcess first({"--name", "dup"});
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(base).permissions() & others, QFile::Permissions());
    EXPECT_EQ(QFileInfo(ports).permissions() & others, QFile::Permissions());
    std::tie(code, err) = refusedPrinter({"--name", "dup"});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(err.contains("taken by a running printer")) << qPrintable(err);
    EXPECT_EQ(virtualPortNames(), QStringList{ports + "/dup"});
    EXPECT_EQ(QFileInfo(ports + "/dup").symLinkTarget(), first.devicePath());
}
