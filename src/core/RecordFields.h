#pragma once
// The fields of the program's fixed-size record files, each encoded byte by byte
// (little-endian numbers, strings as a length byte and Windows-1252 characters), never by copying
// a struct. Used by the diagnosis records, the record tables and the level store.

#include "AnsiText.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvela::recordfields {

inline void putU16(std::string& out, std::size_t offset, std::uint16_t v) {
    out[offset] = static_cast<char>(v & 0xFF);
    out[offset + 1] = static_cast<char>(v >> 8);
}

inline std::uint16_t getU16(std::string_view in, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(in[offset]) |
                                      static_cast<unsigned char>(in[offset + 1]) << 8);
}

inline void putI32(std::string& out, std::size_t offset, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t k = 0; k < 4; ++k)
        out[offset + k] = static_cast<char>((u >> (8 * k)) & 0xFF);
}

inline std::int32_t getI32(std::string_view in, std::size_t offset) {
    std::uint32_t u = 0;
    for (std::size_t k = 0; k < 4; ++k)
        u |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[offset + k])) << (8 * k);
    return static_cast<std::int32_t>(u);
}

// A length byte and at most `max` characters (a longer text is cut).
inline void putString(std::string& out, std::size_t offset, const AnsiText& text, std::size_t max) {
    const std::size_t n = std::min(text.size(), max);
    out[offset] = static_cast<char>(n);
    for (std::size_t i = 0; i < n; ++i)
        out[offset + 1 + i] = static_cast<char>(text[i]);
}

// A length byte above `max` is read as `max`.
inline AnsiText getString(std::string_view in, std::size_t offset, std::size_t max) {
    const std::size_t n = std::min<std::size_t>(static_cast<unsigned char>(in[offset]), max);
    return AnsiText(std::string(in.substr(offset + 1, n)));
}

} // namespace orvela::recordfields
