#include "Horoscope.h"

#include "DataFile.h"
#include "Scrambling.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <stdexcept>

namespace orvela {

const std::array<ZodiacSign, Horoscope::kSigns>& Horoscope::signs() {
    static const std::array<ZodiacSign, kSigns> table{{
        {"Bélier", "mar 21", "-  apr 20", 1, 28, 10, 10, "\u2648"},
        {"Taureau", "apr 21", "-  maj 21", 33, 52, 10, 115, "\u2649"},
        {"Gémeaux", "maj 22", "-  jun 21", 56, 79, 10, 220, "\u264A"},
        {"Cancer", "jun 22", "-  jul 23", 84, 105, 10, 345, "\u264B"},
        {"Lion", "jul 24", "-  aug 23", 109, 130, 112, 345, "\u264C"},
        {"Vierge", "aug 24", "-  sep 23", 134, 154, 224, 345, "\u264D"},
        {"Balance", "sep 24", "-  okt 23", 159, 179, 336, 345, "\u264E"},
        {"Scorpion", "okt 24", "-  nov 22", 183, 201, 440, 345, "\u264F"},
        {"Sagittaire", "nov 23", "-  déc 21", 206, 223, 555, 345, "\u2650"},
        {"Capricorne", "déc 22", "-  jan 20", 228, 259, 520, 224, "\u2651"},
        {"Verseau", "jan 21", "-  feb 19", 264, 293, 520, 115, "\u2652"},
        {"Poissons", "feb 20", "-  mar 20", 298, 323, 512, 5, "\u2653"},
    }};
    return table;
}

const ZodiacSign& Horoscope::sign(int index) {
    if (index < 0 || index >= kSigns) throw std::out_of_range("sign out of range");
    return signs()[static_cast<std::size_t>(index)];
}

std::optional<int> Horoscope::signAt(int x, int y) {
    // The tests run in this order; a later one that holds wins.
    std::optional<int> index;
    if (x < 112 && y < 328 && x >= 0 && y >= 0) index = y / 105;
    if (y > 328 && x >= 0 && x < kPictureWidth && y < kPictureHeight)
        index = std::min(x / 113 + 3, 8);
    if (x > 512 && y < 328 && x < kPictureWidth && y >= 0) index = 11 - y / 105;
    if (index) index = std::clamp(*index, 0, kSigns - 1);
    return index;
}

std::vector<int> Horoscope::drawLines(int first, int last, std::mt19937& random) {
    if (last < first) return {};
    std::vector<int> pool(static_cast<std::size_t>(last - first + 1));
    std::iota(pool.begin(), pool.end(), first);
    const std::size_t wanted = std::min<std::size_t>(kSentences, pool.size());
    // The first steps of a random permutation: each takes one of the remaining lines with equal
    // chance.
    for (std::size_t i = 0; i < wanted; ++i) {
        std::uniform_int_distribution<std::size_t> pick(i, pool.size() - 1);
        std::swap(pool[i], pool[pick(random)]);
    }
    pool.resize(wanted);
    std::sort(pool.begin(), pool.end());
    return pool;
}

std::optional<std::vector<AnsiText>> Horoscope::readLines(const std::filesystem::path& file) {
    LineReader in(file);
    if (file.empty() || !in.isOpen()) return std::nullopt;
    std::vector<AnsiText> lines;
    AnsiText line;
    while (in.next(line))
        lines.push_back(line.empty() ? line : dekryptrad(line));
    return lines;
}

std::optional<std::vector<AnsiText>> Horoscope::Horoscoptext(const std::vector<AnsiText>& file,
                                                             int index, std::mt19937& random) {
    const ZodiacSign& s = sign(index);
    if (static_cast<int>(file.size()) < s.lastLine) return std::nullopt;
    const std::vector<int> chosen = drawLines(s.firstLine, s.lastLine, random);
    std::vector<AnsiText> text;
    text.push_back(AnsiText::ascii("   ") + AnsiText::fromUtf8(s.name));
    std::size_t next = 0;
    int closing = 0;
    for (int n = 1; n <= static_cast<int>(file.size()); ++n) {
        const AnsiText& line = file[static_cast<std::size_t>(n - 1)];
        if (next < chosen.size()) {
            if (n == chosen[next]) {
                text.push_back(line);
                ++next;
            }
        } else if (closing < kClosingLines && !line.empty() && line[0] == '$') {
            text.push_back(line.substr(1));
            ++closing;
        }
        if (next == chosen.size() && closing == kClosingLines) break;
    }
    return text;
}

std::string Horoscope::vocabularyFile(int index) {
    return "FRA" + std::to_string(42001 + std::clamp(index, 0, kSigns - 1)) + ".ORD";
}

std::optional<std::vector<std::pair<AnsiText, AnsiText>>> Horoscope::readVocabulary(
    const std::filesystem::path& file) {
    LineReader in(file);
    if (file.empty() || !in.isOpen()) return std::nullopt;
    std::vector<std::pair<AnsiText, AnsiText>> pairs;
    AnsiText line;
    while (in.next(line)) {
        if (line.empty() || line[0] == ';') continue;
        const std::string s = dekryptrad(line).bytes();
        const std::size_t hash = s.find('#');
        auto trim = [](std::string t) {
            const std::size_t a = t.find_first_not_of(' ');
            if (a == std::string::npos) return std::string();
            return t.substr(a, t.find_last_not_of(' ') - a + 1);
        };
        std::string word = trim(s.substr(0, hash));
        std::string translation = hash == std::string::npos ? std::string() : trim(s.substr(hash + 1));
        if (const std::size_t more = translation.find('#'); more != std::string::npos)
            translation = trim(translation.substr(0, more));
        if (word.empty()) continue;
        pairs.emplace_back(AnsiText(word), AnsiText(translation));
    }
    return pairs;
}

} // namespace orvela
