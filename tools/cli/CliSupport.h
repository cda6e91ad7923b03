#pragma once
// Argument parsing and output for daviduv-cli commands.
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

// "--name value" options, "--flag" switches and plain positional words, read
// by QCommandLineParser ("--name=value" works too; "--" ends the options).
// Each option's description comes from one table (CliOptions.cpp), so every
// command's --help says the same of it.
class CliArgs {
public:
    // valueOptions: names that take a value ("--port"); flags: names that do
    // not. --help and -h are always known: the command's help is printed and
    // CliHelpShown thrown (main ends with 0).
    CliArgs(const QStringList& args, const QStringList& valueOptions, const QStringList& flags);
    bool ok() const { return error_.isEmpty(); }
    // The usage error, with a pointer to the command's --help.
    QString error() const { return error_; }
    // The last value given, when the option was given at all.
    std::optional<QString> value(const QString& name) const;
    // Every value given, in order (an option that may be repeated).
    QStringList values(const QString& name) const;
    bool flag(const QString& name) const;
    QStringList positional() const { return positional_; }

private:
    QCommandLineParser parser_;
    QStringList positional_;
    QString error_;
};

// Thrown by CliArgs once a command's --help has been printed.
struct CliHelpShown {};

// The command being run and its usage text, for the help and usage errors.
void setCurrentCommand(const QString& name, const QString& usage);

// UTF-8 lines on standard output and standard error, flushed at once.
void printOut(const QString& line);
void printErr(const QString& line);
