#pragma once
// Interleaved 2 of 5, plain and with its check digit: caption to symbol.
#include "barcode/SymbolEncoding.h"

void encodeCode25i(BarcodeParams& params, SymbolEncoding& out);
void encodeCode25iP(BarcodeParams& params, SymbolEncoding& out);
