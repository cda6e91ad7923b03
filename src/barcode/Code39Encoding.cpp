#include "barcode/Code39Encoding.h"
#include "barcode/CharacterPatterns.h"

namespace {

// The characters, the start/stop "*" last.
constexpr std::string_view kCharset = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";

// Code 39 symbol character table of ISO/IEC 16388: b s b s b s b s b, 1 = wide.
constexpr std::string_view kPatterns[44] = {
    "000110100", "100100001", "001100001", "101100000", "000110001", // 0-4
    "100110000", "001110000", "000100101", "100100100", "001100100", // 5-9
    "100001001", "001001001", "101001000", "000011001", "100011000", // A-E
    "001011000", "000001101", "100001100", "001001100", "000011100", // F-J
    "100000011", "001000011", "101000010", "000010011", "100010010", // K-O
    "001010010", "000000111", "100000110", "001000110", "000010110", // P-T
    "110000001", "011000001", "111000000", "010010001", "110010000", // U-Y
    "011010000", "010000101", "110000100", "011000100", "010101000", // Z - . space $
    "010100010", "010001010", "000101010", "010010100",              // / + % *
};

constexpr CharacterPatterns kCode39{kCharset, kPatterns};

} // namespace

void encodeCode39(BarcodeParams& params, SymbolEncoding& out) {
    std::string text = params.caption;
    // Lower case is not in the set either; "*" is, but only as the start and
    // stop: inside the data a reader would take it for the end of the symbol.
    for (char& c : text)
        if (!kCode39.contains(c) || c == '*') c = '0';
    out.symbol = "*" + text + "*";
    out.readable = text;
    for (char c : out.symbol) {
        appendElements(out.modules, kCode39.pattern(c), params.ratio);
        appendRun(out.modules, false, 1); // gap between characters, after the last one too
    }
}
