// EAN-8, EAN-13, UPC-A and UPC-E.
#include "barcode/EanUpcEncoding.h"
#include "barcode/CheckDigits.h"

namespace {

// Symbol character sets of ISO/IEC 15420 (EAN/UPC), digits 0 to 9, 7 modules
// each: set A (left odd parity), set B (left even parity), right-hand set.
const char* const kSetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                               "0110001", "0101111", "0111011", "0110111", "0001011"};
const char* const kSetB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                               "0111001", "0000101", "0010001", "0001001", "0010111"};
const char* const kSetRight[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                   "1001110", "1010000", "1000100", "1001000", "1110100"};
// EAN-13: parity of digits 2 to 7 selected by the leading digit (ISO/IEC 15420).
const char* const kEan13Parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                      "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E, number system 0: parity of the six digits selected by the check digit.
const char* const kUpcEParity[10] = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                     "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};

const std::string_view kGuard = "101";
const std::string_view kCentre = "01010";
const std::string_view kUpcEEnd = "010101";

// The first count digits of the caption (other bytes as "0"), padded with "0".
std::string digitsPadded(const std::string& caption, std::size_t count) {
    std::string d = keepOrZero(caption, kDigits).substr(0, count);
    d.resize(count, '0');
    return d;
}

void appendLeft(ModuleRow& row, const std::string& digits, const char* parity) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int d = digits[i] - '0';
        appendModules(row, parity[i] == 'B' ? kSetB[d] : kSetA[d]);
    }
}

void appendRight(ModuleRow& row, const std::string& digits) {
    for (char c : digits) appendModules(row, kSetRight[c - '0']);
}

// Guard, left half, centre, right half, guard.
void encodeTwoHalves(SymbolEncoding& out, const std::string& left, const char* parity, const std::string& right) {
    appendModules(out.modules, kGuard);
    appendLeft(out.modules, left, parity);
    appendModules(out.modules, kCentre);
    appendRight(out.modules, right);
    appendModules(out.modules, kGuard);
}

} // namespace

void encodeEan8(BarcodeParams& params, SymbolEncoding& out) {
    std::string d = digitsPadded(params.caption, 7);
    d += weightedCheckDigit(d, {3, 1});
    out.symbol = out.readable = d;
    encodeTwoHalves(out, d.substr(0, 4), "AAAA", d.substr(4));
}

void encodeEan13(BarcodeParams& params, SymbolEncoding& out) {
    std::string d = digitsPadded(params.caption, 12);
    d += weightedCheckDigit(d, {1, 3});
    out.symbol = out.readable = d;
    encodeTwoHalves(out, d.substr(1, 6), kEan13Parity[d[0] - '0'], d.substr(7));
}

void encodeUpcA(BarcodeParams& params, SymbolEncoding& out) {
    std::string d = digitsPadded(params.caption, 11);
    d += weightedCheckDigit(d, {3, 1});
    out.symbol = out.readable = d;
    encodeTwoHalves(out, d.substr(0, 6), "AAAAAA", d.substr(6));
}

void encodeUpcE(BarcodeParams& params, SymbolEncoding& out) {
    std::string d = digitsPadded(params.caption, 6);
    const char check = weightedCheckDigit("0" + upcEExpand(d), {3, 1});
    out.symbol = out.readable = d + check;
    appendModules(out.modules, kGuard);
    appendLeft(out.modules, d, kUpcEParity[check - '0']);
    appendModules(out.modules, kUpcEEnd);
}
