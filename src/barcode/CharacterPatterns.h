#pragma once
// A symbology's characters and the bar and space pattern of each, in the same
// order (Code 39, Codabar): '1' marks a wide element, bar first.
#include <string_view>

struct CharacterPatterns {
    std::string_view charset;
    const std::string_view* patterns; // one per character of charset

    bool contains(char c) const { return c != '\0' && charset.find(c) != std::string_view::npos; }
    // c must be in the set.
    std::string_view pattern(char c) const { return patterns[charset.find(c)]; }
};
