#include "barcode/SymbolEncoder.h"

#include "barcode/CodabarEncoding.h"
#include "barcode/Code128Encoding.h"
#include "barcode/Code39Encoding.h"
#include "barcode/EanUpcEncoding.h"
#include "barcode/Interleaved25Encoding.h"
#include "barcode/MsiEncoding.h"
#include "barcode/PostnetEncoding.h"

namespace {

// Encoders by symbology number (btCodeTypes order).
constexpr EncodeFunction kEncoders[kBarcodeTypeCount] = {
    encodeEan8,     encodeEan13,    encodeUpcA,     encodeUpcE, encodeCode39,  encodeCode25i, encodeCode25iP,
    encodeCode128A, encodeCode128B, encodeCode128C, encodeMsi,  encodeCodabar, encodePostnet, encodePostnetFim,
};

} // namespace

void SymbolEncoder::encode() {
    if (params_.codeType >= kBarcodeTypeCount) throw BarcodeError("Barcode: Unknown Type of Barcode");
    SymbolEncoding result;
    kEncoders[params_.codeType](params_, result);
    symbol_ = std::move(result.symbol);
    modules_ = std::move(result.modules);
    readable_ = std::move(result.readable);
}

std::string SymbolEncoder::moduleString() const {
    std::string out;
    out.reserve(modules_.size());
    for (auto m : modules_) out += m ? '1' : '0';
    return out;
}
