#pragma once
// The symbology families. Each encoder takes the settings (a Codabar encoding
// upper-cases the stored caption) and fills the symbol text, the module row and
// the text of the human-readable line. The table in LLBarcode.cpp picks the
// encoder by symbology number.
#include "barcode/ModuleRow.h"
#include "barcode/SymbolEncoder.h"

#include <string>

struct SymbolEncoding {
    std::string symbol;   // after transfer and check characters
    ModuleRow modules;    // 1 bar, 0 space
    std::string readable; // human-readable line (EAN/UPC: the symbol text, split when drawn)
};

using EncodeFunction = void (*)(BarcodeParams& params, SymbolEncoding& out);

void encodeEan8(BarcodeParams& params, SymbolEncoding& out);       // EncEanUpc.cpp
void encodeEan13(BarcodeParams& params, SymbolEncoding& out);      // EncEanUpc.cpp
void encodeUpcA(BarcodeParams& params, SymbolEncoding& out);       // EncEanUpc.cpp
void encodeUpcE(BarcodeParams& params, SymbolEncoding& out);       // EncEanUpc.cpp
void encodeCode39(BarcodeParams& params, SymbolEncoding& out);     // BarCode39.cpp
void encodeCode25i(BarcodeParams& params, SymbolEncoding& out);    // EncInterleaved25.cpp
void encodeCode25iP(BarcodeParams& params, SymbolEncoding& out);   // EncInterleaved25.cpp
void encodeCode128A(BarcodeParams& params, SymbolEncoding& out);   // EncCode128.cpp
void encodeCode128B(BarcodeParams& params, SymbolEncoding& out);   // EncCode128.cpp
void encodeCode128C(BarcodeParams& params, SymbolEncoding& out);   // EncCode128.cpp
void encodeMsi(BarcodeParams& params, SymbolEncoding& out);        // EncMsi.cpp
void encodeCodabar(BarcodeParams& params, SymbolEncoding& out);    // BarCodabar.cpp
void encodePostnet(BarcodeParams& params, SymbolEncoding& out);    // BarPostnet.cpp
void encodePostnetFim(BarcodeParams& params, SymbolEncoding& out); // BarPostnet.cpp
