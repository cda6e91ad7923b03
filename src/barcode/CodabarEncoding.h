#pragma once
// Codabar: caption to symbol.
#include "barcode/SymbolEncoding.h"

void encodeCodabar(BarcodeParams& params, SymbolEncoding& out);
