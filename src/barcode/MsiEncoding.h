#pragma once
// MSI: caption to symbol.
#include "barcode/SymbolEncoding.h"

void encodeMsi(BarcodeParams& params, SymbolEncoding& out);
