// Judging a typed answer against the expected answer and its alternatives, and the error lamp's
// green/red colour while the pupil types.

#include "Shell.h"

namespace orvela {

namespace {

bool isEdgePunctuation(unsigned char c) {
    return c == '!' || c == ',' || c == '.' || c == '?' || c == 168 || c == 173;
}

void stripEdgePunctuation(std::string& s) {
    if (!s.empty() && isEdgePunctuation(static_cast<unsigned char>(s.front()))) s.erase(0, 1);
    if (!s.empty() && isEdgePunctuation(static_cast<unsigned char>(s.back()))) s.pop_back();
}

} // namespace

AnsiText Shell::MellanslagBort(const AnsiText& text) {
    if (text.empty()) return text;
    std::string s = text.bytes();
    std::size_t lead = 0;
    while (lead < s.size() && s[lead] == ' ') ++lead;
    s.erase(0, lead);
    while (s.size() > 1 && s.back() == ' ') s.pop_back();
    if (s.size() > 3) {
        std::string out;
        out.reserve(s.size());
        for (char c : s)
            if (!(c == ' ' && !out.empty() && out.back() == ' ')) out.push_back(c);
        s = std::move(out);
    }
    return AnsiText(std::move(s));
}

std::uint16_t Shell::svarstest(const AnsiText& expected, const AnsiText& typed, int mode) const {
    if (typed.empty()) return 6000;
    std::uint16_t result = 60000;
    const int passes = s_.AltFieldCount + 1;
    int last = 2; // the highest filled field from 10 down to 3, else 2
    for (int k = 10; k >= 3; --k) {
        if (!s_.ItemFields[static_cast<std::size_t>(k)].empty()) {
            last = k;
            break;
        }
    }
    for (int r = 1; result == 60000 && r <= passes; ++r) {
        AnsiText candidate = expected;
        if (r >= 2) {
            int index = last - r + 2;
            if (index < 1 || index > 10) break;
            candidate = s_.ItemFields[static_cast<std::size_t>(index)];
            if (!candidate.empty() && candidate.front() == '&') candidate = candidate.substr(1);
        }
        std::string cand = MellanslagBort(candidate).bytes();
        std::string typ = MellanslagBort(typed).bytes();
        if (mode == 1 || mode == 3 || mode == 4) {
            stripEdgePunctuation(cand);
            stripEdgePunctuation(typ);
            if (cand == typ) result = 0;
        }
        switch (mode) {
        case 0:
        case 1:
            if (cand == typ) result = 0;
            break;
        case 2:
        case 3:
            if (toUpper(AnsiText(cand)) == toUpper(AnsiText(typ))) result = 0;
            break;
        case 4:
            if (result != 0 && toUpper(AnsiText(cand)) == toUpper(AnsiText(typ))) {
                int places = 0;
                for (std::size_t i = 0; i < cand.size() && i < typ.size() && places < 5; ++i) {
                    bool wordStart = i == 0 || cand[i - 1] == ' ';
                    unsigned char c = static_cast<unsigned char>(cand[i]);
                    unsigned char t = static_cast<unsigned char>(typ[i]);
                    if (wordStart && ansiUpper(c) == c && ansiLower(c) != c && c + 32 == t)
                        ++places;
                }
                result = places > 0 ? static_cast<std::uint16_t>(10 + places) : 60000;
            }
            break;
        default: break;
        }
    }
    return result;
}

int Shell::GreenRedTest(const AnsiText& typedText, const AnsiText& expected) const {
    if (typedText.empty()) return 2;
    const std::string typed =
        typedText.front() == ' ' ? typedText.bytes().substr(1) : typedText.bytes();
    auto isBeginningOf = [&typed](const std::string& answer) {
        return typed.size() <= answer.size() && answer.compare(0, typed.size(), typed) == 0;
    };
    if (isBeginningOf(expected.bytes())) return 1;
    for (int k = 0; k < s_.AltFieldCount; ++k) {
        int index = s_.ItemFieldCount - k;
        if (index < 1) break;
        if (isBeginningOf(s_.ItemFields[static_cast<std::size_t>(index)].bytes())) return 1;
    }
    return 2;
}

} // namespace orvela
