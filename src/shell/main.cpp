// The editor's entry: title, main window, event loop.
#include "common/AppSettings.h"
#include "common/CommandLine.h"
#include "common/Gbk.h"
#include "common/Language.h"
#include "shell/ErrorBoundary.h"
#include "shell/ErrorBox.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "shell/TemplateCommands.h"
#include "shell/ToolIcons.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {
// The window system's own options, which QApplication takes out of the
// arguments later ("-platform offscreen", "-session ID" from a session manager).
void acceptWindowSystemOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The arguments are read before the window system is reached, so --help,
// --version and a usage error need no display. Returns the exit code when
// the program stops here; else the template to open, if any, and --lang.
std::optional<int> readArguments(int argc, char** argv, QString& file, QString& lang) {
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lays out and sends the messages of a small-character inkjet coder."));
    addStandardOptions(parser);
    acceptWindowSystemOptions(parser);
    parser.addOption(languageOption());
    parser.addPositionalArgument(QStringLiteral("FILE.spt"), QStringLiteral("The template to open."),
                                 QStringLiteral("[FILE.spt]"));
    if (const std::optional<int> code = handleCommandLine(parser, probe.arguments(), "daviduv", 1)) return code;
    if (!parser.positionalArguments().isEmpty()) file = parser.positionalArguments().first();
    const std::optional<QString> language = languageOptionValue(parser);
    if (!language) return reportUsageError("daviduv", QStringLiteral("--lang takes zh or en"));
    lang = *language;
    return std::nullopt;
}
} // namespace

int main(int argc, char** argv) {
    QString path, lang;
    if (const std::optional<int> code = readArguments(argc, argv, path, lang)) return *code;
    GuardedApplication app(argc, argv); // nothing a handler throws ends the program
    const RegStore store = RegStore::user();
    initApplication(chooseLanguage(lang, store));
    if (!gbk::available()) {
        QMessageBox::critical(nullptr, QStringLiteral("daviduv"), QStringLiteral("This Qt build has no GBK codec."));
        return 1;
    }
    MainWindow window(configIniPath(), store);
    window.setWindowIcon(programIcon());
    window.show();
    // Once the window is up: the recovery question when an editor left a copy,
    // else "daviduv FILE.spt" opens the file.
    const bool notAFile = !path.isEmpty() && !QFileInfo(path).isFile();
    if (notAFile) std::fprintf(stderr, "daviduv: no such file: %s\n", qPrintable(path));
    QTimer::singleShot(
        0, &window, guarded(&window, [&window, path, notAFile] {
            if (offerRecovery(window)) return;
            if (notAFile)
                showErrorBox(&window, QFileInfo::exists(path)
                                          ? QCoreApplication::translate("main", "无法打开 %1：它不是普通文件").arg(path)
                                          : QCoreApplication::translate("main", "找不到文件 %1").arg(path));
            else if (!path.isEmpty()) openTemplateFile(window, path);
        }));
    return app.exec();
}
