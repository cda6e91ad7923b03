// Symbol texts, module rows and check digits of the symbologies. Module rows
// are written out piece by piece from the published tables (EAN/UPC ISO/IEC
// 15420, Code 39 ISO/IEC 16388, interleaved 2 of 5 ISO/IEC 16390, Codabar,
// POSTNET/FIM USPS Publication 25, MSI bits), worked by hand.
#include "barcode/CheckDigits.h"
#include "barcode/SymbolEncoder.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    int line;
    int type;
    std::string caption;
    std::string symbol;
    std::string modules; // empty: not checked here (decoded by zxing instead)
    const char* source;
};

SymbolEncoder encoded(int type, const std::string& caption) {
    SymbolEncoder ll;
    ll.params().codeType = static_cast<std::uint8_t>(type);
    ll.params().caption = caption;
    ll.encode();
    return ll;
}

// Code 39 characters with their gap: b s b s b s b s b (wide = 3) then a narrow space.
const std::string kC39Star = "100010111011101"
                             "0"; // * 010010100
const std::string kC39A = "111010100010111"
                          "0"; // A 100001001
const std::string kC39Zero = "101000111011101"
                             "0"; // 0 000110100
// Codabar characters with their gap (wide = 3).
const std::string kCbA = "1011100010001"
                         "0"; // A 0011010
const std::string kCb1 = "10101110001"
                         "0"; // 1 0000110
const std::string kCb2 = "10100010111"
                         "0"; // 2 0001001
const std::string kCb3 = "11100010101"
                         "0"; // 3 1100000
// MSI bits: 1 = bar 3 space 1, 0 = bar 1 space 3.
const std::string kM1 = "1110", kM0 = "1000";

