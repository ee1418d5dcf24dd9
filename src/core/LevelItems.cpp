#include "LevelItems.h"

#include "DataFile.h"
#include "Scrambling.h"

namespace orvela {

namespace {

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

std::size_t leadingDigits(const AnsiText& line) {
    std::size_t n = 0;
    while (n < line.size() && isDigit(line[n])) ++n;
    return n;
}

std::string lineText(int lineNumber) {
    return "Rad " + std::to_string(lineNumber) + ": ";
}

} // namespace

int LevelItems::levelOf(const AnsiText& line, std::size_t& digits) {
    digits = leadingDigits(line);
    if (digits == 0 || digits > 2) return 0;
    std::size_t hash = line.bytes().find('#');
    if (hash == std::string::npos || hash < 1) return 0;
    int level = 0;
    for (std::size_t i = 0; i < digits; ++i) level = level * 10 + (line[i] - '0');
    return level >= 1 && level <= kMaxLevels ? level : 0;
}

AnsiText LevelItems::withoutLevel(const AnsiText& line) {
    std::size_t digits = std::min<std::size_t>(leadingDigits(line), 2);
    return line.substr(digits);
}

int LevelItems::itemCount(int level) const {
    if (level < 1 || level > kMaxLevels) return 0;
    return static_cast<int>(items_[static_cast<std::size_t>(level)].size());
}

const AnsiText& LevelItems::item(int level, int k) const {
    return items_.at(static_cast<std::size_t>(level)).at(static_cast<std::size_t>(k - 1));
}

bool LevelItems::read(const std::filesystem::path& path) {
    LineReader reader(path);
    if (path.empty() || !reader.isOpen()) return false;
    std::vector<AnsiText> lines;
    AnsiText line;
    while (reader.next(line)) lines.push_back(line);
    readLines(lines);
    return true;
}

void LevelItems::readLines(const std::vector<AnsiText>& lines) {
    for (auto& level : items_) level.clear();
    problems_.clear();
    levelCount_ = 0;
    std::array<int, kMaxLevels + 1> found{};
    int lineNumber = 0;
    for (const AnsiText& raw : lines) {
        ++lineNumber;
        if (!isItemLine(raw)) continue;
        const AnsiText line = dekryptrad(raw);
        std::size_t digits = 0;
        const int level = levelOf(line, digits);
        if (level == 0) {
            const std::string number = line.substr(0, digits).toUtf8();
            if (digits > 2)
                problems_.push_back(lineText(lineNumber) + "nivån " + number +
                                    " har fler än två siffror; raden används inte.");
            else if (digits == 0)
                problems_.push_back(lineText(lineNumber) +
                                    "raden börjar inte med ett nivånummer och används inte.");
            else if (line.bytes().find('#') == std::string::npos)
                problems_.push_back(lineText(lineNumber) +
                                    "raden har inget # efter frågan och används inte.");
            else
                problems_.push_back(lineText(lineNumber) + "nivå " + number +
                                    " finns inte (nivåerna är 1–20); raden används inte.");
            continue;
        }
        auto& list = items_[static_cast<std::size_t>(level)];
        ++found[static_cast<std::size_t>(level)];
        if (static_cast<int>(list.size()) < kMaxItemsPerLevel) list.push_back(withoutLevel(line));
    }
    for (int level = 1; level <= kMaxLevels; ++level) {
        const int n = found[static_cast<std::size_t>(level)];
        if (n > kMaxItemsPerLevel)
            problems_.push_back("Nivå " + std::to_string(level) + " har " + std::to_string(n) +
                                " uppgifter; bara de första " +
                                std::to_string(kMaxItemsPerLevel) + " används.");
    }
    while (levelCount_ < kMaxLevels && !items_[static_cast<std::size_t>(levelCount_ + 1)].empty())
        ++levelCount_;
    for (int level = levelCount_ + 2; level <= kMaxLevels; ++level) {
        if (items_[static_cast<std::size_t>(level)].empty()) continue;
        problems_.push_back("Nivå " + std::to_string(levelCount_ + 1) +
                            " saknas; nivåerna efter den används inte.");
        break;
    }
}

} // namespace orvela
