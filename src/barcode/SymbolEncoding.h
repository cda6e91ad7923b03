#pragma once
// What an encoder makes of a caption. Each symbology family (EanUpcEncoding,
// Code39Encoding, Interleaved25Encoding, Code128Encoding, MsiEncoding,
// CodabarEncoding, PostnetEncoding) takes the settings (a Codabar encoding
// upper-cases the stored caption) and fills the symbol text, the module row and
// the text of the human-readable line; SymbolEncoder picks the family's
// function by symbology number.
#include "barcode/ModuleRow.h"
#include "barcode/SymbolEncoder.h"

#include <string>

struct SymbolEncoding {
    std::string symbol;   // after transfer and check characters
    ModuleRow modules;    // 1 bar, 0 space
    std::string readable; // human-readable line (EAN/UPC: the symbol text, split when drawn)
};

using EncodeFunction = void (*)(BarcodeParams& params, SymbolEncoding& out);
