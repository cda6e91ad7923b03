// send and render: a .spt file opened as the editor opens it (its template
// number and resolution are the ones sent; the per-user store is not touched),
// Config.ini beside the program giving the resolution list and the send mode.
#include "barcode/Barcode.h"
#include "cli/CliLink.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/TemplatePlan.h"
#include "common/AppSettings.h"
#include "common/AtomicWrite.h"
#include "common/IniFile.h"
#include "editor/TemplateFile.h"
#include "editor/TemplateSettings.h"
#include "link/BarcodeVerification.h"
#include "link/MessageRender.h"
#include "link/SendMessage.h"
#include "link/SendRefused.h"
#include "link/TransactionLog.h"
#include "model/FieldError.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

std::optional<MessagePlan> planFromFile(const QString& path, QString* failure, QList<BarcodeCheck>* checks,
                                        QList<FieldOutside>* outside, const QStringList& replacements) {
    const auto fail = [failure](const QString& reason) {
        printErr(reason);
        if (failure) *failure = reason;
        return std::nullopt;
    };
    if (const QString reason = notATemplateReason(path); !reason.isEmpty()) return fail(reason);
    IniFile ini = IniFile::load(path);
    if (const QString reason = replaceTemplateValues(ini, replacements); !reason.isEmpty()) return fail(reason);
    AppSettings app;
    readConfigIni(app, configIniPath());
    try {
        MessageTemplate message;
        TemplateAttributes attributes;
        QStringList pictureProblems;
        loadTemplate(
            message, ini, QFileInfo(path).absolutePath(), [&](const TemplateAttributes& a) { attributes = a; },
            &pictureProblems);
        for (const QString& problem : pictureProblems) printErr(QStringLiteral("warning: ") + problem);
        MessagePlan plan = planMessage(
            message, {attributes.width, attributes.moBan, attributes.resolution, app.dpiList, app.widthMode});
        if (checks) *checks = verifyBarcodes(message, attributes.width, plan.scaled);
        if (outside) *outside = fieldsOutsidePrintArea(message, attributes.width);
        return plan;
    } catch (const OperatorError& e) { // BarcodeError, FieldError, SendRefused: the element's own text
        return fail(e.text());
    }
}

namespace {

int render(const QStringList& args) {
    const CliArgs a(args, {"--out"}, {});
    if (!a.ok() || a.positional().size() != 1 || !a.value("--out")) {
        printErr(a.ok() ? QStringLiteral("usage: daviduv-cli %1").arg(QString::fromUtf8(kRenderCommand.usage))
                        : a.error());
        return kExitError;
    }
    const auto plan = planFromFile(a.positional().first());
    if (!plan) return kExitError;
    if (plan->scaled.isNull()) {
        printErr(QStringLiteral("the background is 0 columns wide (MainDpi of Config.ini)"));
        return kExitError;
    }
    if (const QString reason = writePngAtomically(*a.value("--out"), plan->scaled, Links::Refuse); !reason.isEmpty()) {
        printErr(QStringLiteral("cannot write %1: %2").arg(*a.value("--out"), reason));
        return kExitError;
    }
    printOut(QStringLiteral("%1 %2").arg(plan->scaled.width()).arg(plan->scaled.height()));
    return kExitOk;
}

QString checkJson(const BarcodeCheck& c) {
    static const char* const verdicts[] = {"readable", "not readable", "not verifiable"};
    const QJsonObject o{{"element", c.element},
                        {"type", c.type},
                        {"expected", c.expected},
                        {"decoded", c.decoded},
                        {"verdict", verdicts[int(c.verdict)]}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

int verify(const QStringList& argv) {
    const CliArgs args(argv, {}, {QStringLiteral("--json")});
    if (!args.ok()) return printErr(args.error()), kExitError;
    if (args.positional().size() != 1)
        return printErr(QStringLiteral("usage: daviduv-cli %1").arg(QString::fromUtf8(kVerifyCommand.usage))),
               kExitError;
    QList<BarcodeCheck> checks;
    if (!planFromFile(args.positional().first(), nullptr, &checks)) return kExitError;
    const bool json = args.flag(QStringLiteral("--json"));
    for (const BarcodeCheck& check : checks) printOut(json ? checkJson(check) : describeCheck(check));
    return unreadableBarcodes(checks).isEmpty() ? kExitOk : kExitFailed;
}

int send(const QStringList& argv) {
    const CliArgs args(argv, kLinkValueOptions + QStringList{QStringLiteral("--set")},
                       kLinkFlags + QStringList{QStringLiteral("--strict")});
    LinkOptions options;
    if (!readLinkOptions(args, options, 1)) return kExitError;
    const QString path = QFileInfo(args.positional().first()).absoluteFilePath();
    const QStringList replacements = args.values(QStringLiteral("--set"));
    QString refusal;
    QList<BarcodeCheck> checks;
    QList<FieldOutside> outside;
    const auto plan = planFromFile(args.positional().first(), &refusal, &checks, &outside, replacements);
    const bool strict = args.flag(QStringLiteral("--strict"));
    for (const BarcodeCheck& check : unreadableBarcodes(checks)) {
        refusal = QStringLiteral("barcode not readable at this resolution: ") + describeCheck(check);
        printErr((strict ? QString() : QStringLiteral("warning: ")) + refusal);
    }
    for (const FieldOutside& field : outside) { // the parts beyond the 128-dot strip or the canvas are not printed
        refusal = QStringLiteral("outside the 128-dot print area: ") + field.label;
        printErr((strict ? QString() : QStringLiteral("warning: ")) + refusal);
    }
    if (!plan || (strict && !(unreadableBarcodes(checks).isEmpty() && outside.isEmpty()))) {
        for (const QString& port : options.ports) recordRefusedSend(port, options.baud, path, refusal, replacements);
        return kExitError;
    }
    const TransactionLabel label(QStringLiteral("send"), path, replacements);
    const int code = runOnPort(options, [&](SerialPort& port, LinkReporter& reporter, ReplyTiming timing) {
        return sendMessage(port, reporter, *plan, timing);
    });
    if (code == kExitOk && options.ports.size() == 1 && !options.json) printOut(sendSucceededText());
    return code;
}

} // namespace

const CliCommand kSendCommand{
    "send",
    "send FILE.spt --port PORT [--port PORT...] [--baud 9600|57600|115200] [--fast-ack] [--strict]\n"
    "          [--set SECTION.KEY=VALUE...] [--json]\n"
    "      sends the template to the printer (to several at once, one result line each); a barcode that\n"
    "      does not decode at the printer's resolution, or a field sticking out of the 128-dot print\n"
    "      area, is a warning, with --strict a refusal (exit 2); --set replaces a value of the file for\n"
    "      this send only (e.g. csStr0.UserValue=LOT-2412)",
    send};
const CliCommand kVerifyCommand{"verify",
                                "verify FILE.spt [--json]\n"
                                "      decodes each barcode as a send would pack it, a line per barcode;\n"
                                "      exit 0 when every verifiable one reads back, 1 otherwise",
                                verify};
const CliCommand kRenderCommand{"render",
                                "render FILE.spt --out FILE.png\n"
                                "      writes the background a send would pack, W' x 128, 1 bit",
                                render};
