#pragma once
// The story starters of the compose-a-story window. The file holds starters of three lines each;
// a line "#" counts one starter and every other line is kept, in file order, so starter n (from 1)
// is made of the kept lines 3n - 2, 3n - 1 and 3n. Only starters whose three lines are all in the
// file are offered.

#include "AnsiText.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvela {

class StoryStarters {
public:
    static constexpr int kLinesPerStarter = 3;

    // Reads the file; false when it cannot be opened.
    bool read(const std::filesystem::path& file);
    // Takes the lines of a file directly (unscrambled as they come).
    void setLines(const std::vector<AnsiText>& fileLines);

    int StarterCount = 0; // starters offered
    int StarterNo = 1;    // the starter on show, 1..StarterCount (1 when there is none)

    // Page Down / Page Up: the next or previous starter, staying within 1..StarterCount.
    void next();
    void previous();
    std::array<AnsiText, kLinesPerStarter> starter(int n) const;
    // "3 of 16"
    std::string counterText() const;

private:
    std::vector<AnsiText> store_;
};

} // namespace orvela
