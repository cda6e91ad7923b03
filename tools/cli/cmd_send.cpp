// send and render: a .spt file opened as the editor opens it (its template
// number and resolution are the ones sent; the per-user store is not touched),
// Config.ini beside the program giving the resolution list and the send mode.
#include "common/AppSettings.h"
#include "barcode/Barcode.h"
#include "cli/CliLink.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "model/FieldError.h"
#include "link/MessageRender.h"
#include "link/SendMessage.h"
#include "link/SendRefused.h"
#include "link/TransactionLog.h"
#include "editor/TemplateFile.h"

#include <QFileInfo>

namespace {

// Opens the file and plans the send; prints the reason (also kept in
// *failure) and returns nothing on failure.
std::optional<MessagePlan> planFromFile(const QString& path, QString* failure = nullptr) {
    const auto fail = [failure](const QString& reason) {
        printErr(reason);
        if (failure) *failure = reason;
        return std::nullopt;
    };
    if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable())
        return fail(QStringLiteral("cannot read %1").arg(path));
    AppSettings app;
    readConfigIni(app, configIniPath());
    try {
        MessageTemplate message;
        TemplateAttributes attributes;
        loadTemplate(message, path, [&](const TemplateAttributes& a) { attributes = a; });
        return planMessage(message, {attributes.width, attributes.moBan, attributes.zoom, app.dpiList, app.mainDpi});
    } catch (const std::exception& e) { // BarcodeError, FieldError, SendRefused: the element's own text
        return fail(QString::fromUtf8(e.what()));
    }
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
    if (!plan->scaled.save(*a.value("--out"), "PNG")) {
        printErr(QStringLiteral("cannot write %1").arg(*a.value("--out")));
        return kExitError;
    }
    printOut(QStringLiteral("%1 %2").arg(plan->scaled.width()).arg(plan->scaled.height()));
    return kExitOk;
}

int send(const QStringList& argv) {
    const CliArgs args(argv, kLinkValueOptions, {});
    LinkOptions options;
    if (!readLinkOptions(args, options, 1)) return kExitError;
    const QString path = QFileInfo(args.positional().first()).absoluteFilePath();
    QString refusal;
    const auto plan = planFromFile(args.positional().first(), &refusal);
    if (!plan) {
        recordRefusedSend(options.port, options.baud, path, refusal);
        return kExitError;
    }
    const TransactionLabel label(QStringLiteral("send"), path);
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
