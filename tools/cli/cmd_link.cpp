// query, clock, erase: the short printer commands, one transaction each.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/NumberText.h"

#include "cli/CliLink.h"
#include "link/PrinterCommands.h"

namespace {
int runQuery(const QStringList& argv) {
    LinkOptions options;
    if (!readLinkOptions(CliArgs(argv, kLinkValueOptions, kLinkFlags), options)) return kExitError;
    return runOnPort(options,
                     [](SerialPort& p, LinkReporter& r, ReplyTiming timing) { return queryPrinter(p, r, timing); });
}

int runClock(const QStringList& argv) {
    LinkOptions options;
    if (!readLinkOptions(CliArgs(argv, kLinkValueOptions, kLinkFlags), options)) return kExitError;
    return runOnPort(options, [](SerialPort& p, LinkReporter& r, ReplyTiming timing) {
        return setPrinterClock(p, r, QDateTime::currentDateTime(), timing);
    });
}

int runErase(const QStringList& argv) {
    const CliArgs args(argv, kLinkValueOptions + QStringList{QStringLiteral("--segment")}, kLinkFlags);
    LinkOptions options;
    if (!readLinkOptions(args, options)) return kExitError;
    const std::optional<QString> text = args.value(QStringLiteral("--segment"));
    if (!text) return printErr(QStringLiteral("--segment N (0 to 15) is required")), kExitError;
    const std::optional<int> chosen = decimalInRange(*text, 0, 15);
    if (!chosen)
        return printErr(QStringLiteral("--segment must be a flash segment from 0 to 15, not '%1'").arg(*text)),
               kExitError;
    const int segment = *chosen;
    return runOnPort(options, [segment](SerialPort& p, LinkReporter& r, ReplyTiming timing) {
        return eraseFlashSegment(p, r, segment, timing);
    });
}
} // namespace

const CliCommand kQueryCommand{"query",
                               "query --port PORT [--port PORT...] [--baud 9600|57600|115200] [--fast-ack] [--json]\n"
                               "      ask whether a printer answers on PORT (default speed 57600)",
                               runQuery, true};
const CliCommand kClockCommand{"clock",
                               "clock --port PORT [--port PORT...] [--baud ...] [--fast-ack] [--json]\n"
                               "      set the printer's clock to this computer's local date and time",
                               runClock, true};
const CliCommand kEraseCommand{"erase",
                               "erase --port PORT [--port PORT...] --segment N [--baud ...] [--fast-ack] [--json]\n"
                               "      erase flash segment N (0 to 15) of the printer",
                               runErase, true};
