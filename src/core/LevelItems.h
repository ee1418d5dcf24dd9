#pragma once
// The items of a graded-level data file, grouped by level. An item line begins with its level,
// one or two digits from 1 to 20, directly in front of the first field: "3quatre-vingts#80".
// Comment, header and empty lines are no items (as everywhere); scrambled lines are read
// unscrambled. The number of levels is the unbroken run 1, 2, 3 ... of levels that have items.
//
// Counting and fetching are one pass over the file with one test for an item line, so every
// counted item can be fetched. What cannot be used is reported, line by line, in Swedish: a
// level of three or more digits, a level outside 1 to 20, an item line without a level or
// without a "#", a level with more than 120 items (the rest are left out), levels after a gap.

#include "AnsiText.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace orvela {

class LevelItems {
public:
    static constexpr int kMaxLevels = 20;
    static constexpr int kMaxItemsPerLevel = 120;

    // Reads the file; false when it cannot be opened.
    bool read(const std::filesystem::path& path);
    // The same from the lines of a file (for a file already read).
    void readLines(const std::vector<AnsiText>& lines);

    // The number of levels (the unbroken run from level 1).
    int levelCount() const { return levelCount_; }
    // Items of a level 1..20 (0 outside).
    int itemCount(int level) const;
    // Item k (1-based) of a level: the unscrambled line without its level digits.
    const AnsiText& item(int level, int k) const;
    // What could not be used, one sentence per finding (UTF-8).
    const std::vector<std::string>& problems() const { return problems_; }

    // The level of an unscrambled item line and the number of its digits: 0 when it has no level
    // of one or two digits directly followed by a field (three digits, no digit, no "#").
    static int levelOf(const AnsiText& line, std::size_t& digits);
    // The line without its leading level digits (one or two).
    static AnsiText withoutLevel(const AnsiText& line);

private:
    std::array<std::vector<AnsiText>, kMaxLevels + 1> items_; // index 0 unused
    int levelCount_ = 0;
    std::vector<std::string> problems_;
};

} // namespace orvela
