// Barcodes are decoded (zxing-cpp) in the background a send packs.
#include "link/BarcodeVerification.h"
#include "link/MessageRender.h"
#include "model/FieldPlacement.h"

#include <gtest/gtest.h>

namespace {
QList<BarcodeCheck> checkAt(int type, const char* caption, int module, const QString& resolution) {
    MessageTemplate message;
    Barcode& barcode = *placeField(message, csBarCode, 10, 0).asBarcode();
    barcode.SetBar_CodeType(type);
    barcode.SetBar_ModuleWidth(module);
    barcode.SetBar_Caption(caption);
    const MessagePlan plan = planMessage(message, {1000, 1, resolution, {resolution}, 1});
    return verifyBarcodes(message, 1000, plan.scaled);
}
} // namespace

// At "200dpi" the background is sent as drawn; every symbology zxing-cpp reads
// must read back as the data a scanner reports (the decoder's own output for
// these symbols, its published behaviour: check digits kept for EAN/UPC/ITF,
// dropped for Code 128, Codabar start/stop letters kept on request).
TEST(BarcodeVerification, EachReadableSymbologyReadsBackAtTwoHundredDpi) {
    const struct {
        int type;
        const char* caption;
        const char* data;
    } rows[] = {
        {EAN_13, "690123456789", "6901234567892"}, // check digit 2, worked by hand
        {UPC_E, "0123456", "00123457"},            // number system 0, six digits, check 7
        {CODE39, "ABC123", "ABC123"},
        {CODE25iP, "12345", "123450"}, // weights 4, 9: 4+18+12+36+20 = 90, check 0
        {CODE128_A, "ABC123", "ABC123"},
        {CODE128_C, "123456", "123456"},
        {Codabar, "A1234B", "A1234B"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.caption);
        const QList<BarcodeCheck> checks = checkAt(r.type, r.caption, SC0, QStringLiteral("200dpi"));
        ASSERT_EQ(checks.size(), 1);
        EXPECT_EQ(checks[0].expected, r.data);
        EXPECT_EQ(checks[0].decoded, r.data);
        EXPECT_EQ(checks[0].verdict, BarcodeVerdict::Readable);
    }
}

// Measured: at "100dpi" the columns are squeezed two into one, so a one-dot
// module of SC0 merges with its neighbour; from SC5 on the modules survive.
TEST(BarcodeVerification, SmallModulesAreFlaggedWhenSqueezedToHalf) {
    const QList<BarcodeCheck> squeezed = checkAt(EAN_13, "690123456789", SC0, QStringLiteral("100dpi"));
    ASSERT_EQ(unreadableBarcodes(squeezed).size(), 1);
    EXPECT_EQ(describeCheck(squeezed[0]), "ControlNo0 EAN_13 6901234567892: not readable");
    EXPECT_EQ(checkAt(EAN_13, "690123456789", SC5, QStringLiteral("100dpi"))[0].verdict, BarcodeVerdict::Readable);
    EXPECT_EQ(checkAt(MSI_Plessey, "1234", SC0, QStringLiteral("100dpi"))[0].verdict, BarcodeVerdict::NotVerifiable);
}
