#pragma once
// The POSTNET and FIM table, created once and shared by every barcode.
#include <string_view>

class PostnetEncoder {
public:
    static const PostnetEncoder& instance();

    std::string_view charset() const { return "0123456789"; }
    // Five bars of a digit, '1' full and '0' half.
    std::string_view digitPattern(char digit) const;
    // Nine modules of FIM-A (which 0), FIM-B (1) or FIM-C (2), '1' a bar.
    std::string_view fimPattern(int which) const;

private:
    PostnetEncoder() = default;
};
