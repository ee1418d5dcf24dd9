#pragma once
// The texts of the reading-speed window and the rules of one reading.
//
// The text file holds texts, each begun by a line that is "#" once surplus spaces are removed;
// the lines after it, up to the next "#" or the end of the file, are the text's lines (at most
// 80 characters each, at most 30 lines; the rest is left out). While the pupil reads aloud the
// text is rubbed out word by word, a word being a run of characters up to and including a space,
// or up to the end of its line.

#include "AnsiText.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvela {

class SpeedText {
public:
    static constexpr std::size_t kLineMax = 80;
    static constexpr int kLinesMax = 30;
    static constexpr int kSlowest = 1;      // the scroll bar's range
    static constexpr int kFastest = 900;
    static constexpr int kStartPosition = 500;

    struct Word {
        int line = 1;       // 1-based
        int charPos = 1;    // 1-based first character
        AnsiText text;      // with its trailing space, when it has one
        bool endsLine = false;
    };

    // The texts of a file; nullopt when it cannot be opened.
    static std::optional<std::vector<std::vector<AnsiText>>> readTexts(
        const std::filesystem::path& file);

    // Loads a text: its lines (cut as above) and its words; the reading back to its first word.
    void load(const std::vector<AnsiText>& lines);
    const std::vector<AnsiText>& lines() const { return lines_; }
    const std::vector<Word>& words() const { return words_; }

    int WordTotal = 0;
    int LetterTotal = 0;
    // "N ord", "N bokstäver", "N,N bokstäver per ord" (UTF-8).
    std::string wordsText() const;
    std::string lettersText() const;
    std::string lettersPerWordText() const;

    // The reading: how many words are rubbed out; the next word; whether the text is done.
    int rubbed() const { return rubbed_; }
    bool done() const { return rubbed_ >= static_cast<int>(words_.size()); }
    // Rubs out the next word (SuddaOrd); nullptr when the text is done.
    const Word* SuddaOrd();
    void restart() { rubbed_ = 0; }

    // The timer interval for a scroll bar position, and the speed it stands for.
    static int intervalMs(int position);
    static int wordsPerMinute(int position);
    static std::string speedText(int position); // "120 ord / min"
    // The closing message after `seconds` of reading (a reading under one second counts as one).
    std::string closingMessage(int seconds) const;

private:
    std::vector<AnsiText> lines_;
    std::vector<Word> words_;
    int rubbed_ = 0;
};

} // namespace orvela
