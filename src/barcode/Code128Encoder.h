#pragma once
// The Code 128 table, created once and shared by every barcode. A code value v
// (0..106) travels as the byte v + 32, so the bytes 32..138 are the symbols.
#include <string_view>

class Code128Encoder {
public:
    static const Code128Encoder& instance();

    static constexpr unsigned char kFirstByte = 32;
    static constexpr unsigned char kLastByte = 138;
    static constexpr unsigned char kCodeC = 131;  // value 99
    static constexpr unsigned char kCodeB = 132;  // value 100
    static constexpr unsigned char kCodeA = 133;  // value 101
    static constexpr unsigned char kFnc1 = 134;   // value 102
    static constexpr unsigned char kStartA = 135; // value 103
    static constexpr unsigned char kStartB = 136; // value 104
    static constexpr unsigned char kStartC = 137; // value 105
    static constexpr unsigned char kStop = 138;   // value 106

    static bool isSymbolByte(unsigned char b) { return b >= kFirstByte && b <= kLastByte; }
    static int value(unsigned char b) { return b - kFirstByte; }
    static unsigned char byteOf(int value) { return static_cast<unsigned char>(value + kFirstByte); }

    // Six widths, bar first (11 modules); the stop's final 2-module bar is not
    // part of its entry. b must be a symbol byte.
    std::string_view widths(unsigned char b) const;

private:
    Code128Encoder() = default;
};
