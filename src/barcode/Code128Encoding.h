#pragma once
// Code 128 in the sets A, B and C: caption to symbol.
#include "barcode/SymbolEncoding.h"

void encodeCode128A(BarcodeParams& params, SymbolEncoding& out);
void encodeCode128B(BarcodeParams& params, SymbolEncoding& out);
void encodeCode128C(BarcodeParams& params, SymbolEncoding& out);
