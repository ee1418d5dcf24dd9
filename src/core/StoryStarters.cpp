#include "StoryStarters.h"

#include "DataFile.h"
#include "Scrambling.h"

#include <algorithm>

namespace orvela {

bool StoryStarters::read(const std::filesystem::path& file) {
    LineReader in(file);
    if (file.empty() || !in.isOpen()) return false;
    std::vector<AnsiText> lines;
    AnsiText line;
    while (in.next(line))
        lines.push_back(line.empty() ? line : dekryptrad(line));
    setLines(lines);
    return true;
}

void StoryStarters::setLines(const std::vector<AnsiText>& fileLines) {
    store_.clear();
    int marks = 0;
    for (const AnsiText& line : fileLines) {
        if (line == AnsiText::ascii("#"))
            ++marks;
        else if (!line.empty())
            store_.push_back(line);
    }
    // A "#" without its three lines offers no starter.
    StarterCount = std::min(marks, static_cast<int>(store_.size()) / kLinesPerStarter);
    StarterNo = 1;
}

void StoryStarters::next() { StarterNo = std::clamp(StarterNo + 1, 1, std::max(1, StarterCount)); }

void StoryStarters::previous() {
    StarterNo = std::clamp(StarterNo - 1, 1, std::max(1, StarterCount));
}

std::array<AnsiText, StoryStarters::kLinesPerStarter> StoryStarters::starter(int n) const {
    std::array<AnsiText, kLinesPerStarter> lines{};
    if (n < 1 || n > StarterCount) return lines;
    for (int k = 0; k < kLinesPerStarter; ++k)
        lines[static_cast<std::size_t>(k)] =
            store_[static_cast<std::size_t>(kLinesPerStarter * (n - 1) + k)];
    return lines;
}

std::string StoryStarters::counterText() const {
    return std::to_string(StarterCount == 0 ? 0 : StarterNo) + " of " + std::to_string(StarterCount);
}

} // namespace orvela
