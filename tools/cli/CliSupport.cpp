#include "cli/CliSupport.h"

#include <cstdio>

CliArgs::CliArgs(const QStringList& args, const QStringList& valueOptions, const QStringList& flags) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QStringLiteral("--"))) {
            positional_ << a;
        } else if (valueOptions.contains(a)) {
            if (i + 1 >= args.size()) {
                error_ = QStringLiteral("%1 needs a value").arg(a);
                return;
            }
            values_[a] = args[++i];
        } else if (flags.contains(a)) {
            flags_ << a;
        } else {
            error_ = QStringLiteral("unknown option %1").arg(a);
            return;
        }
    }
}

std::optional<QString> CliArgs::value(const QString& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

bool CliArgs::flag(const QString& name) const {
    return flags_.contains(name);
}

void printOut(const QString& line) {
    std::fputs((line + QChar('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void printErr(const QString& line) {
    std::fputs((line + QChar('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}
