#pragma once
// What the printer commands of daviduv-cli share: --port, --baud and the hidden
// --quiet-ms, the status texts printed one per line, and the exit codes.
#include "cli/CliSupport.h"
#include "link/LinkReporter.h"
#include "link/Transaction.h"

#include <functional>

class ComPortError;
class SerialPort;

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

extern const QStringList kLinkValueOptions; // --port, --baud, --quiet-ms

// Reads the link options; prints the reason and returns false when something
// is wrong (also when the words given are not exactly `positional` many).
bool readLinkOptions(const CliArgs& args, LinkOptions& options, int positional = 0);

// --baud and --quiet-ms, each left as it is when not given.
bool readSpeedOptions(const CliArgs& args, int& baud, int& quietMs);

using LinkRun = std::function<bool(SerialPort&, LinkReporter&, int quietMs)>;
// Runs one printer command: 0 acknowledged, 1 failed after three tries, 2 port
// error, 130 interrupted (Ctrl+C) before everything was acknowledged.
int runOnPort(const LinkOptions& options, const LinkRun& run);
