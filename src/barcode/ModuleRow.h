#pragma once
// Building a module row: one flag per module, 1 for a bar and 0 for a space.
#include "barcode/BarcodeTypes.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using ModuleRow = std::vector<std::uint8_t>;

// Width in modules of a wide element.
inline int wideWidth(std::uint8_t ratio) {
    return ratio == Ratio_2 ? 2 : 3;
}

// Appends modules written as "1010..." (fixed-pattern symbologies: EAN, UPC).
inline void appendModules(ModuleRow& row, std::string_view bits) {
    for (char c : bits) row.push_back(c == '1' ? 1 : 0);
}

// Appends width modules of one value.
inline void appendRun(ModuleRow& row, bool bar, int width) {
    row.insert(row.end(), static_cast<std::size_t>(width), bar ? 1 : 0);
}

// Appends elements that alternate bar and space, starting with a bar; each
// character of flags is '1' for a wide element and '0' for a narrow one.
inline void appendElements(ModuleRow& row, std::string_view flags, std::uint8_t ratio) {
    bool bar = true;
    for (char f : flags) {
        appendRun(row, bar, f == '1' ? wideWidth(ratio) : 1);
        bar = !bar;
    }
}

// Appends elements that alternate bar and space, starting with a bar; each
// character of widths is the element's width in modules ('1'..'4').
inline void appendWidths(ModuleRow& row, std::string_view widths) {
    bool bar = true;
    for (char w : widths) {
        appendRun(row, bar, w - '0');
        bar = !bar;
    }
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every byte not in accepted becomes '0'.
inline std::string keepOrZero(const std::string& text, std::string_view accepted) {
    std::string out = text;
    for (char& c : out)
        if (accepted.find(c) == std::string_view::npos) c = '0';
    return out;
}

inline const std::string_view kDigits = "0123456789";
