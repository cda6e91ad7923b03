#pragma once
// Runs the built daviduv-cli for a test and gathers what it printed.
#include <QString>
#include <QStringList>
#include <csignal>

struct CliRun {
    int exitCode = -1; // -1 when it crashed or did not finish
    QStringList out;   // stdout lines
    QString err;
};

// interruptAfterMs >= 0: sends signal (SIGINT unless told) that long after the first output.
CliRun runCli(const QStringList& args, int interruptAfterMs = -1, int signal = SIGINT);
