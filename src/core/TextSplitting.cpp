// Breaking a text into at most two or three lines that fit a width, never inside a "<" ... ">"
// group, and cutting a text with marked gaps into its parts.

#include "Shell.h"

#include <algorithm>
#include <cmath>

namespace orvela {

namespace {

bool isBreakCharacter(unsigned char c) {
    return c == ' ' || c == ',' || c == '-' || c == '.' || c == '>';
}

bool isWordCharacter(unsigned char c) {
    return c >= 32 && c <= 254 && c != ',' && c != '-' && c != '.' && c != '<' && c != '>';
}

// Rounds to the nearest integer, halves to even.
int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The position of the "<" of the group that is open at 0-based position p, or npos.
std::size_t openGroupStart(const std::string& t, std::size_t p) {
    std::size_t start = std::string::npos;
    for (std::size_t i = 0; i <= p && i < t.size(); ++i) {
        if (t[i] == '<') start = i;
        else if (t[i] == '>') start = std::string::npos;
    }
    return start;
}

} // namespace

FontSpec Shell::splittingFont() const {
    FontSpec font;
    font.bold = true;
    int p = s_.ProgramNumber;
    if (p == 32000 || p == 51220 || p == 51400)
        font.pointSize = 22;
    else if (p == 38100 || p == 38200 || p == 44000 || p == 51000)
        font.pointSize = 12;
    else if (p >= 61051 && p <= 61112)
        font.pointSize = 18;
    else
        font.pointSize = 14;
    return font;
}

void Shell::dela_mening(int left, int right, const AnsiText& text, int maxLines) {
    maxLines = std::clamp(maxLines, 1, 3);
    for (std::size_t k = 1; k <= 3; ++k) s_.SplitLines[k].clear();
    FontSpec font = splittingFont();
    if (s_.StartCaptionWanted) font.pointSize = 8;
    s_.StartCaptionWanted = false;
    if (text.empty()) return;

    const double scale = s_.ScalePercent ? s_.ScalePercent : 100;
    const int limit = roundHalfEven((right - left) * 100.0 / scale);
    const std::string& t = text.bytes();
    auto width = [&](std::size_t from, std::size_t to) { // [from, to)
        if (!services_.measure) return static_cast<int>(to - from) * 8;
        return services_.measure->textWidth(AnsiText(t.substr(from, to - from)), font);
    };
    auto setLine = [&](int n, std::size_t from, std::size_t to) {
        if (n >= 1 && n <= 3) s_.SplitLines[static_cast<std::size_t>(n)] = AnsiText(t.substr(from, to - from));
    };

    std::size_t s = 0; // start of the current line
    int n = 1;
    std::size_t p = 0;
    while (p < t.size()) {
        if (width(s, p + 1) <= limit) {
            // A text grows no narrower as characters are added: the longest part from s that
            // still fits is found by halving, not by measuring every character's prefix.
            std::size_t fits = p + 1, tooLong = t.size() + 1;
            while (tooLong - fits > 1) {
                std::size_t mid = fits + (tooLong - fits) / 2;
                (width(s, mid) <= limit ? fits : tooLong) = mid;
            }
            p = fits;
            continue;
        }
        const std::size_t overflow = p;
        std::size_t groupStart = openGroupStart(t, p);
        bool moved = false;
        if (groupStart != std::string::npos) {
            // The whole group moves to the next line.
            if (groupStart > s) {
                p = groupStart - 1;
                moved = true;
            } else {
                // A group that does not fit on a line of its own stays whole on this one.
                std::size_t close = t.find('>', groupStart);
                p = close == std::string::npos ? t.size() - 1 : close;
                moved = true;
            }
        } else if (isWordCharacter(static_cast<unsigned char>(t[p]))) {
            while (p > 0 && !isBreakCharacter(static_cast<unsigned char>(t[p]))) --p;
            moved = true;
        }
        if (moved && p == 0 && s == 0 && !isBreakCharacter(static_cast<unsigned char>(t[0]))) {
            // One word longer than the whole line: cut it where it stops fitting.
            std::size_t fit = 0;
            while (fit < t.size() && width(0, fit + 1) < limit) ++fit;
            setLine(1, 0, fit);
            setLine(2, fit, t.size());
            s_.SplitLines[3].clear();
            s = t.size();
            break;
        }
        if (p < s) {
            // A word longer than a later line: cut it where it stops fitting.
            p = overflow > s ? overflow - 1 : s;
        }
        setLine(n, s, p + 1);
        s = p + 1;
        ++n;
        if (n > maxLines) break;
        p = s;
    }
    if (n <= maxLines && s < t.size()) setLine(n, s, t.size());

    for (std::size_t k = 1; k <= 3; ++k) {
        std::string& line = s_.SplitLines[k].bytes();
        line.erase(0, std::min(line.find_first_not_of(' '), line.size()));
    }
}

void Shell::LetaPrep(const AnsiText& text) {
    for (std::size_t k = 1; k <= 5; ++k) s_.PrepParts[k].clear();
    std::size_t k = 1;
    for (unsigned char c : text.bytes()) {
        if (c == '<' || c == '>') {
            if (k < 5) ++k;
        } else {
            s_.PrepParts[k].push_back(c);
        }
    }
}

} // namespace orvela
