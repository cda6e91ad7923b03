#pragma once
// What each option of daviduv-cli means, for the --help of every command that
// takes it: one table, so that two commands never describe an option apart.
#include <QString>

struct CliOptionHelp {
    QString valueName; // shown as <valueName>; empty for a switch
    QString description;
};

// The entry for "--name"; an option without one gets an empty description.
CliOptionHelp cliOptionHelp(const QString& option);
