// Code 128 in the sets A, B and C: the conversion of the caption into symbol
// bytes, the check character and the human-readable line.
#include "barcode/Code128Encoding.h"

#include <string_view>

namespace {

// The Code 128 symbols. A code value v (0..106) travels as the byte v + 32, so
// the bytes 32..138 are the symbols.
struct Code128Symbols {
    static constexpr unsigned char kFirstByte = 32;
    static constexpr unsigned char kLastByte = 138;
    static constexpr unsigned char kCodeC = 131;  // value 99
    static constexpr unsigned char kCodeB = 132;  // value 100
    static constexpr unsigned char kCodeA = 133;  // value 101
    static constexpr unsigned char kFnc1 = 134;   // value 102
    static constexpr unsigned char kStartA = 135; // value 103
    static constexpr unsigned char kStartB = 136; // value 104
    static constexpr unsigned char kStartC = 137; // value 105
    static constexpr unsigned char kStop = 138;   // value 106

    static bool isSymbolByte(unsigned char b) { return b >= kFirstByte && b <= kLastByte; }
    static int value(unsigned char b) { return b - kFirstByte; }
    static unsigned char byteOf(int value) { return static_cast<unsigned char>(value + kFirstByte); }

    // Six widths, bar first (11 modules); the stop's final 2-module bar is not
    // part of its entry. b must be a symbol byte.
    static std::string_view widths(unsigned char b);
};

// Code 128 symbol character table of ISO/IEC 15417: bar, space, bar, space,
// bar, space widths in modules, for code values 0 to 106.
constexpr std::string_view kWidths[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213", //   0
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132", //  10
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211", //  20
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313", //  30
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331", //  40
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111", //  50
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214", //  60
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", //  70
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141", //  80
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141", //  90
    "114131", "311141", "411131", "211412", "211214", "211232", "233111",                               // 100
};

std::string_view Code128Symbols::widths(unsigned char b) {
    return kWidths[value(b)];
}

using T = Code128Symbols;
enum class Set { A, B, C };

const char* const kCode128Error = "ZurazAZ: Code128 error";

Set setOfStart(unsigned char b) {
    return b == T::kStartA ? Set::A : b == T::kStartB ? Set::B : Set::C;
}
int digitOf(unsigned char b) {
    return b >= '0' && b <= '9' ? b - '0' : 0;
}

// Walks the caption from the start byte. For each byte the sink is told what
// it emits (a symbol byte) and what the human-readable line shows.
struct Walk {
    std::string symbols;
    std::string readable;

    void run(unsigned char start, const std::string& caption) {
        Set set = setOfStart(start);
        symbols += static_cast<char>(start);
        int held = -1; // digit waiting for its pair in set C
        for (unsigned char b : caption) {
            if (held >= 0) { // set C: the next byte completes the pair
                const int pair = held * 10 + digitOf(b);
                put(static_cast<unsigned char>(pair + T::kFirstByte));
                readable += static_cast<char>('0' + held);
                readable += static_cast<char>('0' + digitOf(b));
                held = -1;
            } else if (b == T::kStartA || b == T::kStartB || b == T::kStartC) {
                set = setOfStart(b);
                put(b);
            } else if (isSwitch(b, set)) {
                set = b == T::kCodeA ? Set::A : b == T::kCodeB ? Set::B : Set::C;
                put(b);
            } else if (b == T::kCodeA || b == T::kCodeB || b == T::kCodeC) {
                put(b); // a switch to the current set is data
                readable += ' ';
            } else if (set == Set::C) {
                if (b == T::kFnc1) {
                    put(b);
                    readable += ' ';
                } else {
                    held = digitOf(b);
                }
            } else {
                put(b);
                const bool shown = set == Set::A ? b <= 95 : b <= 126;
                readable += shown ? static_cast<char>(b) : ' ';
            }
        }
        if (held >= 0 && set == Set::C) {
            put(T::kCodeA);
            put(static_cast<unsigned char>('0' + held));
            readable += static_cast<char>('0' + held);
        }
    }

    static bool isSwitch(unsigned char b, Set set) {
        return (b == T::kCodeC && set != Set::C) || (b == T::kCodeB && set != Set::B) ||
               (b == T::kCodeA && set != Set::A);
    }

    void put(unsigned char b) { symbols += static_cast<char>(b); }
};

void encode128(unsigned char start, BarcodeParams& params, SymbolEncoding& out) {
    Walk walk;
    walk.run(start, params.caption);
    std::string& s = walk.symbols;
    for (unsigned char b : s)
        if (!T::isSymbolByte(b)) throw BarcodeError(kCode128Error);
    int sum = T::value(static_cast<unsigned char>(s[0]));
    for (std::size_t i = 1; i < s.size(); ++i) sum += static_cast<int>(i) * T::value(static_cast<unsigned char>(s[i]));
    s += static_cast<char>(T::byteOf(sum % 103));
    s += static_cast<char>(T::kStop);
    out.symbol = s;
    out.readable = walk.readable;
    for (unsigned char b : s) appendWidths(out.modules, T::widths(b));
    appendRun(out.modules, true, 2); // the stop's final bar
}

} // namespace

void encodeCode128A(BarcodeParams& params, SymbolEncoding& out) {
    encode128(T::kStartA, params, out);
}
void encodeCode128B(BarcodeParams& params, SymbolEncoding& out) {
    encode128(T::kStartB, params, out);
}
void encodeCode128C(BarcodeParams& params, SymbolEncoding& out) {
    encode128(T::kStartC, params, out);
}

std::string code128Readable(unsigned char startByte, const std::string& caption) {
    Walk walk;
    walk.run(startByte, caption);
    return walk.readable;
}
