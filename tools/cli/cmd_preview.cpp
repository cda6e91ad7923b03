// preview: what the printer prints for its next prints at a given time, from
// the frames a send of the template would emit.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/TemplatePlan.h"
#include "common/AtomicWrite.h"
#include "common/NumberText.h"
#include "link/SendMessage.h"
#include "printsim/PrintPreview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr int kMostPrints = 100;

QString usage() {
    return QStringLiteral("usage: daviduv-cli %1").arg(QString::fromUtf8(kPreviewCommand.usage));
}

// One line per print: its number and the value of each kind, "-" for none.
QString describePrint(int number, const PreviewPrint& print) {
    QStringList words{QString::number(number)};
    for (const QString& value : print.values) words << (value.isEmpty() ? QStringLiteral("-") : value);
    QString line = words.join(QLatin1Char('\t'));
    if (!print.problems.isEmpty()) line += QStringLiteral("\t(") + print.problems.join(QStringLiteral("; ")) + ')';
    return line;
}

// The same as one JSON object: {"print":1,"values":[date, expiry, serial number, shift],"problems":[...]}.
QString printJson(int number, const PreviewPrint& print) {
    QJsonArray values;
    for (const QString& value : print.values) values.append(value);
    const QJsonObject o{
        {"print", number}, {"values", values}, {"problems", QJsonArray::fromStringList(print.problems)}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

int preview(const QStringList& argv) {
    const CliArgs args(argv, {"--at", "--count", "--out"}, {"--json"});
    if (!args.ok()) return printErr(args.error()), kExitError;
    if (args.positional().size() != 1 || !args.value("--at") || !args.value("--out"))
        return printErr(usage()), kExitError;
    const QDateTime at = QDateTime::fromString(*args.value("--at"), QStringLiteral("yyyy-MM-dd hh:mm"));
    if (!at.isValid()) return printErr(QStringLiteral("--at needs a time as \"YYYY-MM-DD hh:mm\"")), kExitError;
    const std::optional<int> count =
        args.value("--count") ? decimalInRange(*args.value("--count"), 1, kMostPrints) : std::optional<int>(1);
    if (!count)
        return printErr(QStringLiteral("--count needs a whole number from 1 to %1").arg(kMostPrints)), kExitError;

    const auto plan = planFromFile(args.positional().first());
    if (!plan) return kExitError;
    const PrintPreview preview = previewPrints(messageFrames(*plan), at, *count);
    if (!preview.problem.isEmpty()) return printErr(preview.problem), kExitError;
    const QImage& sheet = preview.sheet;
    if (sheet.isNull()) return printErr(QStringLiteral("the printer prints nothing for this template")), kExitError;
    if (const QString reason = writePngAtomically(*args.value("--out"), sheet, Links::Refuse); !reason.isEmpty())
        return printErr(QStringLiteral("cannot write %1: %2").arg(*args.value("--out"), reason)), kExitError;
    const bool json = args.flag("--json");
    for (int i = 0; i < preview.prints.size(); ++i)
        printOut(json ? printJson(i + 1, preview.prints[i]) : describePrint(i + 1, preview.prints[i]));
    return kExitOk;
}
} // namespace

const CliCommand kPreviewCommand{
    "preview",
    "preview FILE.spt --at \"YYYY-MM-DD hh:mm\" [--count N] --out FILE.png [--json]\n"
    "      writes what the printer prints for its next N prints (1 to 100, default 1) at that time,\n"
    "      one under another 8 white rows apart; a line per print: number, date, expiry,\n"
    "      serial number, shift (\"-\" for none)",
    preview};
