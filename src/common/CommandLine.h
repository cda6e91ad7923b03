#pragma once
// The argument rules the three programs share: --help and --version print on
// standard output and end with 0; a usage error (an unknown option, a missing
// value, one word too many) prints its reason and a pointer to --help on
// standard error and ends with 2. Nothing here needs a display.
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

inline constexpr int kUsageErrorExit = 2;

// Adds -h/--help and --version to the parser (before the program's own options).
void addStandardOptions(QCommandLineParser& parser);

// Parses arguments (arguments[0] is the program). Returns the exit code when
// the program should stop here, after printing the help, the version or the
// usage error; std::nullopt when it should run. At most maxPositional plain
// words are accepted. The help text needs a QCoreApplication.
std::optional<int> handleCommandLine(QCommandLineParser& parser, const QStringList& arguments, const char* program,
                                     int maxPositional);

// "PROGRAM: REASON" and "Try 'PROGRAM --help'." on standard error; returns 2.
int reportUsageError(const char* program, const QString& reason);
