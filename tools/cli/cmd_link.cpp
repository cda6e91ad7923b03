// query, clock, erase: the short printer commands, one transaction each.
#include "cli/CliSupport.h"
#include "common/SharedRoutines.h"
#include "cli/Commands.h"

#include "cli/CliLink.h"
#include "link/PrinterCommands.h"

namespace {
int runQuery(const QStringList& argv) {
    LinkOptions options;
    if (!readLinkOptions(CliArgs(argv, kLinkValueOptions, {}), options)) return kExitError;
    return runOnPort(options, [](SerialPort& p, LinkReporter& r, int quiet) { return queryPrinter(p, r, quiet); });
}

int runClock(const QStringList& argv) {
    LinkOptions options;
    if (!readLinkOptions(CliArgs(argv, kLinkValueOptions, {}), options)) return kExitError;
    return runOnPort(options, [](SerialPort& p, LinkReporter& r, int quiet) {
        return setPrinterClock(p, r, QDateTime::currentDateTime(), quiet);
    });
}

int runErase(const QStringList& argv) {
    const CliArgs args(argv, kLinkValueOptions + QStringList{QStringLiteral("--segment")}, {});
    LinkOptions options;
    if (!readLinkOptions(args, options)) return kExitError;
    const std::optional<QString> text = args.value(QStringLiteral("--segment"));
    if (!text) return printErr(QStringLiteral("--segment N (0 to 15) is required")), kExitError;
    const std::optional<int> chosen = decimalInRange(*text, 0, 15);
    if (!chosen)
        return printErr(QStringLiteral("--segment must be a flash segment from 0 to 15, not '%1'").arg(*text)),
               kExitError;
    const int segment = *chosen;
    return runOnPort(options, [segment](SerialPort& p, LinkReporter& r, int quiet) {
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
