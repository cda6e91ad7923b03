// daviduv-cli: the printer work of the editor, for scripts on the production line.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/FontSetup.h"
#include "common/Gbk.h"
#include "common/Language.h"
#include "common/VersionOption.h"
#include "link/TransactionLog.h"

#include <QGuiApplication>
#include <memory>

// Each command is defined in its own cmd_*.cpp.
static const CliCommand* const kCommands[] = {
    &kQueryCommand,  &kClockCommand,   &kEraseCommand,  &kBarcodeCommand, &kSendCommand, &kVerifyCommand,
    &kRenderCommand, &kPreviewCommand, &kSearchCommand, &kGlyphsCommand,  &kLogCommand,
};

// The whole usage: on standard output when asked for, on standard error as a usage error.
static void printHelp(void (*print)(const QString&)) {
    print(QStringLiteral("usage: daviduv-cli COMMAND [options]\n       daviduv-cli COMMAND --help\n"
                         "       daviduv-cli --version\n\ncommands:"));
    for (const CliCommand* c : kCommands) print(QStringLiteral("  ") + QString::fromUtf8(c->usage));
    print(QStringLiteral("\nexit codes: 0 done, 1 the printer did not acknowledge after three tries,\n"
                         "2 serial-port, file or argument error (the text on standard error),\n"
                         "130 interrupted (Ctrl+C) before the printer acknowledged everything"));
    print(QStringLiteral("\nprinter commands also take --fast-ack (or Config.ini [Main] FastAck=1): an exchange\n"
                         "ends at a complete acknowledgement instead of after 3000 ms of quiet"));
    print(QStringLiteral("\n--lang zh|en: the language of the printer's status texts (default: the saved\n"
                         "choice of the editor, else the locale: Chinese for zh_* and C, else English)"));
}

static bool asksForHelp(const QString& word) {
    return word == QLatin1String("--help") || word == QLatin1String("-h");
}

// Qt's notes about the desktop session mean nothing to a script; warnings of our own still show.
static void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg || text.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
    printErr(text);
}

static const CliCommand* findCommand(const QString& name) {
    for (const CliCommand* c : kCommands)
        if (name == QLatin1String(c->name)) return c;
    return nullptr;
}

int main(int argc, char** argv) {
    if (printVersionIfAsked(argc, argv, "daviduv-cli")) return kExitOk;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    // The printer-only commands start no font machinery (it costs more than their work).
    const CliCommand* early = argc > 1 ? findCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    std::unique_ptr<QCoreApplication> app;
    if (early && early->linkOnly) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QGuiApplication>(argc, argv);
        installFontSubstitutions();
    }
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return printHelp(printErr), kExitError;
    if (asksForHelp(args.first())) return printHelp(printOut), kExitOk;
    // --lang zh|en anywhere: the language of the printer's status texts.
    const std::optional<QString> lang = takeLanguageOption(args);
    if (!lang) return printErr(QStringLiteral("--lang takes zh or en")), kExitError;
    installLanguage(chooseLanguage(*lang, RegStore::user()), false); // Qt's own texts (file errors) stay English
    if (args.isEmpty()) return printHelp(printErr), kExitError;
    if (!gbk::available()) {
        printErr(QStringLiteral("this Qt build has no GBK codec"));
        return kExitError;
    }
    const QString name = args.takeFirst();
    const TransactionLabel label(name); // the transaction log names the command
    const CliCommand* command = findCommand(name);
    if (!command) {
        printErr(QStringLiteral("unknown command '%1'; see daviduv-cli --help").arg(name));
        return kExitError;
    }
    setCurrentCommand(name, QString::fromUtf8(command->usage));
    try {
        return command->run(args); // each command reads its arguments, --help among them
    } catch (const CliHelpShown&) {
        return kExitOk;
    }
}
