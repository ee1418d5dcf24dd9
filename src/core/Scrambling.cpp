#include "Scrambling.h"

namespace orvela {

namespace {

constexpr unsigned kOddOffset = 9;
constexpr unsigned kEvenOffset = 4;

std::string transform(const std::string& s) {
    std::string out = s;
    for (std::size_t k = 0; k < out.size(); ++k) {
        std::size_t i = k + 1; // 1-based position
        unsigned key = (static_cast<unsigned>(i / 2) + (i % 2 ? kOddOffset : kEvenOffset)) & 0xFF;
        unsigned c = static_cast<unsigned char>(out[k]);
        unsigned x = c ^ key;
        if (x >= 32) out[k] = static_cast<char>(x);
    }
    return out;
}

bool neverScrambled(const AnsiText& line) {
    if (line.empty()) return true;
    unsigned char c = line.front();
    return c == ';' || c == '$' || c == '#';
}

} // namespace

AnsiText kryptrad(const AnsiText& line) {
    if (neverScrambled(line) || line.front() == kScrambleMarker) return line;
    return AnsiText(transform("#" + line.bytes()));
}

AnsiText dekryptrad(const AnsiText& line) {
    if (neverScrambled(line) || line.front() != kScrambleMarker) return line;
    return AnsiText(transform(line.bytes()).substr(1));
}

} // namespace orvela
