#include "link/BarcodeVerification.h"

#include "common/MonoImage.h"

#define ZX_USE_UTF8 // text() as UTF-8
#include <ZXing/ReadBarcode.h>

namespace {

constexpr int kQuietZone = 24; // white dots around the cut-out: more than ten modules of the widest symbol

const char* const kTypeNames[] = {"EAN_8",       "EAN_13",   "UPC_A",     "UPC_E",      "CODE39",
                                  "CODE25i",     "CODE25iP", "CODE128_A", "CODE128_B",  "CODE128_C",
                                  "MSI_Plessey", "Codabar",  "Postnet",   "Postnet_FIM"};

std::optional<ZXing::BarcodeFormat> decoderFor(int type) {
    switch (type) {
    case EAN_8: return ZXing::BarcodeFormat::EAN8;
    case EAN_13: return ZXing::BarcodeFormat::EAN13;
    case UPC_A: return ZXing::BarcodeFormat::UPCA;
    case UPC_E: return ZXing::BarcodeFormat::UPCE;
    case CODE39: return ZXing::BarcodeFormat::Code39;
    case CODE25i:
    case CODE25iP: return ZXing::BarcodeFormat::ITF;
    case CODE128_A:
    case CODE128_B:
    case CODE128_C: return ZXing::BarcodeFormat::Code128;
    case Codabar: return ZXing::BarcodeFormat::Codabar;
    default: return std::nullopt; // MSI, POSTNET
    }
}

// Code 128's symbol text is one character per symbol value (the character's
// code less 32): start, data, check, stop. The data as a reader reports it:
// set C gives each value as a digit pair; set A puts control characters at
// values 64 to 95; set B is the characters themselves.
QString code128Data(const QString& symbol, int type) {
    QString data;
    for (qsizetype i = 1; i + 2 < symbol.size(); ++i) {
        const int value = symbol[i].unicode() - 32;
        if (type == CODE128_C) data += QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
        else if (type == CODE128_A && value >= 64) data += QChar(value - 64);
        else data += QChar(value + 32);
    }
    return data;
}

// The symbol's data as a scanner reports it, from the symbol text: Code 39
// without its * start and stop, UPC-E with its number system 0 in front.
QString expectedText(const Barcode& barcode) {
    QString text = QString::fromLatin1(barcode.symbolText());
    switch (barcode.Bar_CodeType()) {
    case CODE39:
        if (text.size() >= 2 && text.startsWith('*') && text.endsWith('*')) text = text.mid(1, text.size() - 2);
        return text;
    case UPC_E: return text.size() == 7 ? QStringLiteral("0") + text : text;
    case CODE128_A:
    case CODE128_B:
    case CODE128_C: return code128Data(text, barcode.Bar_CodeType());
    default: return text;
    }
}

// Columns [first, last) of the scaled background that hold dots of canvas
// columns [x, x + width) - the inverse of the column scaling of a send.
std::pair<int, int> scaledColumns(int x, int width, int canvasWidth, int scaledWidth) {
    const qint64 first = qint64(x) * scaledWidth / canvasWidth;
    const qint64 last = (qint64(x + width) * scaledWidth + canvasWidth - 1) / canvasWidth;
    return {int(first), int(last)};
}

QString decode(const QImage& scaled, const QRect& region, ZXing::BarcodeFormat format) {
    QImage grey(region.width() + 2 * kQuietZone, region.height() + 2 * kQuietZone, QImage::Format_Grayscale8);
    grey.fill(255);
    for (int y = 0; y < region.height(); ++y)
        for (int x = 0; x < region.width(); ++x)
            if (mono::dot(scaled, region.x() + x, region.y() + y)) grey.setPixel(x + kQuietZone, y + kQuietZone, 0);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setReturnCodabarStartEnd(true); // Codabar's symbol text keeps its start and stop letters
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? QString::fromStdString(result.text()) : QString();
}

} // namespace

QString readBarcodeRegion(const QImage& picture, const QRect& region, int type) {
    const std::optional<ZXing::BarcodeFormat> format = decoderFor(type);
    return format && !region.isEmpty() ? decode(picture, region, *format) : QString();
}

QList<BarcodeCheck> verifyBarcodes(const MessageTemplate& message, int canvasWidth, const QImage& scaled) {
    QList<BarcodeCheck> checks;
    const QImage strip = mono::normalized(scaled);
    for (const FieldElement* e : message.addressable()) {
        if (!e->isBarcode()) continue;
        const Barcode& barcode = *e->asBarcode();
        BarcodeCheck check;
        check.element = e->name();
        const int type = barcode.Bar_CodeType();
        check.type = QString::fromLatin1(type >= 0 && type < kBarcodeTypeCount ? kTypeNames[type] : "?");
        check.expected = expectedText(barcode);
        const std::optional<ZXing::BarcodeFormat> format = decoderFor(type);
        if (format && canvasWidth > 0) {
            const QPoint at = e->templatePos();
            const auto [first, last] = scaledColumns(at.x(), e->Width(), canvasWidth, strip.width());
            const QRect region = QRect(first, at.y(), last - first, e->Height()).intersected(strip.rect());
            check.decoded = region.isEmpty() ? QString() : decode(strip, region, *format);
            check.verdict = check.decoded == check.expected ? BarcodeVerdict::Readable : BarcodeVerdict::Unreadable;
        }
        checks << check;
    }
    return checks;
}

QList<BarcodeCheck> unreadableBarcodes(const QList<BarcodeCheck>& checks) {
    QList<BarcodeCheck> failed;
    for (const BarcodeCheck& c : checks)
        if (c.verdict == BarcodeVerdict::Unreadable) failed << c;
    return failed;
}

QString describeCheck(const BarcodeCheck& c) {
    const QString head = QStringLiteral("%1 %2 %3: ").arg(c.element, c.type, c.expected);
    switch (c.verdict) {
    case BarcodeVerdict::Readable: return head + QStringLiteral("readable");
    case BarcodeVerdict::NotVerifiable: return head + QStringLiteral("not verifiable (no decoder for this symbology)");
    default:
        return head + (c.decoded.isEmpty() ? QStringLiteral("not readable")
                                           : QStringLiteral("not readable (read as %1)").arg(c.decoded));
    }
}
