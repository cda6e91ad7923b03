#pragma once
// What the printer commands of daviduv-cli share: --port (repeatable), --baud,
// --fast-ack, --json and the hidden --quiet-ms, the status texts printed one
// per line, and the exit codes.
#include "cli/CliSupport.h"
#include "link/LinkReporter.h"
#include "link/Transaction.h"

#include <functional>

class ComPortError;
class SerialPort;

// The status texts, one per line, as the editor shows them in its status bar.
class PrintingReporter : public LinkReporter {
public:
    void showMessage(const QString& text) override { printOut(text); }
};

struct LinkOptions {
    QStringList ports; // one or more, each printer worked on in parallel
    int baud = 57600;
    ReplyTiming timing; // --quiet-ms; fast acknowledgement from Config.ini "Main"/"FastAck" or --fast-ack
    bool json = false;  // one JSON object per printer instead of the status texts
};

extern const QStringList kLinkValueOptions; // --port, --baud, --quiet-ms
extern const QStringList kLinkFlags;        // --fast-ack, --json

// Reads the link options; prints the reason and returns false when something
// is wrong (also when the words given are not exactly `positional` many).
bool readLinkOptions(const CliArgs& args, LinkOptions& options, int positional = 0);

// --baud and --quiet-ms, each left as it is when not given.
bool readSpeedOptions(const CliArgs& args, int& baud, int& quietMs);

using LinkRun = std::function<bool(SerialPort&, LinkReporter&, ReplyTiming)>;
// Runs one printer command: 0 acknowledged, 1 failed after three tries, 2 port
// error, 130 interrupted (Ctrl+C) before everything was acknowledged.
// One port without --json prints the status texts as they come. Several
// ports (or --json) run one thread per printer, all at once, and print one
// result line per printer in --port order: port, result, time, tries (with
// --json, one object each). The exit code is then 0 only when every printer
// acknowledged; else 130 if interrupted, 2 for a port error, else 1.
int runOnPort(const LinkOptions& options, const LinkRun& run);
