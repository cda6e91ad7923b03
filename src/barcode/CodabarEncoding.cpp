#include "barcode/CodabarEncoding.h"
#include "barcode/CharacterPatterns.h"

namespace {

// The characters; A to D are the start and stop characters.
constexpr std::string_view kCharset = "0123456789-$:/.+ABCD";

// Codabar character table (as in ANSI/AIM BC3, "USS Codabar"): b s b s b s b, 1 = wide.
constexpr std::string_view kPatterns[20] = {
    "0000011", "0000110", "0001001", "1100000", "0010010", // 0-4
    "1000010", "0100001", "0100100", "0110000", "1001000", // 5-9
    "0001100", "0011000", "1000101", "1010001", "1010100", // - $ : / .
    "0010101", "0011010", "0101001", "0001011", "0001110", // + A B C D
};
constexpr CharacterPatterns kCodabar{kCharset, kPatterns};

bool isStartStop(char c) {
    return c >= 'A' && c <= 'D';
}

const std::size_t kMaxSymbolLength = 52;

// Upper-cases the single-byte letters of a GBK text; the two bytes of a
// double-byte character are left as they are.
void upperCaseGbk(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b >= 0x81 && b <= 0xFE && i + 1 < text.size()) ++i;
        else if (b >= 'a' && b <= 'z') text[i] = static_cast<char>(b - 'a' + 'A');
    }
}

// Start and stop characters around the accepted bytes; inner A..D become "0".
std::string transfer(const std::string& caption) {
    std::string out;
    if (caption.empty() || !isStartStop(caption.front())) out += 'A';
    for (char c : caption)
        if (kCodabar.contains(c)) out += c;
    if (caption.empty() || !isStartStop(caption.back())) out += 'A';
    while (out.size() < 2) out += 'A';
    for (std::size_t i = 1; i + 1 < out.size(); ++i)
        if (isStartStop(out[i])) out[i] = '0';
    if (out.size() > kMaxSymbolLength) out.resize(kMaxSymbolLength);
    return out;
}

} // namespace

void encodeCodabar(BarcodeParams& params, SymbolEncoding& out) {
    upperCaseGbk(params.caption); // the stored caption keeps the change
    out.symbol = transfer(params.caption);
    out.readable = out.symbol.substr(1, out.symbol.size() - 2);
    for (char c : out.symbol) {
        appendElements(out.modules, kCodabar.pattern(c), params.ratio);
        appendRun(out.modules, false, 1);
    }
}
