// The editor's entry: title, main window, event loop.
#include "common/AppSettings.h"
#include "common/Gbk.h"
#include "common/VersionOption.h"
#include "shell/StartUp.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    if (printVersionIfAsked(argc, argv, "daviduv")) return 0;
    QApplication app(argc, argv);
    initApplication();
    if (!gbk::available()) {
        QMessageBox::critical(nullptr, QStringLiteral("daviduv"), QStringLiteral("This Qt build has no GBK codec."));
        return 1;
    }
    MainWindow window(configIniPath());
    window.show();
    return app.exec();
}