const Row kRows[] = {
    {__LINE__, EAN_13, "1234567890128", "1234567890128",
     "101"
     "0010011"
     "0111101"
     "0011101"
     "0110001"
     "0000101"
     "0010001" // 2A 3A 4B 5A 6B 7B (parity AABABB)
     "01010"
     "1001000"
     "1110100"
     "1110010"
     "1100110"
     "1101100"
     "1001000"
     "101", // right 890128
     "EAN-13 tables, worked by hand"},
    {__LINE__, EAN_13, "12345", "1234500000003", "", "padded to 12; weighted sum 27 gives 3"},
    {__LINE__, EAN_13, "1234567890120", "1234567890128", "", "own 13th digit replaced by the computed one"},
    {__LINE__, EAN_13, "12a4", "1204000000001", "", "non-digit becomes 0; 1+6+0+12 = 19 gives 1"},
    {__LINE__, EAN_8, "1234567890128", "12345670",
     "101"
     "0011001"
     "0010011"
     "0111101"
     "0100011"
     "01010"
     "1001110"
     "1010000"
     "1000100"
     "1110010"
     "101",
     "first 7 digits, sum 60 gives 0; set A left, right-hand set right"},
    {__LINE__, UPC_A, "03600029145", "036000291452",
     "101"
     "0001101"
     "0111101"
     "0101111"
     "0001101"
     "0001101"
     "0001101"
     "01010"
     "1101100"
     "1110100"
     "1100110"
     "1011100"
     "1001110"
     "1101100"
     "101",
     "well-known UPC-A 036000291452, sum 58 gives 2"},
    {__LINE__, UPC_E, "123456", "1234565",
     "101"
     "0110011"
     "0010011"
     "0111101"
     "0011101"
     "0111001"
     "0101111"
     "010101", // parity BAABBA
     "expanded 0 12345 0000 6, sum 45 gives 5; parity of check 5 is BAABBA"},
    {__LINE__, UPC_E, "123450", "1234505", "", "expanded 0 12 0 0000 345, sum 35 gives 5"},
    {__LINE__, UPC_E, "123453", "1234531", "", "expanded 0 123 00000 45, sum 29 gives 1"},
    {__LINE__, UPC_E, "123454", "1234543", "", "expanded 0 1234 00000 5, sum 37 gives 3"},
    {__LINE__, CODE39, "A", "*A*", kC39Star + kC39A + kC39Star, "Code 39 table; 48 modules"},
    {__LINE__, CODE39, "A*", "*A0*", kC39Star + kC39A + kC39Zero + kC39Star,
     "ISO/IEC 16388: * is only the start and stop; inside the data it would end the symbol (found by fuzz_barcode)"},
    {__LINE__, CODE39, "abc", "*000*", kC39Star + kC39Zero + kC39Zero + kC39Zero + kC39Star,
     "lower case is not in the set and becomes 0"},
    {__LINE__, CODE25i, "123", "1236",
     "1010"
     "111010001010111000"
     "111011100010001010"
     "11101", // start, pairs 12 and 36, stop
     "check 3+2+9 = 14 gives 6; bars of 1 (10001) with spaces of 2 (01001), bars of 3 with spaces of 6"},
    {__LINE__, CODE25i, "1234", "1234",
     "1010"
     "111010001010111000"
     "111011101000101000"
     "11101",
     "even length: no check digit"},
    {__LINE__, CODE25i, "12345", "123457", "", "3+2+9+4+15 = 33 gives 7"},
    {__LINE__, CODE25iP, "12345", "123450", "", "weights 4,9: 4+18+12+36+20 = 90 gives 0"},
    {__LINE__, CODE25iP, "", "",
     "1010"
     "11101",
     "no digits: start and stop only"},
    {__LINE__, MSI_Plessey, "1234", "12344",
     kM1 + kM0 + kM0 + kM0 + kM1 + kM0 + kM0 + kM1 + kM0 + kM0 + kM0 + kM1 + kM1 + kM0 + kM1 + kM0 + kM0 + kM0 + kM1 +
         kM0 + kM0 + kM0 + kM0,
     "24 doubled 48, 4+8+1+3 = 16 gives 4; start 1, digits 0001 0010 0011 0100 0100, stop 00"},
    {__LINE__, MSI_Plessey, "13579", "135798", "", "159 doubled 318: 12, plus 7+3: 22 gives 8"},
    {__LINE__, MSI_Plessey, "", "0", kM1 + kM0 + kM0 + kM0 + kM0 + kM0 + kM0, "empty: check digit 0"},
    {__LINE__, MSI_Plessey, std::string(40, '9'), std::string(40, '9') + "0", "",
     "20 nines doubled exactly: 1+171+8, plus 180: 360 gives 0 (beyond 64-bit integers)"},
    {__LINE__, Codabar, "123", "A123A", kCbA + kCb1 + kCb2 + kCb3 + kCbA, "Codabar table, A added at both ends"},
    {__LINE__, Codabar, "b12c", "B12C", "", "upper-cased, its own ends kept"},
    {__LINE__, Codabar, "1B2", "A102A", "", "inner start/stop character becomes 0"},
    {__LINE__, Codabar, "", "AA", kCbA + kCbA, "empty caption: A twice"},
    {__LINE__, Codabar, "1x#2", "A12A", "", "bytes outside the set are dropped"},
    {__LINE__, Postnet, "1234567", "123455",
     "1"
     "00011"
     "00101"
     "00110"
     "01001"
     "01010"
     "01010"
     "1",
     "first five digits, 15 gives 5; 32 modules"},
    {__LINE__, Postnet, "123456789", "1234567895", "", "nine digits, 45 gives 5"},
    {__LINE__, Postnet, "1234567890", "1234567895", "", "ten digits: the first nine"},
    {__LINE__, Postnet, "123456789012", "123456789014", "", "the first eleven, 46 gives 4"},
    {__LINE__, Postnet_FIM, "x", "FIM-C", "110101011", "anything but A/B is FIM-C"},
    {__LINE__, Postnet_FIM, "a", "FIM-A", "110010011", "lower-case a is FIM-A"},
    {__LINE__, Postnet_FIM, "B", "FIM-B", "101101101", "FIM-B"},
    {__LINE__, Postnet_FIM, "", "FIM-C", "110101011", "empty caption"},
};

} // namespace

