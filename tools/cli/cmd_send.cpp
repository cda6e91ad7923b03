// send and render: a .spt file opened as the editor opens it (its template
// number and resolution are the ones sent; the per-user store is not touched),
// Config.ini beside the program giving the resolution list and the send mode.
#include "common/AppSettings.h"
#include "common/AtomicWrite.h"
#include "barcode/Barcode.h"
#include "cli/CliLink.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "model/FieldError.h"
#include "link/MessageRender.h"
#include "link/SendMessage.h"
#include "link/SendRefused.h"
#include "editor/TemplateFile.h"

namespace {

// Opens the file and plans the send; prints the reason and returns nothing on
// failure. A file that is no template is refused (the editor would open it as
// an empty one, which the operator sees; a script does not). A picture that
// cannot be loaded prints white, with a warning.
std::optional<MessagePlan> planFromFile(const QString& path) {
    if (const QString reason = notATemplateReason(path); !reason.isEmpty()) {
        printErr(reason);
        return std::nullopt;
    }
    AppSettings app;
    readConfigIni(app, configIniPath());
    try {
        MessageTemplate message;
        TemplateAttributes attributes;
        QStringList pictureProblems;
        loadTemplate(message, path, [&](const TemplateAttributes& a) { attributes = a; }, &pictureProblems);
        for (const QString& problem : pictureProblems) printErr(QStringLiteral("warning: ") + problem);
        return planMessage(message, {attributes.width, attributes.moBan, attributes.zoom, app.dpiList, app.mainDpi});
    } catch (const std::exception& e) { // BarcodeError, FieldError, SendRefused: the element's own text
        printErr(QString::fromUtf8(e.what()));
    }
    return std::nullopt;
}

int render(const QStringList& args) {
    const CliArgs a(args, {"--out"}, {});
    if (!a.ok() || a.positional().size() != 1 || !a.value("--out")) {
        printErr(a.ok() ? QStringLiteral("usage: daviduv-cli %1").arg(QString::fromUtf8(kRenderCommand.usage)) : a.error());
        return kExitError;
    }
    const auto plan = planFromFile(a.positional().first());
    if (!plan) return kExitError;
    if (plan->scaled.isNull()) {
        printErr(QStringLiteral("the background is 0 columns wide (MainDpi of Config.ini)"));
        return kExitError;
    }
    if (const QString reason = writePngAtomically(*a.value("--out"), plan->scaled); !reason.isEmpty()) {
        printErr(QStringLiteral("cannot write %1: %2").arg(*a.value("--out"), reason));
        return kExitError;
    }
    printOut(QStringLiteral("%1 %2").arg(plan->scaled.width()).arg(plan->scaled.height()));
    return kExitOk;
}

int send(const QStringList& argv) {
    const CliArgs args(argv, kLinkValueOptions, {});
    LinkOptions options;
    if (!readLinkOptions(args, options, 1)) return kExitError;
    const auto plan = planFromFile(args.positional().first());
    if (!plan) return kExitError;
    const int code = runOnPort(options, [&](SerialPort& port, LinkReporter& reporter, int quietMs) {
        return sendMessage(port, reporter, *plan, quietMs);
    });
    if (code == kExitOk) printOut(kSendSucceeded);
    return code;
}

} // namespace

const CliCommand kSendCommand{"send", "send FILE.spt --port PORT [--baud 9600|57600|115200]\n"
                                      "      sends the template to the printer", send};
const CliCommand kRenderCommand{"render", "render FILE.spt --out FILE.png\n"
                                          "      writes the background a send would pack, W' x 128, 1 bit", render};
