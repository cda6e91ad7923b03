#include "barcode/PostnetEncoding.h"
#include "barcode/CheckDigits.h"

#include <string_view>

namespace {

// POSTNET digit table (USPS Publication 25): five bars, 1 full and 0 half.
constexpr std::string_view kDigits5[10] = {"11000", "00011", "00101", "00110", "01001",
                                           "01010", "01100", "10001", "10010", "10100"};
// Facing identification marks (USPS Publication 25): FIM-A, FIM-B, FIM-C.
constexpr std::string_view kFim[3] = {"110010011", "101101101", "110101011"};

// 11 or more digits: the first 11; 9 or 10: the first 9; otherwise the first
// 5, padded with "0".
std::string postnetLength(std::string d) {
    if (d.size() >= 11) return d.substr(0, 11);
    if (d.size() >= 9) return d.substr(0, 9);
    d.resize(5, '0');
    return d;
}

} // namespace

void encodePostnet(BarcodeParams& params, SymbolEncoding& out) {
    std::string d = postnetLength(keepOrZero(params.caption, kDigits));
    d += weightedCheckDigit(d, {1});
    out.symbol = out.readable = d;
    appendModules(out.modules, "1"); // frame bar
    for (char c : d) appendModules(out.modules, kDigits5[c - '0']);
    appendModules(out.modules, "1");
}

void encodePostnetFim(BarcodeParams& params, SymbolEncoding& out) {
    const std::string text = keepOrZero(params.caption, "ABCabc");
    const char first = text.empty() ? '\0' : text.front();
    const int which = (first == 'A' || first == 'a') ? 0 : (first == 'B' || first == 'b') ? 1 : 2;
    static const char* const kNames[3] = {"FIM-A", "FIM-B", "FIM-C"};
    out.symbol = out.readable = kNames[which];
    appendModules(out.modules, kFim[which]);
}
