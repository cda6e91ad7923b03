// MSI Plessey with its modulo-10 check digit.
#include "barcode/MsiEncoding.h"
#include "barcode/CheckDigits.h"

namespace {

// One MSI bit: 1 is a wide bar and a narrow space, 0 a narrow bar and a wide space.
void appendBit(ModuleRow& row, bool one, std::uint8_t ratio) {
    appendElements(row, one ? "10" : "01", ratio);
}

} // namespace

void encodeMsi(BarcodeParams& params, SymbolEncoding& out) {
    std::string d = keepOrZero(params.caption, kDigits);
    d += msiCheckDigit(d);
    out.symbol = out.readable = d;
    appendBit(out.modules, true, params.ratio); // start
    for (char c : d) {
        const int v = c - '0';
        for (int bit = 3; bit >= 0; --bit) appendBit(out.modules, (v >> bit) & 1, params.ratio); // base 2, MSB first
    }
    appendBit(out.modules, false, params.ratio); // stop
    appendBit(out.modules, false, params.ratio);
}
