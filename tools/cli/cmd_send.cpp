// send, render: placeholders until sending lands.
#include "CliSupport.h"
#include "Commands.h"

static int notYet(const QStringList&) {
    printErr(QStringLiteral("not available yet"));
    return kExitError;
}
const CliCommand kSendCommand{"send", "send FILE.spt --port PORT [--baud ...]", notYet};
const CliCommand kRenderCommand{"render", "render FILE.spt --out FILE.png", notYet};
