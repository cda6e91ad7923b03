// The editor's entry: title, main window, event loop.
#include "common/AppSettings.h"
#include "common/Gbk.h"
#include "common/VersionOption.h"
#include "shell/StartUp.h"
#include "shell/MainWindow.h"
#include "shell/TemplateCommands.h"
#include "shell/ToolIcons.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    if (printVersionIfAsked(argc, argv, "daviduv")) return 0;
    QApplication app(argc, argv);
    initApplication();
    if (!gbk::available()) {
        QMessageBox::critical(nullptr, QStringLiteral("daviduv"), QStringLiteral("This Qt build has no GBK codec."));
        return 1;
    }
    MainWindow window(configIniPath());
    window.setWindowIcon(programIcon());
    window.show();
    // "daviduv FILE.spt": the file opens once the window is up.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        const QString path = args.at(1);
        if (QFileInfo(path).isFile())
            QTimer::singleShot(0, &window, [&window, path] { openTemplateFile(window, path); });
        else
            std::fprintf(stderr, "daviduv: no such file: %s\n", qPrintable(path));
    }
    return app.exec();
}
