#pragma once
// The symbol encoder: turns a caption (GBK bytes) into the symbol text and the
// module row of one of the fourteen symbologies. Plain C++, no Qt.
#include "barcode/BarcodeTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// The settings of one barcode, with the element's defaults.
struct BarcodeParams {
    std::string caption = "4711";       // at most 50 bytes
    std::string addon;                  // EAN/UPC add-on; kept, never drawn
    std::uint8_t codeType = EAN_8;      // btCodeTypes (14 and above fail when encoded)
    std::uint8_t moduleWidth = SC2;     // btCodeSizes
    std::uint8_t ratio = Ratio_3;       // btCodeRatio
    std::int32_t heightPercent = 100;   // 20..200
    std::string fontName = "Arial";     // face of the human-readable line (UTF-8)
    std::int32_t fontScaling = 100;     // 20..200 percent
    bool widthReduce = false;           // every bar one pixel narrower
    bool highDensity = false;           // module width halved
    bool zoomSize = false;              // module positions from the exact width
    std::uint8_t rotation = rotate_000; // btCodeRotate
    bool humanReadable = true;
    std::int32_t splitPosition = 7; // split of the 12-digit CODE25iP text
};

inline constexpr int kMaxCaptionLength = 50;

class SymbolEncoder {
public:
    BarcodeParams& params() { return params_; }
    const BarcodeParams& params() const { return params_; }

    // Character transfer, length and check characters, module encoding.
    // Throws BarcodeError ("ZurazAZ: Code128 error", "Barcode: Unknown Type of
    // Barcode"); a Codabar encoding upper-cases the stored caption.
    void encode();

    const std::string& symbolText() const { return symbol_; }
    // One flag per module, 1 for a bar and 0 for a space.
    const std::vector<std::uint8_t>& Modules() const { return modules_; }
    int moduleCount() const { return static_cast<int>(modules_.size()); }
    // The module row as "1010...".
    std::string moduleString() const;
    // The text of the human-readable line of the last encoding.
    const std::string& readableText() const { return readable_; }

private:
    BarcodeParams params_;
    std::string symbol_;
    std::vector<std::uint8_t> modules_;
    std::string readable_;
};

// The human-readable line of a Code 128 caption walked from the start byte
// (135 set A, 136 set B, 137 set C).
std::string code128Readable(unsigned char startByte, const std::string& caption);
// The human-readable line of a CODE25iP symbol text.
std::string code25iPFormatted(const std::string& symbolText, int splitPosition = 7);
