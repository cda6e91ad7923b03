#pragma once
// One printer command on several printers at once: a thread per port, each
// with its own port object and transaction, then one result per printer.
#include "cli/CliLink.h"

struct PortOutcome {
    QString port;
    int code = 0;   // the exit code this printer alone would give
    QString result; // acknowledged, failed, interrupted, port error
    QString error;  // the port error's text
    double seconds = 0;
    int tries = 0; // frames written, retries included
};

// "PORT  RESULT  1.23 s  7 tries", or the JSON object of the outcome.
QString describeOutcome(const PortOutcome& outcome, bool json);
// The exit code of all: 0 when every printer acknowledged, else 130 if one
// was interrupted, else 2 if one had a port error, else 1.
int combinedExitCode(const QList<PortOutcome>& outcomes);

// Runs the command on every port of options at once and prints the results.
int runOnPorts(const LinkOptions& options, const LinkRun& run);
