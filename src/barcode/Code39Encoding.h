#pragma once
// Code 39: caption to symbol.
#include "barcode/SymbolEncoding.h"

void encodeCode39(BarcodeParams& params, SymbolEncoding& out);
