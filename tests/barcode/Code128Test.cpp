// The Code 128 walk: symbol bytes (value + 32), check character, module row and
// the human-readable line. Patterns from the Code 128 table of ISO/IEC 15417,
// sums worked by hand.
#include "barcode/SymbolEncoder.h"

#include <gtest/gtest.h>

namespace {

struct Walk {
    int line;
    int type;
    std::string caption;
    std::string symbol;
    std::string readable;
    const char* source;
};

const Walk kWalks[] = {
    {__LINE__, CODE128_C, "12345",
     "\x89"
     ",B"
     "\x85"
     "5Y"
     "\x8A",
     "12345", "start C, 12, 34, CODE A, 5; 105+12+68+303+84 = 572, mod 103 = 57 ('Y')"},
    {__LINE__, CODE128_A, "Ab",
     "\x87"
     "Ab^"
     "\x8A",
     "A ", "b is value 66 (a control character in set A); 103+33+132 = 268, mod 103 = 62 ('^')"},
    {__LINE__, CODE128_B, "Hi",
     "\x88"
     "Hit"
     "\x8A",
     "Hi", "104+40+2*73 = 290, mod 103 = 84 ('t')"},
    {__LINE__, CODE128_A,
     "\x83"
     "12",
     "\x87\x83"
     ",4"
     "\x8A",
     "12", "CODE C switches from A; 103+99+2*12 = 226, mod 103 = 20 ('4')"},
    {__LINE__, CODE128_C, "1A2",
     "\x89"
     "*"
     "\x85"
     "2^"
     "\x8A",
     "102", "A completes the pair as 0 (10), 2 is left over: CODE A, 2; 105+10+202+54 = 371, mod 103 = 62"},
    {__LINE__, CODE128_B,
     "a"
     "\x84"
     "b",
     "\x88"
     "a"
     "\x84"
     "bT"
     "\x8A",
     "a b", "CODE B in set B is data, shown as a blank; 104+65+200+198 = 567, mod 103 = 52 ('T')"},
    {__LINE__, CODE128_C, "",
     "\x89"
     "\""
     "\x8A",
     "", "start only: 105 mod 103 = 2"},
    {__LINE__, CODE128_C, "\xD6\xD0",
     "\x89"
     " "
     "\""
     "\x8A",
     "00", "a Chinese character in set C is a pair of non-digits: 00; 105+0 = 105, mod 103 = 2"},
};

} // namespace

TEST(BarcodeCode128, Walks) {
    for (const Walk& w : kWalks) {
        SCOPED_TRACE(testing::Message() << "walk at line " << w.line << ": " << w.source);
        SymbolEncoder ll;
        ll.params().codeType = static_cast<std::uint8_t>(w.type);
        ll.params().caption = w.caption;
        ll.encode();
        EXPECT_EQ(ll.symbolText(), w.symbol);
        EXPECT_EQ(ll.readableText(), w.readable);
        EXPECT_EQ(ll.moduleCount(), static_cast<int>(w.symbol.size()) * 11 + 2);
        const unsigned char start = static_cast<unsigned char>(w.symbol[0]);
        EXPECT_EQ(code128Readable(start, w.caption), w.readable);
    }
}

TEST(BarcodeCode128, ModuleRows) {
    SymbolEncoder ll;
    ll.params().codeType = CODE128_C;
    ll.params().caption = "12345";
    ll.encode();
    // 105 211232, 12 112232, 34 131123, 101 311141, 21 213212, 57 312113, stop 233111 + final bar.
    EXPECT_EQ(ll.moduleString(), "11010011100"
                                 "10110011100"
                                 "10001011000"
                                 "11101011110"
                                 "11011100100"
                                 "11101101000"
                                 "11000111010"
                                 "11");
    ll.params().codeType = CODE128_A;
    ll.params().caption = "Ab";
    ll.encode();
    // 103 211412, 33 111323, 66 121421, 62 431111, stop.
    EXPECT_EQ(ll.moduleString(), "11010000100"
                                 "10100011000"
                                 "10010000110"
                                 "11110001010"
                                 "11000111010"
                                 "11");
}

TEST(BarcodeCode128, BytesOutsideTheSetFail) {
    struct Bad {
        int type;
        std::string caption;
        const char* why;
    };
    const Bad bad[] = {
        {CODE128_A, "\xD6\xD0", "Chinese bytes are above 138"},
        {CODE128_B, "ab\xD6\xD0", "Chinese bytes after plain ones"},
        {CODE128_B, "\t", "a control byte below 32"},
        {CODE128_B, "\x8B", "139, one above the stop"},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.why);
        SymbolEncoder ll;
        ll.params().codeType = static_cast<std::uint8_t>(b.type);
        ll.params().caption = b.caption;
        try {
            ll.encode();
            ADD_FAILURE() << "no error";
        } catch (const BarcodeError& e) {
            EXPECT_STREQ(e.what(), "ZurazAZ: Code128 error");
        }
    }
}
