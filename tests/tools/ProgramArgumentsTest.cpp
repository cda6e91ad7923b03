// The argument rules the three programs share: help on standard output with
// exit 0, usage errors on standard error with exit 2, and neither needs a
// display (the editor's --help must not open its window).
#include <QProcess>
#include <gtest/gtest.h>

namespace {
struct Row {
    const char* program;
    QStringList args;
    int exitCode;
    const char* stdoutHas; // "" when standard output must stay empty
    const char* stderrHas; // "" when standard error must stay empty
};

// Texts from each program's own help and usage messages and from QCommandLineParser's errors;
// exit 0 for help and 2 for a usage error, the shell's convention.
const Row kRows[] = {
    {"daviduv", {"--help"}, 0, "[FILE.spt]", ""},
    {"daviduv", {"-h"}, 0, "--version", ""},
    {"daviduv", {"--bogus"}, 2, "", "daviduv: Unknown option 'bogus'."},
    {"daviduv", {"a.spt", "b.spt"}, 2, "", "unexpected argument 'b.spt'"},
    {"daviduv", {"--lang", "fr"}, 2, "", "--lang takes zh or en"},
    {"daviduv-printer", {"--help"}, 0, "--print-dir <dir>", ""},
    {"daviduv-printer", {"--bogus"}, 2, "", "Try 'daviduv-printer --help'."},
    {"daviduv-printer", {"extra"}, 2, "", "unexpected argument 'extra'"},
    {"daviduv-printer", {"--delay"}, 2, "", "Missing value after '--delay'."},
    {"daviduv-cli", {"--help"}, 0, "commands:", ""},
    {"daviduv-cli", {}, 2, "", "usage: daviduv-cli COMMAND"},
    {"daviduv-cli", {"render", "--help"}, 0, "usage: daviduv-cli render FILE.spt --out FILE.png", ""},
    {"daviduv-cli", {"--bogus"}, 2, "", "unknown command '--bogus'"},
    {"daviduv-cli", {"query", "--port", "/dev/null", "--bogus"}, 2, "", "daviduv-cli query: Unknown option 'bogus'."},
    {"daviduv-cli", {"clock", "--help"}, 0, "--fast-ack", ""},
    {"daviduv-cli", {"log", "extra"}, 2, "", "unexpected argument 'extra'"},
    {"daviduv-cli", {"query", "--lang", "fr"}, 2, "", "--lang takes zh or en"},
};
} // namespace

TEST(ProgramArguments, HelpOnStandardOutputUsageErrorsOnStandardErrorWithTwo) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(row.program, row.args.join(' ')).toStdString());
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DAVIDUV_BIN_DIR "/") + row.program, row.args);
        if (!program.waitForFinished(20000)) { // e.g. a window opened instead
            ADD_FAILURE() << "did not end";
            program.kill();
            program.waitForFinished();
            continue;
        }
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), row.exitCode);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        if (*row.stdoutHas) EXPECT_TRUE(out.contains(QString::fromUtf8(row.stdoutHas))) << out.toStdString();
        else EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        if (*row.stderrHas) EXPECT_TRUE(err.contains(QString::fromUtf8(row.stderrHas))) << err.toStdString();
        else EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    }
}
