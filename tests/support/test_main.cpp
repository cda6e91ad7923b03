#include "support/TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A window shown by a test searches no port of this machine.
    if (!qEnvironmentVariableIsSet("DAVIDUV_PORTS")) qputenv("DAVIDUV_PORTS", "");
    QApplication app(argc, argv);
    installTestFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
