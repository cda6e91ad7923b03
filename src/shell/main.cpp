// The editor's entry: title, main window, event loop.
#include "common/AppSettings.h"
#include "common/Gbk.h"
#include "common/VersionOption.h"
#include "shell/ErrorBoundary.h"
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
    GuardedApplication app(argc, argv); // nothing a handler throws ends the program
    initApplication();
    if (!gbk::available()) {
        QMessageBox::critical(nullptr, QStringLiteral("daviduv"), QStringLiteral("This Qt build has no GBK codec."));
        return 1;
    }
    MainWindow window(configIniPath());
    window.setWindowIcon(programIcon());
    window.show();
    // Once the window is up: the recovery question when an editor left a copy,
    // else "daviduv FILE.spt" opens the file.
    const QStringList args = QApplication::arguments();
    const QString path = args.size() > 1 ? args.at(1) : QString();
    if (!path.isEmpty() && !QFileInfo(path).isFile()) std::fprintf(stderr, "daviduv: no such file: %s\n", qPrintable(path));
    QTimer::singleShot(0, &window, guarded(&window, [&window, path] {
                           if (!offerRecovery(window) && QFileInfo(path).isFile()) openTemplateFile(window, path);
                       }));
    return app.exec();
}