TEST(BarcodeEncoder, SymbolTextAndModules) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(testing::Message() << "row at line " << row.line << ": " << row.source);
        const SymbolEncoder ll = encoded(row.type, row.caption);
        EXPECT_EQ(ll.symbolText(), row.symbol);
        if (!row.modules.empty()) {
            EXPECT_EQ(ll.moduleString(), row.modules);
        }
    }
}

TEST(BarcodeEncoder, ModuleCounts) {
    struct Count {
        int type;
        std::string caption;
        int modules;
        const char* source;
    };
    const Count counts[] = {
        {EAN_13, "1", 95, "fixed"},
        {UPC_A, "1", 95, "fixed"},
        {EAN_8, "1", 67, "fixed"},
        {UPC_E, "1", 51, "fixed"},
        {CODE39, std::string(50, 'W'), 52 * 16, "the longest symbol: 52 characters of 16"},
        {CODE25i, "12345678", 9 + 4 * 18, "9 + 18 per pair"},
        {CODE128_B, "Hi", 5 * 11 + 2, "start, two characters, check, stop, final bar"},
        {Postnet, "12345678901", 2 + 12 * 5, "frame bars and 12 digits"},
    };
    for (const Count& c : counts) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(encoded(c.type, c.caption).moduleCount(), c.modules);
    }
}

TEST(BarcodeEncoder, Ratio2NarrowsWideElements) {
    SymbolEncoder ll;
    ll.params().codeType = CODE39;
    ll.params().ratio = Ratio_2;
    ll.params().caption = "A";
    ll.encode();
    // * 010010100 and A 100001001 with wide = 2, each followed by a gap: 13 modules per character
    // (A: bar 2, space 1, bar 1, space 1, bar 1, space 2, bar 1, space 1, bar 2).
    EXPECT_EQ(ll.moduleString(), "1001011011010"
                                 "1101010010110"
                                 "1001011011010");
}

TEST(BarcodeEncoder, CodabarUpperCasesStoredCaptionKeepingChineseBytes) {
    SymbolEncoder ll;
    ll.params().codeType = Codabar;
    // GBK 0x81 0x61 is one Chinese character whose second byte is the code of "a":
    // it must survive the upper-casing; the b after it becomes B.
    ll.params().caption = "\x81\x61"
                          "b";
    ll.encode();
    EXPECT_EQ(ll.params().caption, "\x81\x61"
                                   "B");
    EXPECT_EQ(ll.symbolText(), "AB"); // A put in front, both Chinese bytes dropped, B is the stop
}

TEST(BarcodeEncoder, UnknownTypeFails) {
    SymbolEncoder ll;
    ll.params().codeType = 14;
    try {
        ll.encode();
        FAIL() << "no error";
    } catch (const BarcodeError& e) {
        EXPECT_STREQ(e.what(), "Barcode: Unknown Type of Barcode");
    }
}

TEST(BarcodeCheckDigits, WeightedAndMsiAndUpcE) {
    EXPECT_EQ(weightedCheckDigit("123450000000", {1, 3}), '3'); // sum 27
    EXPECT_EQ(weightedCheckDigit("1234567", {3, 1}), '0');      // sum 60
    EXPECT_EQ(weightedCheckDigit("12345", {1}), '5');           // sum 15
    EXPECT_EQ(msiCheckDigit("1234"), '4');                      // worked above
    EXPECT_EQ(upcEExpand("123456"), "1234500006");              // d6 5..9: XXXXX0000 d6
    EXPECT_EQ(upcEExpand("123451"), "1210000345");              // d6 0..2: XX d6 0000 XXX
    EXPECT_EQ(upcEExpand("123453"), "1230000045");              // d6 3: XXX00000XX
    EXPECT_EQ(upcEExpand("123454"), "1234000005");              // d6 4: XXXX00000X
}

TEST(BarcodeEncoder, Code25iPFormattedText) {
    EXPECT_EQ(code25iPFormatted("12345678901234"), "12345.678.901.23   4"); // 5.3.3.2, three blanks, 1
    EXPECT_EQ(code25iPFormatted("123456789012"), "12.34567   8901   2");    // 2.5, blanks, 4, blanks, 1
    EXPECT_EQ(code25iPFormatted("1236"), "1236");                           // other lengths unchanged
}
