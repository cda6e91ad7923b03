#pragma once
// Argument parsing and output for daviduv-cli commands.
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

// "--name value" options, "--flag" switches and plain positional words.
class CliArgs {
public:
    // valueOptions: names that take a value ("--port"); flags: names that do not.
    CliArgs(const QStringList& args, const QStringList& valueOptions, const QStringList& flags);
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    std::optional<QString> value(const QString& name) const;
    bool flag(const QString& name) const;
    QStringList positional() const { return positional_; }

private:
    std::map<QString, QString> values_;
    QStringList flags_;
    QStringList positional_;
    QString error_;
};

// UTF-8 lines on standard output and standard error, flushed at once.
void printOut(const QString& line);
void printErr(const QString& line);
