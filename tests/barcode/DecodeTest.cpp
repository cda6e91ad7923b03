// Every symbology that ZXing-C++ reads, drawn by the element at several module
// widths and in all four rotations, is decoded back to the expected text.
#include "barcode/Barcode.h"
#include "barcode/BarcodeLayout.h"
#include "common/MonoImage.h"

#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <set>

namespace {

using ZXing::BarcodeFormat;

struct Sample {
    int line;
    int type;
    QByteArray caption;
    std::string decoded;
    BarcodeFormat format;
    const char* source;
};

const Sample kSamples[] = {
    {__LINE__, EAN_8, "1234567", "12345670", BarcodeFormat::EAN8, "check digit 0"},
    {__LINE__, EAN_13, "1234567890128", "1234567890128", BarcodeFormat::EAN13, "caption is a valid EAN-13"},
    {__LINE__, EAN_13, "9780201379624", "9780201379624", BarcodeFormat::EAN13, "ISBN; first digit 9: ABBABA"},
    {__LINE__, UPC_A, "03600029145", "036000291452", BarcodeFormat::UPCA, "check digit 2"},
    {__LINE__, UPC_E, "123456", "01234565", BarcodeFormat::UPCE, "number system 0, check 5"},
    {__LINE__, CODE39, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%",
     BarcodeFormat::Code39, "the whole character set"},
    {__LINE__, CODE25i, "1234567", "12345670", BarcodeFormat::ITF, "check 0 added to the odd length"},
    {__LINE__, CODE25i, "9876543210", "9876543210", BarcodeFormat::ITF, "every digit as bars and as spaces"},
    {__LINE__, CODE25iP, "12345", "123450", BarcodeFormat::ITF, "weights 4,9: check 0"},
    {__LINE__, CODE128_A, "HELLO 128", "HELLO 128", BarcodeFormat::Code128, "set A"},
    {__LINE__, CODE128_B, " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNO",
     " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNO", BarcodeFormat::Code128, "values 0 to 47"},
    {__LINE__, CODE128_B, "PQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~",
     "PQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~", BarcodeFormat::Code128, "values 48 to 94"},
    {__LINE__, CODE128_C, "12345", "12345", BarcodeFormat::Code128, "pairs, CODE A, the last digit"},
    {__LINE__, Codabar, "123", "A123A", BarcodeFormat::Codabar, "A added at both ends"},
    {__LINE__, Codabar, "b0123456789-$:/.+c", "B0123456789-$:/.+C", BarcodeFormat::Codabar, "the whole set"},
    {__LINE__, Codabar, "d56d", "D56D", BarcodeFormat::Codabar, "start and stop D (the decoder wants four characters)"},
};

// The element's picture on a white margin (the quiet zone the printed strip gives it), as grey bytes.
std::string decode(const QImage& picture, int margin, ZXing::BarcodeFormats format, BarcodeFormat* found) {
    QImage grey(picture.width() + 2 * margin, picture.height() + 2 * margin, QImage::Format_Grayscale8);
    grey.fill(255);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (mono::dot(picture, x, y)) grey.setPixel(x + margin, y + margin, 0);
    ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                          static_cast<int>(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setReturnCodabarStartEnd(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    *found = result.format();
    return result.isValid() ? result.text() : std::string("<not read>");
}

} // namespace

TEST(BarcodeDecode, EveryReadableSymbologyRoundTrips) {
    for (const Sample& s : kSamples) {
        for (int size : {SC0, SC5, SC11}) {
            for (int rotation : {rotate_000, rotate_090, rotate_180, rotate_270}) {
                SCOPED_TRACE(testing::Message() << "sample at line " << s.line << " (" << s.source << "), SC" << size
                                                << ", rotation " << rotation);
                Barcode b;
                b.SetBar_CodeType(s.type);
                b.SetBar_Caption(s.caption);
                b.SetBar_ModuleWidth(size);
                b.SetBar_Rotation(rotation);
                BarcodeFormat found = BarcodeFormat::None;
                EXPECT_EQ(decode(b.picture(), 12 * modulePixels(size), s.format, &found), s.decoded);
                EXPECT_EQ(found, s.format);
            }
        }
    }
}

TEST(BarcodeDecode, Code128SetCEveryPair) {
    // 00 to 99 in five captions of 40 digits.
    for (int first = 0; first < 100; first += 20) {
        QByteArray caption;
        for (int v = first; v < first + 20; ++v) caption += QByteArray::number(v).rightJustified(2, '0');
        SCOPED_TRACE(caption.toStdString());
        Barcode b;
        b.SetBar_CodeType(CODE128_C);
        b.SetBar_Caption(caption);
        BarcodeFormat found = BarcodeFormat::None;
        EXPECT_EQ(decode(b.picture(), 20, BarcodeFormat::Code128, &found), caption.toStdString());
    }
}

TEST(BarcodeDecode, UpcEEveryParityPattern) {
    // Captions chosen until every check digit, and so every parity pattern, has been drawn; the
    // decoder recomputes the check digit from the parity it reads.
    std::set<char> checks;
    for (int n = 100000; n < 100200 && checks.size() < 10; ++n) {
        Barcode b;
        b.SetBar_CodeType(UPC_E);
        b.SetBar_Caption(QByteArray::number(n));
        const std::string symbol = b.symbolText().toStdString();
        if (!checks.insert(symbol.back()).second) continue;
        BarcodeFormat found = BarcodeFormat::None;
        EXPECT_EQ(decode(b.picture(), 20, BarcodeFormat::UPCE, &found), "0" + symbol);
    }
    EXPECT_EQ(checks.size(), 10u);
}

TEST(BarcodeDecode, Ean13EveryFirstDigit) {
    for (char first = '0'; first <= '9'; ++first) {
        Barcode b;
        b.SetBar_CodeType(EAN_13);
        b.SetBar_Caption(QByteArray(1, first) + "20406080135");
        BarcodeFormat found = BarcodeFormat::None;
        const std::string symbol = b.symbolText().toStdString();
        const BarcodeFormat want = first == '0' ? BarcodeFormat::UPCA : BarcodeFormat::EAN13;
        const std::string text = decode(b.picture(), 20, BarcodeFormat::EAN13 | BarcodeFormat::UPCA, &found);
        // A leading 0 is a UPC-A symbol to the decoder, read without that 0.
        EXPECT_EQ(text, first == '0' ? symbol.substr(1) : symbol) << first;
        EXPECT_EQ(found, want);
    }
}
