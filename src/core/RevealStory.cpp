#include "RevealStory.h"

#include "DataFile.h"
#include "Scrambling.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace orvela {

std::optional<std::vector<std::vector<AnsiText>>> RevealStory::readTexts(
    const std::filesystem::path& file) {
    LineReader in(file);
    if (file.empty() || !in.isOpen()) return std::nullopt;
    std::vector<std::vector<AnsiText>> texts;
    AnsiText line;
    while (in.next(line)) {
        const AnsiText plain = dekryptrad(line);
        if (!plain.empty() && plain[0] == '#')
            texts.emplace_back();
        else if (!texts.empty())
            texts.back().push_back(plain);
    }
    return texts;
}

bool RevealStory::isTrailingPunctuation(unsigned char c) {
    return c == '.' || c == ',' || c == '!' || c == '?' || c == ';' || c == ':';
}

AnsiText RevealStory::maskOf(const AnsiText& word) {
    if (word.empty()) return word;
    if (word.back() == '-') return AnsiText::ascii("-");
    AnsiText mask;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const unsigned char c = word[i];
        const bool kept = i > 0 && (c == '.' || c == ',' || c == '!' || c == '?' || c == '-');
        mask.push_back(kept ? c : '*');
    }
    return mask;
}

AnsiText RevealStory::withoutTrailingPunctuation(const AnsiText& word) {
    std::size_t n = word.size();
    while (n > 0 && isTrailingPunctuation(word[n - 1])) --n;
    return word.substr(0, n);
}

std::size_t RevealStory::index(int t) {
    if (t < 1 || t > kSlots) throw std::out_of_range("slot out of range");
    return static_cast<std::size_t>(t - 1);
}

const AnsiText& RevealStory::speaker(int line) const {
    if (line < 1 || line > kLines) throw std::out_of_range("line out of range");
    return speakers_[static_cast<std::size_t>(line - 1)];
}

void RevealStory::Getwords(const std::vector<AnsiText>& lines) {
    words_.fill(AnsiText());
    masks_.fill(AnsiText());
    bare_.fill(AnsiText());
    withPunct_.fill(AnsiText());
    revealed_.fill(false);
    speakers_.fill(AnsiText());
    wordList_.clear();
    WordCount = 0;
    Tries = 0;
    Rights = 0;
    revealedWords_ = 0;

    // Lines without any word (blank lines) take no row.
    int row = 0;
    for (const AnsiText& raw : lines) {
        if (row == kLines) break; // the surplus lines are left out
        std::string s = raw.bytes();
        AnsiText speaker;
        const std::size_t lead = s.find_first_not_of(' ');
        if (lead != std::string::npos && s[lead] == '<') {
            const std::size_t close = s.find('>', lead);
            if (close != std::string::npos) {
                speaker = AnsiText(s.substr(lead + 1, close - lead - 1));
                s.erase(0, close + 1);
            }
        }
        std::vector<AnsiText> lineWords;
        std::size_t pos = 0;
        while (pos < s.size()) {
            const std::size_t end = std::min(s.find(' ', pos), s.size());
            if (end > pos) lineWords.emplace_back(s.substr(pos, end - pos)); // double blanks skipped
            pos = end + 1;
        }
        if (lineWords.empty() && speaker.empty()) continue;
        if (!speaker.empty()) speaker.push_back(':');
        speakers_[static_cast<std::size_t>(row)] = speaker;
        const int count = std::min<int>(kWordsPerLine, static_cast<int>(lineWords.size()));
        for (int k = 0; k < count; ++k) {
            AnsiText w = lineWords[static_cast<std::size_t>(k)];
            w.truncate(kWordMax);
            const auto slot = static_cast<std::size_t>(row * kWordsPerLine + k);
            words_[slot] = w;
            masks_[slot] = maskOf(w);
            bare_[slot] = withoutTrailingPunctuation(w);
            withPunct_[slot] = w;
            if (w[0] != '-') {
                ++WordCount;
                if (!bare_[slot].empty()) wordList_.push_back(bare_[slot]);
            }
        }
        ++row;
    }
    // Sorted as a pupil looks words up: letter case aside, then capitals first.
    std::sort(wordList_.begin(), wordList_.end(), [](const AnsiText& a, const AnsiText& b) {
        const AnsiText la = toLower(a);
        const AnsiText lb = toLower(b);
        return la != lb ? la < lb : a < b;
    });
}

void RevealStory::reveal(int t, const AnsiText& display) {
    const std::size_t i = index(t);
    masks_[i] = display;
    withPunct_[i].clear();
    revealed_[i] = true;
    if (words_[i][0] != '-') ++revealedWords_;
}

bool RevealStory::utruta(int t, const AnsiText& dropped) {
    if (t < 1 || t > kSlots || !used(t) || revealed(t) || dropped.empty()) return false;
    ++Tries;
    if (dropped != bare_[index(t)]) return false;
    reveal(t, words_[index(t)]);
    ++Rights;
    auto it = std::find(wordList_.begin(), wordList_.end(), dropped);
    if (it != wordList_.end()) wordList_.erase(it);
    return true;
}

int RevealStory::Textkoll(const AnsiText& guess) {
    if (guess.empty() || guess == AnsiText::ascii("-")) return 0;
    int found = 0;
    for (int t = 1; t <= kSlots; ++t) {
        const AnsiText& entry = withPunct_[index(t)];
        if (entry.empty()) continue;
        if (guess == entry || guess == withoutTrailingPunctuation(entry)) {
            reveal(t, words_[index(t)]);
            ++Rights;
            ++Tries;
            ++found;
            // A revealed word is no longer offered for dragging.
            auto it = std::find(wordList_.begin(), wordList_.end(), bare_[index(t)]);
            if (it != wordList_.end()) wordList_.erase(it);
        }
    }
    if (found == 0) ++Tries;
    return found;
}

int RevealStory::rightPercent() const {
    if (Rights <= 0 || Tries <= 0) return 0;
    return static_cast<int>(std::lround(100.0 * Rights / Tries));
}

int RevealStory::solvedPercent() const {
    if (WordCount <= 0) return 0;
    return static_cast<int>(std::lround(100.0 * revealedWords_ / WordCount));
}

} // namespace orvela
