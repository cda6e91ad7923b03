// search: the editor's printer search from a script.
#include "cli/CliCommand.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/CliLink.h"

#include "common/AppSettings.h"
#include "common/RegStore.h"
#include "link/InterruptHook.h"
#include "link/PrinterSearch.h"
#include "serial/PortList.h"
#include "serial/SerialPort.h"

namespace {
// The status texts one per line; the summaries are the editor's status line
// and mean nothing here.
class SearchPrinter : public SearchReporter {
public:
    void ShowMessage(const QString& text) override { printOut(text); }
    void showFound(const QString&, const QString&) override {}
    void showNotFound() override {}
    void showNotStored(const QString& reason) override { notStored = reason; }
    QString notStored;
};

int runSearch(const QStringList& argv) {
    const CliArgs args(argv, {QStringLiteral("--ports"), QStringLiteral("--baud"), QStringLiteral("--quiet-ms")},
                       kLinkFlags);
    if (!args.ok()) return printErr(args.error()), kExitError;
    if (!args.positional().isEmpty())
        return printErr(QStringLiteral("unexpected argument '%1'").arg(args.positional().first())), kExitError;
    QStringList ports = availablePortNames();
    if (const std::optional<QString> list = args.value(QStringLiteral("--ports"))) {
        ports = list->split(u',', Qt::SkipEmptyParts);
        if (ports.isEmpty()) return printErr(QStringLiteral("--ports needs at least one port")), kExitError;
    }
    // The speed the editor would search at, the stored one, unless told.
    int baud = baudFromText(readRegString("Baud", "57600").trimmed()).value_or(57600);
    ReplyTiming timing;
    if (!readSpeedOptions(args, baud, timing.quietMs)) return kExitError;
    AppSettings config;
    readConfigIni(config, configIniPath());
    timing.fastAck = config.fastAck || args.flag(QStringLiteral("--fast-ack"));
    if (ports.isEmpty()) return printErr(QStringLiteral("no serial port to search")), kExitFailed;

    SerialPort port;
    port.SetBaudRate(baud);
    SearchPrinter reporter;
    const int interruptsBefore = interruptsTaken();
    const QString found = searchPrinter(port, ports, reporter, nullptr, timing);
    if (found.isEmpty()) return interruptsTaken() != interruptsBefore ? kExitInterrupted : kExitFailed;
    printOut(found);
    if (!reporter.notStored.isEmpty())
        return printErr(QStringLiteral("the printer was found but not stored: ") + reporter.notStored), kExitError;
    return kExitOk;
}
} // namespace

const CliCommand kSearchCommand{"search",
                                "search [--ports P1,P2,...] [--baud 9600|57600|115200] [--fast-ack]\n"
                                "      query each port in turn (default: every serial port and virtual printer)\n"
                                "      at one speed (default: the stored one); the first that answers is\n"
                                "      stored as \"Comm\"/\"Baud\" for the editor and printed last; Ctrl+C ends the search",
                                runSearch, true};
