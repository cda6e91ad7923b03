#include "common/CommandLine.h"

#include "common/Version.h"

#include <cstdio>

void addStandardOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addOption({QStringLiteral("version"), QStringLiteral("Print the program name and version, then exit.")});
}

int reportUsageError(const char* program, const QString& reason) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program, reason.toLocal8Bit().constData(), program);
    std::fflush(stderr);
    return kUsageErrorExit;
}

std::optional<int> handleCommandLine(QCommandLineParser& parser, const QStringList& arguments, const char* program,
                                     int maxPositional) {
    if (!parser.parse(arguments)) return reportUsageError(program, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", program, kDaviduvVersion);
        return 0;
    }
    const QStringList words = parser.positionalArguments();
    if (words.size() > maxPositional)
        return reportUsageError(program, QStringLiteral("unexpected argument '%1'").arg(words.at(maxPositional)));
    return std::nullopt;
}
