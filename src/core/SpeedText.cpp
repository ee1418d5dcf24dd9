#include "SpeedText.h"

#include "DataFile.h"
#include "Scrambling.h"
#include "Shell.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvela {

std::optional<std::vector<std::vector<AnsiText>>> SpeedText::readTexts(
    const std::filesystem::path& file) {
    LineReader in(file);
    if (file.empty() || !in.isOpen()) return std::nullopt;
    std::vector<std::vector<AnsiText>> texts;
    AnsiText line;
    while (in.next(line)) {
        AnsiText plain = dekryptrad(line);
        if (Shell::MellanslagBort(plain) == AnsiText::ascii("#")) {
            texts.emplace_back();
            continue;
        }
        if (texts.empty() || static_cast<int>(texts.back().size()) >= kLinesMax) continue;
        plain.truncate(kLineMax);
        texts.back().push_back(plain);
    }
    return texts;
}

void SpeedText::load(const std::vector<AnsiText>& lines) {
    lines_.clear();
    words_.clear();
    rubbed_ = 0;
    WordTotal = 0;
    LetterTotal = 0;
    for (AnsiText l : lines) {
        if (static_cast<int>(lines_.size()) >= kLinesMax) break;
        l.truncate(kLineMax);
        lines_.push_back(l);
    }
    for (std::size_t n = 0; n < lines_.size(); ++n) {
        const std::string& s = lines_[n].bytes();
        std::size_t pos = 0;
        while (pos < s.size()) {
            // Spaces before the first word of a line, or doubled, belong to no word.
            if (s[pos] == ' ') {
                ++pos;
                continue;
            }
            const std::size_t space = s.find(' ', pos);
            const std::size_t end = space == std::string::npos ? s.size() : space + 1;
            Word w;
            w.line = static_cast<int>(n) + 1;
            w.charPos = static_cast<int>(pos) + 1;
            w.text = AnsiText(s.substr(pos, end - pos));
            words_.push_back(w);
            for (std::size_t i = pos; i < end; ++i)
                if (s[i] != ' ') ++LetterTotal;
            pos = end;
        }
        if (!words_.empty() && words_.back().line == static_cast<int>(n) + 1)
            words_.back().endsLine = true;
    }
    WordTotal = static_cast<int>(words_.size());
}

std::string SpeedText::wordsText() const { return std::to_string(WordTotal) + " ord"; }

std::string SpeedText::lettersText() const {
    return std::to_string(LetterTotal) + " bokstäver";
}

std::string SpeedText::lettersPerWordText() const {
    const double perWord = WordTotal > 0 ? static_cast<double>(LetterTotal) / WordTotal : 0.0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", perWord);
    std::string s = buf;
    std::replace(s.begin(), s.end(), '.', ',');
    return s + " bokstäver per ord";
}

const SpeedText::Word* SpeedText::SuddaOrd() {
    if (done()) return nullptr;
    return &words_[static_cast<std::size_t>(rubbed_++)];
}

int SpeedText::intervalMs(int position) {
    return 1000 - std::clamp(position, kSlowest, kFastest);
}

int SpeedText::wordsPerMinute(int position) {
    return static_cast<int>(std::lround(1000.0 / intervalMs(position) * 60.0));
}

std::string SpeedText::speedText(int position) {
    return std::to_string(wordsPerMinute(position)) + " ord / min";
}

std::string SpeedText::closingMessage(int seconds) const {
    const int time = std::max(seconds, 0);
    const long speed = std::lround(static_cast<double>(WordTotal) / std::max(time, 1) * 60.0);
    return "Övningen är nu avslutad. Den tog " + std::to_string(time) + " sekunder och " +
           "din läshastighet var " + std::to_string(speed) + " ord per minut.";
}

} // namespace orvela
