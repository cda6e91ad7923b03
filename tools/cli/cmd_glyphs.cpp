// glyphs: the standard glyph sets or custom glyphs, sent to the printer as
// the editor's glyph window sends them, or written to a file. The 16-dot
// standard set is also kept in "Code-16", as the editor keeps it.
#include "cli/CliLink.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/AppSettings.h"
#include "glyphs/Code16File.h"
#include "glyphs/GlyphPayloads.h"
#include "glyphs/StandardGlyphs.h"
#include "link/GlyphSend.h"

namespace {

const QStringList kGlyphValueOptions =
    kLinkValueOptions + QStringList{"--custom", "--height", "--dpi", "--font", "--direction", "--out"};

// Height rows of the standard set: one height or "all".
std::optional<QList<int>> standardRows(const QString& text) {
    if (text == QLatin1String("all")) return QList<int>{0, 1, 2, 3, 4, 5};
    for (int row = 0; row < kStandardHeightCount; ++row)
        if (text == QString::number(standardGlyphHeights()[size_t(row)])) return QList<int>{row};
    return std::nullopt;
}

std::optional<QList<GlyphPayload>> standardFromArgs(const CliArgs& args) {
    const std::optional<QList<int>> rows = standardRows(args.value("--height").value_or(QString()));
    if (!rows) return printErr(QStringLiteral("--height must be 16, 32, 48, 64, 96, 128 or all")), std::nullopt;
    const QString dpi = args.value("--dpi").value_or(QStringLiteral("200dpi"));
    const qsizetype position = standardDpiEntries().indexOf(dpi);
    if (position < 0) return printErr(QStringLiteral("--dpi must be 100dpi, 200dpi, 300dpi or 400dpi")), std::nullopt;
    return standardPayloads(*rows, int(position) + 1, args.value("--font").value_or(QStringLiteral("宋体")),
                            [](const QByteArray& bytes) { writeCode16(bytes); });
}

// The resolution list of Config.ini beside the program; --dpi picks an entry,
// else the second (the only one when the list has one), as the window does.
std::optional<QList<GlyphPayload>> customFromArgs(const CliArgs& args) {
    bool ok = false;
    const int height = args.value("--height").value_or(QString()).toInt(&ok);
    if (!ok || height < 8 || height > 128 || height % 8 != 0)
        return printErr(QStringLiteral("--height must be 8 to 128 in steps of 8")), std::nullopt;
    const QString direction = args.value("--direction").value_or(QString());
    if (direction != QLatin1String("vertical") && direction != QLatin1String("horizontal"))
        return printErr(QStringLiteral("--direction must be vertical or horizontal")), std::nullopt;
    AppSettings app;
    readConfigIni(app, configIniPath());
    int position = app.dpiList.size() > 1 ? 2 : 1;
    if (const auto dpi = args.value("--dpi")) {
        position = int(app.dpiList.indexOf(*dpi)) + 1;
        if (position == 0)
            return printErr(QStringLiteral("--dpi must be one of the resolutions of Config.ini: %1")
                                .arg(app.dpiList.join(QStringLiteral(", ")))),
                   std::nullopt;
    }
    return QList<GlyphPayload>{
        customPayload({*args.value("--custom"), args.value("--font").value_or(QStringLiteral("宋体")), height / 8,
                       direction == QLatin1String("horizontal"), app.dpiList, position})};
}

int runGlyphs(const QStringList& argv) {
    const CliArgs args(argv, kGlyphValueOptions, kLinkFlags + QStringList{"--standard"});
    if (!args.ok()) return printErr(args.error()), kExitError;
    if (args.flag("--standard") == args.value("--custom").has_value())
        return printErr(QStringLiteral("give either --standard or --custom TEXT")), kExitError;
    const std::optional<QString> out = args.value("--out");
    if (out.has_value() == args.value("--port").has_value())
        return printErr(QStringLiteral("give either --port PORT to send or --out FILE to write the payload")),
               kExitError;
    LinkOptions options;
    if (!out && !readLinkOptions(args, options)) return kExitError;
    if (out && !args.positional().isEmpty())
        return printErr(QStringLiteral("unexpected argument '%1'").arg(args.positional().first())), kExitError;
    try {
        const auto payloads = args.flag("--standard") ? standardFromArgs(args) : customFromArgs(args);
        if (!payloads) return kExitError;
        if (out) {
            QByteArray all;
            for (const GlyphPayload& p : *payloads) all += p.bytes;
            writePayloadFile(*out, all);
            printOut(QStringLiteral("%1 bytes written to %2").arg(all.size()).arg(*out));
            return kExitOk;
        }
        return runOnPort(options, [&](SerialPort& port, LinkReporter& reporter, ReplyTiming timing) {
            return sendGlyphPayloads(port, reporter, *payloads, timing);
        });
    } catch (const GlyphRefused& e) {
        printErr(e.text());
        return kExitError;
    }
}

} // namespace

const CliCommand kGlyphsCommand{
    "glyphs",
    "glyphs --standard --height 16|32|48|64|96|128|all [--dpi 100dpi|200dpi|300dpi|400dpi] [--font NAME]\n"
    "       (--port PORT [--port PORT...] [--baud ...] [--fast-ack] [--json] | --out FILE)\n"
    "glyphs --custom TEXT --height 8..128 --direction vertical|horizontal [--dpi ENTRY] [--font NAME]\n"
    "       (--port PORT [--port PORT...] [--baud ...] [--fast-ack] [--json] | --out FILE)\n"
    "      renders glyphs from a font (default 宋体; 岱霖字体1 and 岱霖字体2 name the printer faces) and "
    "sends\n"
    "      them, or writes the payload (all heights one after the other); TEXT items are separated by ^;\n"
    "      ENTRY is a resolution of Config.ini; the 16-dot standard set is also kept in Code-16",
    runGlyphs};
