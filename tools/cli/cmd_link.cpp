// query, clock, erase: placeholders until the printer link lands.
#include "CliSupport.h"
#include "Commands.h"

static int notYet(const QStringList&) {
    printErr(QStringLiteral("not available yet"));
    return kExitError;
}
const CliCommand kQueryCommand{"query", "query --port PORT [--baud 9600|57600|115200]", notYet};
const CliCommand kClockCommand{"clock", "clock --port PORT [--baud ...]", notYet};
const CliCommand kEraseCommand{"erase", "erase --port PORT --segment N [--baud ...]", notYet};
