#include "ContentText.h"

#include "AnsiText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace orvela {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The length of the valid UTF-8 sequence at `i` (1 for ASCII), or 0 when there is none there.
// Overlong forms, surrogates and code points above U+10FFFF are not valid.
std::size_t sequenceLength(std::string_view s, std::size_t i, char32_t& cp) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    std::size_t n;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        n = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3, cp = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

// The number of ASCII bytes from `i` on, eight at a time where it can: content files are mostly
// ASCII, and every file is looked at byte by byte when it is read.
std::size_t asciiRun(std::string_view s, std::size_t i) {
    std::size_t j = i;
    for (; j + 8 <= s.size(); j += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + j, 8);
        if (word & 0x8080808080808080ull) break;
    }
    while (j < s.size() && static_cast<unsigned char>(s[j]) < 0x80)
        ++j;
    return j - i;
}

bool validUtf8WithHighBytes(std::string_view s) {
    bool high = false;
    char32_t cp;
    for (std::size_t i = 0; i < s.size();) {
        i += asciiRun(s, i);
        if (i >= s.size()) break;
        const std::size_t n = sequenceLength(s, i, cp);
        if (n == 0) return false;
        high = high || n > 1;
        i += n;
    }
    return high;
}

// The Windows-1252 byte of a code point; the five bytes Windows-1252 leaves undefined come back
// as themselves (they occur in scrambled lines that an editor carried over into UTF-8).
unsigned char ansiByte(char32_t cp) {
    if (cp == 0x81 || cp == 0x8D || cp == 0x8F || cp == 0x90 || cp == 0x9D)
        return static_cast<unsigned char>(cp);
    return unicodeToAnsi(cp);
}

std::string codePoint(char32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

std::string byteHex(unsigned char b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", b);
    return buf;
}

} // namespace

ContentText ContentText::decode(std::string_view raw) {
    ContentText t;
    if (raw.starts_with(kBom)) {
        raw.remove_prefix(kBom.size());
        t.encoding_ = Encoding::Utf8WithBom;
    } else if (validUtf8WithHighBytes(raw)) {
        t.encoding_ = Encoding::Utf8;
    } else {
        t.bytes_ = std::string(raw);
        return t;
    }
    t.bytes_.reserve(raw.size());
    // Line numbers are counted only for a problem.
    int line = 1;
    std::size_t counted = 0;
    auto lineAt = [&](std::size_t at) {
        line += static_cast<int>(std::count(raw.begin() + static_cast<std::ptrdiff_t>(counted),
                                            raw.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
        counted = at;
        return line;
    };
    for (std::size_t i = 0; i < raw.size();) {
        const std::size_t run = asciiRun(raw, i);
        t.bytes_.append(raw.substr(i, run));
        i += run;
        if (i >= raw.size()) break;
        char32_t cp = 0;
        const std::size_t n = sequenceLength(raw, i, cp);
        if (n == 0) {
            // Only in a file marked as UTF-8: the byte stays as its Windows-1252 character.
            const unsigned char b = static_cast<unsigned char>(raw[i]);
            t.problems_.push_back(
                {lineAt(i), "ogiltig UTF-8 (byten " + byteHex(b) +
                                ") i en fil som är märkt som UTF-8; läses som \"" +
                                AnsiText(std::string(1, raw[i])).toUtf8() + "\""});
            t.bytes_.push_back(raw[i]);
            ++i;
            continue;
        }
        const unsigned char a = ansiByte(cp);
        if (a == 0 && cp != 0) {
            t.problems_.push_back(
                {lineAt(i), "tecknet \"" + std::string(raw.substr(i, n)) + "\" (" + codePoint(cp) +
                                ") finns inte i Windows-1252 och läses som \"?\""});
            t.bytes_.push_back('?');
        } else {
            t.bytes_.push_back(static_cast<char>(a));
        }
        i += n;
    }
    return t;
}

std::vector<ContentText::Problem> ContentText::misdecodedUtf8(std::string_view ansi) {
    std::vector<Problem> found;
    int line = 1;
    int reportedLine = 0;
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(ansi[i]);
        if (b == '\n') {
            ++line;
            continue;
        }
        // "Â", "Ã" or "Å" (the lead bytes of Latin letters and signs) or "â" (of typographic
        // quotes and dashes: "â€™" for "’") followed by characters whose bytes are UTF-8
        // continuation bytes.
        if ((b != 0xC2 && b != 0xC3 && b != 0xC5 && b != 0xE2) || reportedLine == line) continue;
        char32_t cp;
        const std::size_t n = sequenceLength(ansi, i, cp);
        if (n < 2) continue;
        const unsigned char meant = unicodeToAnsi(cp);
        if (meant == 0) continue;
        found.push_back({line, "\"" + AnsiText(std::string(ansi.substr(i, n))).toUtf8() +
                                   "\" ser ut som felavkodad UTF-8 (troligen \"" +
                                   AnsiText(std::string(1, static_cast<char>(meant))).toUtf8() +
                                   "\"); spara filen som UTF-8 eller rätta tecknen"});
        reportedLine = line;
    }
    return found;
}

} // namespace orvela
