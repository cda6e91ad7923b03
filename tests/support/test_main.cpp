#include "support/TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A window shown by a test searches no port of this machine.
    if (!qEnvironmentVariableIsSet("DAVIDUV_PORTS")) qputenv("DAVIDUV_PORTS", "");
    // Transactions of the tests (and of the programs they start) log into a
    // folder of their own, never into the user's.
    QTemporaryDir state;
    // The texts the tests expect are the Chinese ones, whatever the machine's
    // locale (an English locale would choose the English interface); the tests
    // of the choice itself set their own.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QApplication app(argc, argv);
    installTestFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
