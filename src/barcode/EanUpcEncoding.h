#pragma once
// EAN-8, EAN-13, UPC-A and UPC-E: caption to symbol.
#include "barcode/SymbolEncoding.h"

void encodeEan8(BarcodeParams& params, SymbolEncoding& out);
void encodeEan13(BarcodeParams& params, SymbolEncoding& out);
void encodeUpcA(BarcodeParams& params, SymbolEncoding& out);
void encodeUpcE(BarcodeParams& params, SymbolEncoding& out);
