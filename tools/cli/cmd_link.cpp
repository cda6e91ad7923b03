// query, clock, erase: the short printer commands, one transaction each.
#include "CliSupport.h"
#include "Commands.h"

#include "AppSettings.h"
#include "ComPortError.h"
#include "LinkReporter.h"
#include "PrinterCommands.h"
#include "TComPort.h"

#include <functional>

namespace {
// The status texts, one per line, as the editor shows them in its status bar.
class PrintingReporter : public LinkReporter {
public:
    void ShowMessage(const QString& text) override { printOut(text); }
};

struct LinkOptions {
    QString port;
    int baud = 57600;
    int quietMs = kQuietMs;
};

// Reads --port, --baud and the hidden --quiet-ms; prints the reason and
// returns false when something is wrong.
bool readLinkOptions(const CliArgs& args, LinkOptions& options) {
    if (!args.ok()) return printErr(args.error()), false;
    if (!args.positional().isEmpty())
        return printErr(QStringLiteral("unexpected argument '%1'").arg(args.positional().first())), false;
    const std::optional<QString> port = args.value(QStringLiteral("--port"));
    if (!port || port->isEmpty()) return printErr(QStringLiteral("--port PORT is required")), false;
    options.port = *port;
    if (const std::optional<QString> baud = args.value(QStringLiteral("--baud"))) {
        const std::optional<int> speed = baudFromText(*baud);
        if (!speed) return printErr(QStringLiteral("--baud must be 9600, 57600 or 115200, not '%1'").arg(*baud)), false;
        options.baud = *speed;
    }
    if (const std::optional<QString> quiet = args.value(QStringLiteral("--quiet-ms"))) {
        bool ok = false;
        options.quietMs = quiet->toInt(&ok);
        if (!ok || options.quietMs < 1 || options.quietMs > 60000)
            return printErr(QStringLiteral("--quiet-ms must be 1 to 60000, not '%1'").arg(*quiet)), false;
    }
    return true;
}

using LinkRun = std::function<bool(TComPort&, LinkReporter&, int quietMs)>;

int runOnPort(const LinkOptions& options, const LinkRun& run) {
    TComPort port;
    port.SetPort(options.port);
    port.SetBaudRate(options.baud);
    PrintingReporter reporter;
    try {
        return run(port, reporter, options.quietMs) ? kExitOk : kExitFailed;
    } catch (const ComPortError& e) {
        printErr(e.Text());
        return kExitError;
    }
}

const QStringList kValueOptions{QStringLiteral("--port"), QStringLiteral("--baud"), QStringLiteral("--quiet-ms")};

int runQuery(const QStringList& argv) {
    LinkOptions options;
    if (!readLinkOptions(CliArgs(argv, kValueOptions, {}), options)) return kExitError;
    return runOnPort(options, [](TComPort& p, LinkReporter& r, int quiet) { return queryPrinter(p, r, quiet); });
}

int runClock(const QStringList& argv) {
    LinkOptions options;
    if (!readLinkOptions(CliArgs(argv, kValueOptions, {}), options)) return kExitError;
    return runOnPort(options, [](TComPort& p, LinkReporter& r, int quiet) {
        return setPrinterClock(p, r, QDateTime::currentDateTime(), quiet);
    });
}

int runErase(const QStringList& argv) {
    const CliArgs args(argv, kValueOptions + QStringList{QStringLiteral("--segment")}, {});
    LinkOptions options;
    if (!readLinkOptions(args, options)) return kExitError;
    const std::optional<QString> text = args.value(QStringLiteral("--segment"));
    if (!text) return printErr(QStringLiteral("--segment N (0 to 15) is required")), kExitError;
    bool ok = false;
    const int segment = text->toInt(&ok);
    if (!ok || segment < 0 || segment > 15)
        return printErr(QStringLiteral("--segment must be a flash segment from 0 to 15, not '%1'").arg(*text)),
               kExitError;
    return runOnPort(options, [segment](TComPort& p, LinkReporter& r, int quiet) {
        return eraseFlashSegment(p, r, segment, quiet);
    });
}
} // namespace

const CliCommand kQueryCommand{"query",
                               "query --port PORT [--baud 9600|57600|115200]\n"
                               "      ask whether a printer answers on PORT (default speed 57600)",
                               runQuery};
const CliCommand kClockCommand{"clock",
                               "clock --port PORT [--baud ...]\n"
                               "      set the printer's clock to this computer's local date and time",
                               runClock};
const CliCommand kEraseCommand{"erase",
                               "erase --port PORT --segment N [--baud ...]\n"
                               "      erase flash segment N (0 to 15) of the printer",
                               runErase};
