#pragma once
// The horoscope: the twelve signs with their dates, the lines of the horoscope file each sign
// draws its sentences from, where each sign stands on the star picture, and how a horoscope is
// put together.
//
// The horoscope file is addressed by line number (every line counts, from 1). A sign's pool is a
// fixed range of lines; a horoscope is seven distinct lines of the pool, in file order, followed
// by the first three closing lines ("$" + text) that come after the last of them. Each sign has a
// vocabulary file, "FRA42001.ORD" ... "FRA42012.ORD", of "word#translation" lines.

#include "AnsiText.h"

#include <array>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace orvela {

struct ZodiacSign {
    const char* name;     // UTF-8
    const char* from;     // first date, "mar 21"
    const char* to;       // second date, "-  apr 20"
    int firstLine;        // the pool
    int lastLine;
    int frameLeft;        // the frame around the sign on the star picture
    int frameTop;
    const char* glyph;    // UTF-8, the zodiac character
};

class Horoscope {
public:
    static constexpr int kSigns = 12;
    static constexpr int kSentences = 7;
    static constexpr int kClosingLines = 3;
    static constexpr int kPictureWidth = 640;
    static constexpr int kPictureHeight = 480;
    static constexpr int kFrameWidth = 136;
    static constexpr int kFrameHeight = 126;

    static const std::array<ZodiacSign, kSigns>& signs();
    static const ZodiacSign& sign(int index); // 0..11

    // The sign whose click zone holds (x, y) on the star picture, or nullopt.
    static std::optional<int> signAt(int x, int y);

    // Seven distinct line numbers of the pool first..last, ascending; fewer when the pool is
    // smaller.
    static std::vector<int> drawLines(int first, int last, std::mt19937& random);

    // The lines of the horoscope file, unscrambled; nullopt when it cannot be opened.
    static std::optional<std::vector<AnsiText>> readLines(const std::filesystem::path& file);

    // The horoscope for a sign from the file's lines: "   " + name, the drawn lines in file order,
    // then up to three closing lines. nullopt when the file does not reach the end of the pool.
    static std::optional<std::vector<AnsiText>> Horoscoptext(const std::vector<AnsiText>& file,
                                                             int sign, std::mt19937& random);

    // The vocabulary file name of a sign ("FRA42001.ORD" for index 0).
    static std::string vocabularyFile(int sign);
    // The pairs (word, translation) of a vocabulary file; nullopt when it cannot be opened.
    static std::optional<std::vector<std::pair<AnsiText, AnsiText>>> readVocabulary(
        const std::filesystem::path& file);
};

} // namespace orvela
