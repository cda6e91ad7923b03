#pragma once
// The symbology families. Each encoder takes the settings (a Codabar encoding
// upper-cases the stored caption) and fills the symbol text, the module row and
// the text of the human-readable line. The table in LLBarcode.cpp picks the
// encoder by symbology number.
#include "LLBarcode.h"
#include "ModuleRow.h"

#include <string>

struct TEncoding {
    std::string symbol;   // after transfer and check characters
    ModuleRow modules;    // 1 bar, 0 space
    std::string readable; // human-readable line (EAN/UPC: the symbol text, split when drawn)
};

using EncodeFunction = void (*)(TBarcodeParams& params, TEncoding& out);

void encodeEan8(TBarcodeParams& params, TEncoding& out);       // EncEanUpc.cpp
void encodeEan13(TBarcodeParams& params, TEncoding& out);      // EncEanUpc.cpp
void encodeUpcA(TBarcodeParams& params, TEncoding& out);       // EncEanUpc.cpp
void encodeUpcE(TBarcodeParams& params, TEncoding& out);       // EncEanUpc.cpp
void encodeCode39(TBarcodeParams& params, TEncoding& out);     // BarCode39.cpp
void encodeCode25i(TBarcodeParams& params, TEncoding& out);    // EncInterleaved25.cpp
void encodeCode25iP(TBarcodeParams& params, TEncoding& out);   // EncInterleaved25.cpp
void encodeCode128A(TBarcodeParams& params, TEncoding& out);   // EncCode128.cpp
void encodeCode128B(TBarcodeParams& params, TEncoding& out);   // EncCode128.cpp
void encodeCode128C(TBarcodeParams& params, TEncoding& out);   // EncCode128.cpp
void encodeMsi(TBarcodeParams& params, TEncoding& out);        // EncMsi.cpp
void encodeCodabar(TBarcodeParams& params, TEncoding& out);    // BarCodabar.cpp
void encodePostnet(TBarcodeParams& params, TEncoding& out);    // BarPostnet.cpp
void encodePostnetFim(TBarcodeParams& params, TEncoding& out); // BarPostnet.cpp
