#pragma once
// Geometry of a drawn symbol: the bar rectangles and text pieces of an encoded
// barcode, unrotated, with the symbol's top-left corner at (0, 0). Plain C++.
#include "barcode/SymbolEncoder.h"

#include <string>
#include <vector>

// Right and bottom edges are exclusive.
struct BarRect {
    int x1, y1, x2, y2;
};

// A piece of the human-readable line, centred on anchorX with its top at anchorY.
struct TextPiece {
    std::string text; // GBK bytes
    int anchorX;
    int anchorY;
};

struct BarcodeLayout {
    int width = 0;       // W
    int height = 0;      // H
    int moduleWidth = 0; // p, pixels
    int barLength = 0;   // L, pixels
    int shortening = 0;  // G, pixels (negative above 100 %)
    int fontHeight = 0;  // character-cell height of the text, at most 24
    int textHeight = 0;  // T: height of the text line, 0 when it is not part of the symbol
    std::vector<BarRect> bars;
    std::vector<TextPiece> texts;
};

// Pixels per inch of the canvases the element draws on (screen-compatible).
inline constexpr double kScreenPixelsPerInch = 96.0;
inline constexpr double kScreenPixelsPerMm = kScreenPixelsPerInch / 25.4;
inline constexpr int kMaxTextHeight = 24;

// Module width of SC0..SC14 in mm.
double moduleWidthMm(int size);
// Width of one module in pixels at r pixels per mm.
int modulePixels(int size, bool highDensity = false, double r = kScreenPixelsPerMm);

// Lays out the last encoding of ll at r (horizontal) and s (vertical) pixels per mm.
BarcodeLayout layoutSymbol(const SymbolEncoder& ll, double r = kScreenPixelsPerMm, double s = kScreenPixelsPerMm);
