// Where daviduv-cli finds and puts things outside its arguments: a template's
// picture beside the template, the file Code-16 in the user's data folder when
// the program's folder is not writable, and a port it may not open.
#include "editor/TemplateFile.h"
#include "model/MessageTemplate.h"
#include "support/PtyPair.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
const QString kCli = QStringLiteral(DAVIDUV_BIN_DIR "/daviduv-cli");
const QString kSample = QStringLiteral(DAVIDUV_SOURCE_DIR "/resources/samples/every-field.spt");

struct Ran {
    int exitCode = -1;
    QString err;
};

Ran run(QProcess& process, const QString& program, const QStringList& args) {
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(30000));
    Ran ran;
    ran.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

// daviduv-cli as the user nobody (root may open and write anything), its home
// and data folders in home. Empty when this machine cannot drop to nobody.
std::optional<Ran> runAsNobody(const QString& home, const QStringList& args) {
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) return std::nullopt;
    QFile::setPermissions(home, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/data");
    env.insert("XDG_STATE_HOME", home + "/state");
    env.insert("XDG_CACHE_HOME", home + "/cache");
    env.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(env);
    return run(process, QStringLiteral("setpriv"),
               QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--", kCli} + args);
}
} // namespace

// The sample names its picture "logo.bmp", the file beside it; run from any
// other folder, the background is the one drawn beside it, and the template
// still names the picture as written.
TEST(CliFolders, APictureIsFoundBesideItsTemplate) {
    QTemporaryDir elsewhere;
    QProcess beside, away;
    beside.setWorkingDirectory(QFileInfo(kSample).absolutePath());
    away.setWorkingDirectory(elsewhere.path());
    const Ran there = run(beside, kCli, {"render", kSample, "--out", elsewhere.filePath("beside.png")});
    const Ran here = run(away, kCli, {"render", kSample, "--out", elsewhere.filePath("away.png")});
    ASSERT_EQ(there.exitCode, 0) << there.err.toStdString();
    ASSERT_EQ(here.exitCode, 0) << here.err.toStdString();
    EXPECT_EQ(here.err, QString()); // no "cannot load the picture" warning
    EXPECT_EQ(QImage(elsewhere.filePath("away.png")), QImage(elsewhere.filePath("beside.png")));

    MessageTemplate message;
    loadTemplate(message, kSample, {}, nullptr);
    bool named = false;
    for (int i = 0; i <= 64; ++i)
        if (const FieldElement* e = message.find(i); e && e->asField() && e->asField()->UserStyle() == csImage)
            named = e->asField()->UserValue() == QLatin1String("logo.bmp");
    EXPECT_TRUE(named);
}

// A serial device the user may not open (EACCES) says what to do about it.
TEST(CliFolders, APortRefusedForPermissionNamesTheDialoutGroup) {
    PtyPair line;
    QTemporaryDir home;
    ASSERT_TRUE(QFile::setPermissions(line.slavePath(), QFileDevice::Permissions()));
    const auto ran = runAsNobody(home.path(), {"query", "--port", line.slavePath(), "--quiet-ms", "100"});
    if (!ran) GTEST_SKIP() << "needs root and setpriv to run as another user";
    EXPECT_EQ(ran->exitCode, 2);
    EXPECT_TRUE(ran->err.startsWith(QStringLiteral("Unable to open com port (win error code: 13): ")))
        << ran->err.toStdString();
    EXPECT_TRUE(ran->err.contains(QStringLiteral("Permission denied; add yourself to the dialout group: "
                                                 "sudo usermod -aG dialout $USER, then log in again")))
        << ran->err.toStdString();
}

// A program whose folder it cannot write keeps Code-16 in the user's data folder.
TEST(CliFolders, Code16GoesToTheDataFolderWhenTheProgramFolderIsNotWritable) {
    QTemporaryDir home;
    const QString payload = home.filePath("payload");
    const auto ran = runAsNobody(home.path(), {"glyphs", "--standard", "--height", "16", "--out", payload});
    if (!ran) GTEST_SKIP() << "needs root and setpriv to run as another user";
    ASSERT_EQ(ran->exitCode, 0) << ran->err.toStdString();
    QFile code16(home.filePath("data/daviduv/Code-16")), written(payload);
    ASSERT_TRUE(code16.open(QIODevice::ReadOnly));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(code16.readAll(), written.readAll());
}
