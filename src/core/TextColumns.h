#pragma once
// Text tables in UTF-8 for a terminal: the width of a text in characters, and padding to a
// column's width (the content tool's listings and the class overview).

#include <string>
#include <string_view>

namespace orvela {

// Characters (not bytes) of a UTF-8 text.
inline std::size_t utf8Length(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

// `s` followed by blanks up to `width` characters.
inline std::string padRight(std::string s, std::size_t width) {
    for (std::size_t n = utf8Length(s); n < width; ++n)
        s += ' ';
    return s;
}

// Blanks before `s` up to `width` characters.
inline std::string padLeft(const std::string& s, std::size_t width) {
    const std::size_t n = utf8Length(s);
    return n >= width ? s : std::string(width - n, ' ') + s;
}

} // namespace orvela
