#include "cli/CliLink.h"

#include "cli/CliCommand.h"
#include "cli/ParallelLink.h"
#include "common/AppSettings.h"
#include "common/NumberText.h"
#include "link/InterruptHook.h"
#include "serial/ComPortError.h"
#include "serial/SerialPort.h"

const QStringList kLinkValueOptions{QStringLiteral("--port"), QStringLiteral("--baud"), QStringLiteral("--quiet-ms")};
const QStringList kLinkFlags{QStringLiteral("--fast-ack"), QStringLiteral("--json")};

bool readLinkOptions(const CliArgs& args, LinkOptions& options, int positional) {
    if (!args.ok()) return printErr(args.error()), false;
    if (args.positional().size() > positional)
        return printErr(QStringLiteral("unexpected argument '%1'").arg(args.positional().at(positional))), false;
    if (args.positional().size() < positional) return printErr(QStringLiteral("a file name is missing")), false;
    options.ports = args.values(QStringLiteral("--port"));
    if (options.ports.isEmpty() || options.ports.contains(QString()))
        return printErr(QStringLiteral("--port PORT is required")), false;
    if (options.ports.removeDuplicates() != 0)
        return printErr(QStringLiteral("a port is given twice to --port")), false;
    AppSettings config;
    readConfigIni(config, configIniPath());
    options.timing.fastAck = config.fastAck || args.flag(QStringLiteral("--fast-ack"));
    options.json = args.flag(QStringLiteral("--json"));
    return readSpeedOptions(args, options.baud, options.timing.quietMs);
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
    if (options.ports.size() > 1 || options.json) return runOnPorts(options, run);
    const QString name = options.ports.first();
    SerialPort port;
    port.setPort(name);
    port.setBaudRate(options.baud);
    PrintingReporter reporter;
    const int interruptsBefore = interruptsTaken();
    try {
        if (run(port, reporter, options.timing)) return kExitOk;
        return interruptsTaken() != interruptsBefore ? kExitInterrupted : kExitFailed;
    } catch (const ComPortError& e) {
        printErr(portErrorText(e, name));
        return kExitError;
    }
}
