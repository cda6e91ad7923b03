#pragma once
// One sub-command of daviduv-cli. Each lives in its own cmd_*.cpp and is listed
// in the table of main.cpp.
#include <QStringList>

struct CliCommand {
    const char* name;
    const char* usage;                   // shown by --help, may span lines
    int (*run)(const QStringList& args); // args after the command name; returns the exit code
    bool linkOnly = false;               // talks to the printer only: no fonts, no pictures, so no GUI application
};

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;            // the printer acknowledged / the work is done
inline constexpr int kExitFailed = 1;        // an exchange failed after three tries
inline constexpr int kExitError = 2;         // port, file or argument error (text on stderr)
inline constexpr int kExitInterrupted = 130; // Ctrl+C before the printer acknowledged everything
