#pragma once
// The Code 39 table, created once and shared by every barcode.
#include <string_view>

class Code39Encoder {
public:
    static const Code39Encoder& instance();

    // "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*", the start/stop "*" last.
    std::string_view charset() const;
    bool contains(char c) const;
    // Nine elements, bar first, '1' marking a wide one; c must be in the set.
    std::string_view pattern(char c) const;

private:
    Code39Encoder() = default;
};
