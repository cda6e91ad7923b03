// Code 128 in the sets A, B and C: the conversion of the caption into symbol
// bytes, the check character and the human-readable line.
#include "barcode/Code128Encoder.h"
#include "barcode/Encoders.h"

namespace {

using T = Code128Encoder;
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
    for (unsigned char b : s) appendWidths(out.modules, T::instance().widths(b));
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
