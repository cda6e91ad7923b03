// Interleaved 2 of 5, plain (CODE25i) and with the formatted text (CODE25iP).
#include "barcode/Interleaved25Encoding.h"
#include "barcode/CheckDigits.h"

namespace {

// Digit patterns of interleaved 2 of 5, ISO/IEC 16390: five elements, 1 = wide.
const char* const kDigitPatterns[10] = {"00110", "10001", "01001", "11000", "00101",
                                        "10100", "01100", "00011", "10010", "01010"};

// Start: narrow bar, space, bar, space; each pair: the bars from the first
// digit's pattern and the spaces from the second's; stop: wide bar, narrow
// space, narrow bar.
void encodeDigits(const std::string& digits, std::uint8_t ratio, ModuleRow& row) {
    appendElements(row, "0000", ratio);
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        const char* bars = kDigitPatterns[digits[i] - '0'];
        const char* spaces = kDigitPatterns[digits[i + 1] - '0'];
        for (int k = 0; k < 5; ++k) {
            appendRun(row, true, bars[k] == '1' ? wideWidth(ratio) : 1);
            appendRun(row, false, spaces[k] == '1' ? wideWidth(ratio) : 1);
        }
    }
    appendElements(row, "100", ratio);
}

// Digits of the caption (others as "0"); an odd count gets a check digit.
std::string withCheck(const std::string& caption, const std::vector<int>& weights) {
    std::string d = keepOrZero(caption, kDigits);
    if (d.size() % 2 == 1) d += weightedCheckDigit(d, weights);
    return d;
}

} // namespace

void encodeCode25i(BarcodeParams& params, SymbolEncoding& out) {
    out.symbol = out.readable = withCheck(params.caption, {3, 1});
    encodeDigits(out.symbol, params.ratio, out.modules);
}

void encodeCode25iP(BarcodeParams& params, SymbolEncoding& out) {
    out.symbol = withCheck(params.caption, {4, 9});
    out.readable = code25iPFormatted(out.symbol, params.splitPosition);
    encodeDigits(out.symbol, params.ratio, out.modules);
}

std::string code25iPFormatted(const std::string& s, int splitPosition) {
    if (s.size() == 14)
        return s.substr(0, 5) + "." + s.substr(5, 3) + "." + s.substr(8, 3) + "." + s.substr(11, 2) + "   " +
               s.substr(13, 1);
    if (s.size() == 12) {
        // Digits 1-2, ".", 3 to the split, three blanks, the rest up to 11, three blanks, digit 12.
        const std::size_t split = static_cast<std::size_t>(std::clamp(splitPosition, 2, 11));
        return s.substr(0, 2) + "." + s.substr(2, split - 2) + "   " + s.substr(split, 11 - split) + "   " +
               s.substr(11, 1);
    }
    return s;
}
