// The fourteen symbologies with random types, module widths, ratios,
// rotations, heights and flags. An encoding either refuses the caption with
// one of the element's messages or yields a module row; where the decoder
// reads the symbology, the row reads back as the symbol text.
#include "FuzzSupport.h"

#include "barcode/Barcode.h"

#include <ZXing/ReadBarcode.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <QImage>
#include <algorithm>
#include <set>

namespace {

using ZXing::BarcodeFormat;

const std::set<std::string> kRefusals = {
    "String exceeds maximum length",
    "Bar_SC_Size must be in the range 0..14!",
    "Bar_Rotate must be in the range rotate_000..rotate_270!",
    "Bar_HeightPercent must be in the range 20..200!",
    "ZurazAZ: Code128 error",
    "Barcode: Unknown Type of Barcode",
};

bool allOf(const std::string& text, int low, int high) {
    return std::all_of(text.begin(), text.end(), [&](unsigned char c) { return c >= low && c <= high; });
}

// The text the decoder should read from the row, empty where it reads no such
// symbol (MSI, Postnet) or the symbol is outside what it accepts.
std::string expectedReading(int type, const std::string& caption, const std::string& symbol,
                            ZXing::BarcodeFormats& format) {
    switch (type) {
    case EAN_8: format = BarcodeFormat::EAN8; return symbol;
    case EAN_13: // a leading 0 makes a UPC-A symbol to the decoder
        format = BarcodeFormat::EAN13 | BarcodeFormat::UPCA;
        return symbol.size() == 13 && symbol[0] == '0' ? symbol.substr(1) : symbol;
    case UPC_A: format = BarcodeFormat::UPCA; return symbol;
    case UPC_E: format = BarcodeFormat::UPCE; return "0" + symbol;
    case CODE39: format = BarcodeFormat::Code39; return symbol.size() > 2 ? symbol.substr(1, symbol.size() - 2) : "";
    case CODE25i:
    case CODE25iP: format = BarcodeFormat::ITF; return symbol.size() >= 6 ? symbol : "";
    case CODE128_A: format = BarcodeFormat::Code128; return allOf(caption, 32, 95) ? caption : "";
    case CODE128_B: format = BarcodeFormat::Code128; return allOf(caption, 32, 126) ? caption : "";
    case CODE128_C: format = BarcodeFormat::Code128; return allOf(caption, '0', '9') ? caption : "";
    case Codabar: format = BarcodeFormat::Codabar; return symbol.size() >= 5 ? symbol : "";
    default: return "";
    }
}

// The module row drawn three pixels a module on a wide white margin.
std::string decodeRow(const std::vector<std::uint8_t>& modules, ZXing::BarcodeFormats format) {
    const int scale = 3, margin = 20 * scale, rows = 8;
    QImage grey(int(modules.size()) * scale + 2 * margin, rows, QImage::Format_Grayscale8);
    grey.fill(255);
    for (std::size_t m = 0; m < modules.size(); ++m)
        if (modules[m])
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < scale; ++x) grey.setPixel(margin + int(m) * scale + x, y, 0);
    ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                          int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setReturnCodabarStartEnd(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : std::string("<not read>");
}

void checkEncoding(const BarcodeParams& params) {
    SymbolEncoder encoder;
    encoder.params() = params;
    try {
        encoder.encode();
    } catch (const BarcodeError& e) {
        FUZZ_CHECK(kRefusals.count(e.what()), QStringLiteral("undocumented refusal: ") + e.what());
        return;
    }
    FUZZ_CHECK(encoder.moduleCount() > 0, QStringLiteral("an accepted caption gave no modules"));
    ZXing::BarcodeFormats format = BarcodeFormat::None;
    const std::string want = expectedReading(params.codeType, params.caption, encoder.symbolText(), format);
    if (want.empty()) return;
    const std::string read = decodeRow(encoder.Modules(), format);
    FUZZ_CHECK(read == want, QStringLiteral("type %1, caption '%2': the row reads '%3', not '%4'")
                                 .arg(params.codeType)
                                 .arg(QString::fromLatin1(params.caption.c_str()), QString::fromLatin1(read.c_str()),
                                      QString::fromLatin1(want.c_str())));
}

template <typename Set> void setOrRefuse(Set set) {
    try {
        set();
    } catch (const BarcodeError& e) {
        FUZZ_CHECK(kRefusals.count(e.what()), QStringLiteral("undocumented refusal: ") + e.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int type = in.ConsumeIntegralInRange(-1, kBarcodeTypeCount);
    const int moduleWidth = in.ConsumeIntegralInRange(-1, kBarcodeSizeCount);
    const int rotation = in.ConsumeIntegralInRange(-1, 4);
    const int height = in.ConsumeIntegralInRange(10, 210);
    const int ratio = in.ConsumeIntegralInRange(0, 1);
    const int fontScaling = in.ConsumeIntegralInRange(20, 200);
    const std::uint8_t flags = in.ConsumeIntegral<std::uint8_t>();
    const std::string caption = in.ConsumeRemainingBytesAsString();

    BarcodeParams params;
    params.codeType = std::uint8_t(std::clamp(type, 0, 255));
    params.moduleWidth = std::uint8_t(std::clamp(moduleWidth, 0, kBarcodeSizeCount - 1));
    params.ratio = std::uint8_t(ratio);
    params.caption = caption.substr(0, kMaxCaptionLength);
    checkEncoding(params);

    Barcode element;
    setOrRefuse([&] { element.SetBar_CodeType(type); });
    setOrRefuse([&] { element.SetBar_ModuleWidth(moduleWidth); });
    setOrRefuse([&] { element.SetBar_Rotation(rotation); });
    setOrRefuse([&] { element.SetBar_HeightPercent(height); });
    setOrRefuse([&] { element.SetBar_Ratio(ratio); });
    setOrRefuse([&] { element.SetBar_Fontscaling(fontScaling); });
    setOrRefuse([&] { element.SetBar_WidthReduce(flags & 1); });
    setOrRefuse([&] { element.SetBar_HighDensity(flags & 2); });
    setOrRefuse([&] { element.SetBar_ZoomSize(flags & 4); });
    setOrRefuse([&] { element.SetBar_HumanReadable(flags & 8); });
    setOrRefuse([&] { element.SetBar_Caption(QByteArray::fromStdString(caption)); });
    FUZZ_CHECK(element.picture().width() == element.Width() && element.picture().height() == element.Height(),
               QStringLiteral("the picture is not the element's size"));
    if (flags & 16) {
        setOrRefuse([&] { element.setAutoSize(false); });
        element.setBounds(3, 4, 1 + (flags >> 5) * 40, 1 + (flags >> 5) * 10);
    }
    return 0;
}
