#pragma once
// The barcode enumerations and the error type, shared by the encoders (plain
// C++) and the barcode element (Qt).
#include "common/OperatorError.h"
#include <cstdint>

// Symbologies; the ordinal is the number stored in .spt files and shown by the
// style list.
enum btCodeTypes : std::uint8_t {
    EAN_8,
    EAN_13,
    UPC_A,
    UPC_E,
    CODE39,
    CODE25i,
    CODE25iP,
    CODE128_A,
    CODE128_B,
    CODE128_C,
    MSI_Plessey,
    Codabar,
    Postnet,
    Postnet_FIM
};
inline constexpr int kBarcodeTypeCount = 14;

// Module widths SC0 (0.270 mm) to SC14 (1.750 mm).
enum btCodeSizes : std::uint8_t { SC0, SC1, SC2, SC3, SC4, SC5, SC6, SC7, SC8, SC9, SC10, SC11, SC12, SC13, SC14 };
inline constexpr int kBarcodeSizeCount = 15;

// Counter-clockwise rotation of the drawn symbol.
enum btCodeRotate : std::uint8_t { rotate_000, rotate_090, rotate_180, rotate_270 };

// Width of a wide element: 3 modules (Ratio_3) or 2 modules (Ratio_2).
enum btCodeRatio : std::uint8_t { Ratio_3, Ratio_2 };

// Every refusal and drawing failure of the barcode code; what() is the exact
// text the operator sees.
class BarcodeError : public OperatorError {
public:
    using OperatorError::OperatorError;
};
