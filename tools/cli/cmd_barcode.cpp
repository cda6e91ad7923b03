// barcode: draws one barcode element to a 1-bit PNG, as the editor would.
#include "barcode/Barcode.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/AtomicWrite.h"
#include "common/Gbk.h"
#include "common/NumberText.h"

#include <optional>

namespace {

struct BarcodeOptions {
    int type = 0;
    QByteArray caption;
    int module = SC2;
    int height = 100;
    int rotation = rotate_000;
    bool text = true;
    QString out;
};

// "SC0".."SC14" (either case) as 0..14.
std::optional<int> moduleNumber(const QString& text) {
    if (!text.startsWith(QLatin1String("SC"), Qt::CaseInsensitive)) return std::nullopt;
    return decimalInRange(text.mid(2), SC0, SC14);
}

// 0, 90, 180, 270 as rotate_000..rotate_270.
std::optional<int> rotationIndex(const QString& text) {
    const auto degrees = decimalInRange(text, 0, 270);
    if (!degrees || *degrees % 90 != 0) return std::nullopt;
    return *degrees / 90;
}

// Symbol texts are ASCII but for the Code 128 symbol bytes; those are written as \xNN.
QString printable(const QByteArray& bytes) {
    QString out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 32 && b < 127 && b != '\\') out += QChar(b);
        else out += QStringLiteral("\\x%1").arg(b, 2, 16, QChar('0'));
    }
    return out;
}

// Reads the options; on a bad one, returns the message for standard error.
QString readOptions(const CliArgs& args, BarcodeOptions& o) {
    if (!args.ok()) return args.error();
    const auto type = args.value("--type");
    const auto caption = args.value("--caption");
    const auto out = args.value("--out");
    if (!type || !caption || !out) return QStringLiteral("barcode needs --type, --caption and --out");
    o.type = static_cast<int>(barcodeTypeNames().indexOf(*type));
    if (o.type < 0)
        return QStringLiteral("unknown barcode type '%1'; one of: %2").arg(*type, barcodeTypeNames().join(' '));
    o.caption = gbk::encode(*caption);
    o.out = *out;
    o.text = !args.flag("--no-text");
    if (const auto m = args.value("--module")) {
        const auto n = moduleNumber(*m);
        if (!n) return QStringLiteral("--module must be SC0..SC14, not '%1'").arg(*m);
        o.module = *n;
    }
    if (const auto h = args.value("--height")) {
        const auto height = decimalInRange(*h, 20, 200);
        if (!height) return QStringLiteral("--height must be 20..200 (percent), not '%1'").arg(*h);
        o.height = *height;
    }
    if (const auto r = args.value("--rotation")) {
        const auto n = rotationIndex(*r);
        if (!n) return QStringLiteral("--rotation must be 0, 90, 180 or 270, not '%1'").arg(*r);
        o.rotation = *n;
    }
    return {};
}

int runBarcode(const QStringList& list) {
    const CliArgs args(list, {"--type", "--caption", "--module", "--height", "--rotation", "--out"}, {"--no-text"});
    BarcodeOptions o;
    if (const QString error = readOptions(args, o); !error.isEmpty()) {
        printErr(error);
        return kExitError;
    }
    Barcode element;
    try {
        element.SetBar_ModuleWidth(o.module);
        element.SetBar_HeightPercent(o.height);
        element.SetBar_Rotation(o.rotation);
        element.SetBar_HumanReadable(o.text);
        element.SetBar_Caption(o.caption);
        element.SetBar_CodeType(o.type); // last: the default type draws every caption
    } catch (const BarcodeError& e) {    // the options were checked: what is left is the caption's
        printErr(QStringLiteral("--caption: ") + e.text());
        return kExitError;
    }
    if (const QString reason = writePngAtomically(o.out, element.picture(), Links::Refuse); !reason.isEmpty()) {
        printErr(QStringLiteral("cannot write %1: %2").arg(o.out, reason));
        return kExitError;
    }
    printOut(
        QStringLiteral("%1 %2 %3").arg(element.Width()).arg(element.Height()).arg(printable(element.symbolText())));
    return kExitOk;
}

} // namespace

const CliCommand kBarcodeCommand{"barcode",
                                 "barcode --type NAME --caption TEXT [--module SC0..SC14] [--height 20..200]\n"
                                 "          [--rotation 0|90|180|270] [--no-text] --out FILE.png\n"
                                 "          prints \"WIDTH HEIGHT SYMBOLTEXT\" (bytes outside ASCII as \\xNN)",
                                 runBarcode};
