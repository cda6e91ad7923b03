// The editor's entry: title, main window, event loop.
#include "AppSettings.h"
#include "Gbk.h"
#include "StartUp.h"
#include "TFrm_Main.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initApplication();
    if (!gbk::available()) {
        QMessageBox::critical(nullptr, QStringLiteral("daviduv"), QStringLiteral("This Qt build has no GBK codec."));
        return 1;
    }
    TFrm_Main window(configIniPath());
    window.show();
    return app.exec();
}
