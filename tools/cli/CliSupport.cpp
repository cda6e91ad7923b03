#include "cli/CliSupport.h"

#include "cli/CliOptions.h"

#include <cstdio>

namespace {
QString currentName;
QString currentUsage;

QString bare(const QString& option) {
    return option.startsWith(QLatin1String("--")) ? option.mid(2) : option;
}

void addOption(QCommandLineParser& parser, const QString& option, bool takesValue) {
    const CliOptionHelp help = cliOptionHelp(option);
    parser.addOption(QCommandLineOption(bare(option), help.description, takesValue ? help.valueName : QString()));
}

// The options part of Qt's help text ("Options:" and what follows).
QString optionsHelp(const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    const qsizetype at = text.indexOf(QLatin1String("Options:"));
    return at < 0 ? QString() : text.mid(at);
}
} // namespace

void setCurrentCommand(const QString& name, const QString& usage) {
    currentName = name;
    currentUsage = usage;
}

CliArgs::CliArgs(const QStringList& args, const QStringList& valueOptions, const QStringList& flags) {
    parser_.addHelpOption();
    for (const QString& option : valueOptions) addOption(parser_, option, true);
    for (const QString& option : flags) addOption(parser_, option, false);
    if (!parser_.parse(QStringList{QStringLiteral("daviduv-cli")} + args)) {
        error_ =
            QStringLiteral("daviduv-cli %1: %2\nTry 'daviduv-cli %1 --help'.").arg(currentName, parser_.errorText());
        return;
    }
    if (parser_.isSet(QStringLiteral("help"))) {
        printOut(QStringLiteral("usage: daviduv-cli %1\n\n%2").arg(currentUsage, optionsHelp(parser_)).trimmed());
        throw CliHelpShown{};
    }
    positional_ = parser_.positionalArguments();
}

std::optional<QString> CliArgs::value(const QString& name) const {
    if (error_.isEmpty() && parser_.optionNames().contains(bare(name))) return parser_.value(bare(name));
    return std::nullopt;
}

QStringList CliArgs::values(const QString& name) const {
    return error_.isEmpty() && parser_.optionNames().contains(bare(name)) ? parser_.values(bare(name)) : QStringList();
}

bool CliArgs::flag(const QString& name) const {
    return error_.isEmpty() && parser_.optionNames().contains(bare(name));
}

void printOut(const QString& line) {
    std::fputs((line + QChar('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void printErr(const QString& line) {
    std::fputs((line + QChar('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}
