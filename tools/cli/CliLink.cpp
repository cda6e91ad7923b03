#include "cli/CliLink.h"

#include "common/AppSettings.h"
#include "common/SharedRoutines.h"
#include "link/InterruptHook.h"
#include "serial/ComPortError.h"
#include "serial/SerialPort.h"

#include "cli/CliCommand.h"

const QStringList kLinkValueOptions{QStringLiteral("--port"), QStringLiteral("--baud"), QStringLiteral("--quiet-ms")};

bool readLinkOptions(const CliArgs& args, LinkOptions& options, int positional) {
    if (!args.ok()) return printErr(args.error()), false;
    if (args.positional().size() > positional)
        return printErr(QStringLiteral("unexpected argument '%1'").arg(args.positional().at(positional))), false;
    if (args.positional().size() < positional) return printErr(QStringLiteral("a file name is missing")), false;
    const std::optional<QString> port = args.value(QStringLiteral("--port"));
    if (!port || port->isEmpty()) return printErr(QStringLiteral("--port PORT is required")), false;
    options.port = *port;
    return readSpeedOptions(args, options.baud, options.quietMs);
}

bool readSpeedOptions(const CliArgs& args, int& baud, int& quietMs) {
    if (const std::optional<QString> text = args.value(QStringLiteral("--baud"))) {
        const std::optional<int> speed = baudFromText(*text);
        if (!speed) return printErr(QStringLiteral("--baud must be 9600, 57600 or 115200, not '%1'").arg(*text)), false;
        baud = *speed;
    }
    if (const std::optional<QString> quiet = args.value(QStringLiteral("--quiet-ms"))) {
        const std::optional<int> ms = decimalInRange(*quiet, 1, 60000);
        if (!ms) return printErr(QStringLiteral("--quiet-ms must be 1 to 60000, not '%1'").arg(*quiet)), false;
        quietMs = *ms;
    }
    return true;
}

int runOnPort(const LinkOptions& options, const LinkRun& run) {
    SerialPort port;
    port.SetPort(options.port);
    port.SetBaudRate(options.baud);
    PrintingReporter reporter;
    const int interruptsBefore = interruptsTaken();
    try {
        if (run(port, reporter, options.quietMs)) return kExitOk;
        return interruptsTaken() != interruptsBefore ? kExitInterrupted : kExitFailed;
    } catch (const ComPortError& e) {
        printErr(portErrorText(e, options.port));
        return kExitError;
    }
}
