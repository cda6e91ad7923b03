// daviduv-cli: the printer work of the editor, for scripts on the production line.
#include "cli/Commands.h"
#include "cli/CliSupport.h"
#include "common/FontSetup.h"
#include "common/Gbk.h"

#include <QGuiApplication>
#include <iterator>

// Each command is defined in its own cmd_*.cpp.
static const CliCommand* const kCommands[] = {
    &kQueryCommand, &kClockCommand, &kEraseCommand, &kBarcodeCommand, &kSendCommand, &kRenderCommand, &kSearchCommand,
};

static void printHelp() {
    printOut(QStringLiteral("usage: daviduv-cli COMMAND [options]\n\ncommands:"));
    for (const CliCommand* c : kCommands) printOut(QStringLiteral("  ") + QString::fromUtf8(c->usage));
    printOut(QStringLiteral("\nexit codes: 0 done, 1 the printer did not acknowledge after three tries,\n"
                            "2 serial-port, file or argument error (the text on standard error),\n"
                            "130 interrupted (Ctrl+C) before the printer acknowledged everything"));
}

// Qt's notes about the desktop session mean nothing to a script; warnings of our own still show.
static void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg || text.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
    printErr(text);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printHelp();
        return args.isEmpty() ? kExitError : kExitOk;
    }
    if (!gbk::available()) {
        printErr(QStringLiteral("this Qt build has no GBK codec"));
        return kExitError;
    }
    const QString name = args.takeFirst();
    for (const CliCommand* c : kCommands)
        if (name == QLatin1String(c->name)) return c->run(args);
    printErr(QStringLiteral("unknown command '%1'; see daviduv-cli --help").arg(name));
    return kExitError;
}
