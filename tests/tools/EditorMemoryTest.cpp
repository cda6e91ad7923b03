// The editor opening hostile templates under a memory limit: it must open or
// refuse them and stay up, holding little memory.
#include "support/Sanitizers.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// The editor's address space is limited to this; what it keeps resident may
// not pass kMaxResident. The limit leaves room for Qt's own reservations.
constexpr rlim_t kAddressSpace = rlim_t(1) << 30;
constexpr qint64 kMaxResidentKb = 512 * 1024;

// Fields of /proc/PID/stat after the command's closing parenthesis.
QList<QByteArray> statFields(qint64 pid) {
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ');
}

// Waits until the process is asleep with no CPU spent for a second (its event
// loop idle: the file opened, or the refusal shown), or has ended.
void waitUntilIdle(QProcess& program) {
    QByteArray lastCpu;
    int quietPolls = 0;
    while (program.state() == QProcess::Running && quietPolls < 4) {
        program.waitForFinished(250);
        const QList<QByteArray> f = statFields(program.processId());
        if (f.size() < 13) continue;
        const QByteArray cpu = f[11] + ' ' + f[12]; // utime, stime
        quietPolls = f[0] == "S" && cpu == lastCpu ? quietPolls + 1 : 0;
        lastCpu = cpu;
    }
}

// A program of bin/ under the address-space limit, offscreen, with its own store and no ports.
void startLimited(QProcess& program, const QString& name, const QStringList& args, const QTemporaryDir& dir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("DAVIDUV_STORE", dir.filePath(QStringLiteral("store.ini")));
    env.insert("DAVIDUV_PORTS", ",");
    env.insert("XDG_STATE_HOME", dir.path());
    program.setProcessEnvironment(env);
    program.setChildProcessModifier([] {
        const rlimit limit{kAddressSpace, kAddressSpace};
        setrlimit(RLIMIT_AS, &limit);
    });
    program.start(QStringLiteral(DAVIDUV_BIN_DIR "/") + name, args);
}

qint64 peakResidentKb(qint64 pid) {
    for (const QByteArray& line : readFile(QStringLiteral("/proc/%1/status").arg(pid)).split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

} // namespace

// 220 pictures of 4096 x 4096 dots without a source on a 65535 x 4096 canvas:
// 2 KB that once made the editor keep a 32-bit copy of every picture (64 MiB
// each) and of the canvas (1 GiB).
TEST(EditorMemory, TwoHundredTwentyHugePicturesOpenUnderAMemoryLimit) {
#if DAVIDUV_ASAN
    GTEST_SKIP() << "the sanitizer reserves more address space than the limit";
#endif
    QTemporaryDir dir;
    QByteArray spt = "[Main]\r\nImageWidth=65535\r\nImageHeight=4096\r\nControlCaption=";
    for (int i = 0; i < 220; ++i) spt += (i ? "/" : "") + QByteArray("csImage0");
    spt += "\r\n[csImage0]\r\nWidth=4096\r\nHeight=4096\r\n";
    const QString path = dir.filePath(QStringLiteral("huge.spt"));
    writeFile(path, spt);

    QProcess editor;
    startLimited(editor, QStringLiteral("daviduv"), {path}, dir);
    ASSERT_TRUE(editor.waitForStarted(10000));
    waitUntilIdle(editor);

    ASSERT_EQ(editor.state(), QProcess::Running) << editor.readAllStandardError().toStdString();
    const qint64 peak = peakResidentKb(editor.processId());
    EXPECT_GT(peak, 0);
    EXPECT_LT(peak, kMaxResidentKb);
    editor.kill();
    editor.waitForFinished(10000);
}

// A template naming the crafted progressive JPEG of tests/data (8192 x 8192
// dots, four components, 197 bytes) three times: each once took 560 MB and
// seconds of decoding. Now each is refused from its header, its field stays
// white, and the template is rendered.
TEST(EditorMemory, ProgressiveJpegClaimingHugeSizeIsRefusedUnderAMemoryLimit) {
#if DAVIDUV_ASAN
    GTEST_SKIP() << "the sanitizer reserves more address space than the limit";
#endif
    QTemporaryDir dir;
    const QString jpeg = QStringLiteral(DAVIDUV_TEST_DATA "/model/progressive-8192x8192-cmyk.jpg");
    QByteArray spt = "[Main]\r\nImageWidth=512\r\nImageHeight=128\r\nControlCaption=csImage0/csImage1/csImage2\r\n";
    for (int i = 0; i < 3; ++i)
        spt += QStringLiteral("[csImage%1]\r\nSource=%2\r\nWidth=64\r\nHeight=64\r\n").arg(i).arg(jpeg).toUtf8();
    const QString path = dir.filePath(QStringLiteral("three.spt"));
    writeFile(path, spt);

    QProcess cli;
    startLimited(cli, QStringLiteral("daviduv-cli"), {"render", path, "--out", dir.filePath(QStringLiteral("out.png"))},
                 dir);
    ASSERT_TRUE(cli.waitForFinished(120000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 0);
    const QString warning = QStringLiteral("warning: cannot load the picture %1: JPEG error #41\n").arg(jpeg);
    EXPECT_EQ(cli.readAllStandardError().toStdString(), (warning + warning + warning).toStdString());
}
