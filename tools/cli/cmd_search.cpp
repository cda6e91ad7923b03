// search: the editor's printer search from a script.
#include "cli/CliCommand.h"
#include "cli/CliLink.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "common/AppSettings.h"
#include "common/RegStore.h"
#include "link/InterruptHook.h"
#include "link/PrinterSearch.h"
#include "serial/PortList.h"
#include "serial/SerialPort.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
// The status texts one per line; the summaries are the editor's status line
// and mean nothing here.
class SearchPrinter : public SearchReporter {
public:
    void showMessage(const QString& text) override {
        if (!quiet) printOut(text);
    }
    bool quiet = false; // --json: the result alone
    void showFound(const QString&, const QString&) override {}
    void showNotFound() override {}
    void showNotStored(const QString& reason) override { notStored = reason; }
    QString notStored;
};

int runSearch(const QStringList& argv) {
    const CliArgs args(argv, {QStringLiteral("--ports"), QStringLiteral("--baud"), QStringLiteral("--quiet-ms")},
                       kLinkFlags + QStringList{QStringLiteral("--parallel")});
    if (!args.ok()) return printErr(args.error()), kExitError;
    if (!args.positional().isEmpty())
        return printErr(QStringLiteral("unexpected argument '%1'").arg(args.positional().first())), kExitError;
    AppSettings config;
    readConfigIni(config, configIniPath());
    QStringList ports = availablePortNames() + config.networkPorts;
    if (const std::optional<QString> list = args.value(QStringLiteral("--ports"))) {
        ports = list->split(u',', Qt::SkipEmptyParts);
        if (ports.isEmpty()) return printErr(QStringLiteral("--ports needs at least one port")), kExitError;
    }
    // The speed the editor would search at, the stored one, unless told.
    const RegStore store = RegStore::user();
    int baud = baudFromText(store.read("Baud", "57600").trimmed()).value_or(57600);
    ReplyTiming timing;
    if (!readSpeedOptions(args, baud, timing.quietMs)) return kExitError;
    timing.fastAck = config.fastAck || args.flag(QStringLiteral("--fast-ack"));
    if (ports.isEmpty()) return printErr(QStringLiteral("no serial port to search")), kExitFailed;

    SerialPort port;
    port.setBaudRate(baud);
    SearchPrinter reporter;
    const int interruptsBefore = interruptsTaken();
    const bool json = args.flag(QStringLiteral("--json"));
    reporter.quiet = json;
    const QString found = config.parallelSearch || args.flag(QStringLiteral("--parallel"))
                              ? searchPrinterInParallel(port, ports, store, reporter, nullptr, timing)
                              : searchPrinter(port, ports, store, reporter, nullptr, timing);
    if (json)
        printOut(
            QString::fromUtf8(QJsonDocument(QJsonObject{{"port", found.isEmpty() ? QJsonValue() : QJsonValue(found)},
                                                        {"result", found.isEmpty() ? "not found" : "found"}})
                                  .toJson(QJsonDocument::Compact)));
    if (found.isEmpty()) return interruptsTaken() != interruptsBefore ? kExitInterrupted : kExitFailed;
    if (!json) printOut(found);
    if (!reporter.notStored.isEmpty())
        return printErr(QStringLiteral("the printer was found but not stored: ") + reporter.notStored), kExitError;
    return kExitOk;
}
} // namespace

const CliCommand kSearchCommand{
    "search",
    "search [--ports P1,P2,...] [--baud 9600|57600|115200] [--fast-ack] [--parallel] [--json]\n"
    "      query each port in turn (default: every serial port and virtual printer, then\n"
    "      Config.ini [Ports] Network=tcp://HOST:PORT;...), or all at once with --parallel,\n"
    "      at one speed (default: the stored one); the first that answers is\n"
    "      stored as \"Comm\"/\"Baud\" for the editor and printed last; Ctrl+C ends the search",
    runSearch, true};
