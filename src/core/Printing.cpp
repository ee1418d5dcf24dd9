#include "Printing.h"

namespace orvela {

namespace {

// The length of the part of a line that continuation lines are indented past: leading spaces,
// then a number ended by "." and the spaces after it.
std::size_t leadLength(const std::string& t) {
    std::size_t i = t.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    std::size_t digits = i;
    while (digits < t.size() && t[digits] >= '0' && t[digits] <= '9') ++digits;
    if (digits > i && digits < t.size() && t[digits] == '.') {
        std::size_t after = t.find_first_not_of(' ', digits + 1);
        if (after != std::string::npos && after > digits + 1) return after;
    }
    return i;
}

} // namespace

WrappedLine wrapPrintLine(Printing& printer, const AnsiText& text, int width) {
    WrappedLine out;
    if (width <= 0 || printer.textWidth(text) <= width) {
        out.lines.push_back(text);
        return out;
    }
    const std::string& t = text.bytes();
    const std::size_t lead = leadLength(t);
    out.indent = printer.textWidth(AnsiText(t.substr(0, lead)));
    // A lead that leaves less than half the width is not worth keeping.
    if (out.indent > width / 2) out.indent = 0;

    auto fits = [&](std::size_t from, std::size_t to, int room) {
        return printer.textWidth(AnsiText(t.substr(from, to - from))) <= room;
    };
    std::size_t start = 0;
    bool first = true;
    while (start < t.size()) {
        const int room = first ? width : width - out.indent;
        // The longest piece from `start` that fits (at least one character).
        std::size_t lo = start + 1, hi = t.size();
        if (fits(start, hi, room)) {
            lo = hi;
        } else {
            while (hi - lo > 1) {
                const std::size_t mid = lo + (hi - lo) / 2;
                (fits(start, mid, room) ? lo : hi) = mid;
            }
        }
        std::size_t end = lo;
        std::size_t next = end;
        if (end < t.size()) {
            // Back to the last space inside the piece, past the lead of the first line.
            const std::size_t floor = first ? std::max(lead, start) : start;
            const std::size_t space = t[end] == ' ' ? end : t.rfind(' ', end - 1);
            if (space != std::string::npos && space > floor) {
                end = space;
                next = space;
            }
        }
        std::size_t last = end;
        while (last > start && t[last - 1] == ' ') --last;
        out.lines.push_back(AnsiText(t.substr(start, (last > start ? last : end) - start)));
        while (next < t.size() && t[next] == ' ') ++next;
        start = next;
        first = false;
    }
    return out;
}

} // namespace orvela
