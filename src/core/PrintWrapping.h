#pragma once
// Breaking a printed line at spaces so that no part is wider than the room on the page; a word
// wider than the room on its own is cut where it stops fitting.

#include "Printing.h"

#include <vector>

namespace orvela {

inline std::vector<AnsiText> wrapToWidth(Printing& printer, const AnsiText& line, int room) {
    std::vector<AnsiText> parts;
    const std::string& s = line.bytes();
    if (printer.textWidth(line) <= room) return {line};
    std::size_t start = 0;
    while (start < s.size()) {
        // The longest run from `start` that fits, ended at a space when there is one.
        std::size_t end = start;
        std::size_t lastSpace = std::string::npos;
        while (end < s.size() && printer.textWidth(AnsiText(s.substr(start, end + 1 - start))) <= room) {
            if (s[end] == ' ') lastSpace = end;
            ++end;
        }
        if (end >= s.size()) {
            parts.emplace_back(s.substr(start));
            break;
        }
        std::size_t cut = lastSpace != std::string::npos && lastSpace > start ? lastSpace : end;
        if (cut == start) cut = start + 1; // not even one character fits: print it anyway
        parts.emplace_back(s.substr(start, cut - start));
        start = cut;
        while (start < s.size() && s[start] == ' ') ++start;
    }
    if (parts.empty()) parts.push_back(line);
    return parts;
}

} // namespace orvela
