#pragma once
// The Codabar table, created once and shared by every barcode.
#include <string_view>

class CodabarEncoder {
public:
    static const CodabarEncoder& instance();

    // "0123456789-$:/.+ABCD"; A to D are the start and stop characters.
    std::string_view charset() const;
    bool contains(char c) const;
    static bool isStartStop(char c) { return c >= 'A' && c <= 'D'; }
    // Seven elements, bar first, '1' marking a wide one; c must be in the set.
    std::string_view pattern(char c) const;

private:
    CodabarEncoder() = default;
};
