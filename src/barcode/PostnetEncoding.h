#pragma once
// POSTNET and its FIM patterns: caption to symbol.
#include "barcode/SymbolEncoding.h"

void encodePostnet(BarcodeParams& params, SymbolEncoding& out);
void encodePostnetFim(BarcodeParams& params, SymbolEncoding& out);
