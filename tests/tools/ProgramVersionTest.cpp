#include <QProcess>
#include <gtest/gtest.h>

// Every program answers --version with its name and the version of project()
// in the top CMakeLists.txt, without a display and without touching a port.
TEST(ProgramVersion, EachProgramPrintsItsNameAndTheProjectVersion) {
    for (const char* name : {"daviduv", "daviduv-cli", "daviduv-printer"}) {
        SCOPED_TRACE(name);
        QProcess program;
        program.setProcessEnvironment([] {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove("DISPLAY");
            env.remove("QT_QPA_PLATFORM"); // the editor must not need a screen for --version
            return env;
        }());
        program.start(QStringLiteral(DAVIDUV_BIN_DIR "/") + name, {"--version"});
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(program.readAllStandardOutput(), QByteArray(name) + " " DAVIDUV_VERSION "\n");
    }
}
