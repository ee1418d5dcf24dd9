#pragma once
// The texts of the reveal-the-story window and the rules of one text being revealed.
//
// The text file holds short texts, each begun by a line whose first character is "#"; the lines
// after it are the text's lines, one line of dialogue each. A line may begin with a speaker's name
// between "<" and ">". A text has at most seven lines of seven words: the words sit in 49 slots,
// slot 7 * (line - 1) + k holding word k of its line; further lines and words are left out.
//
// Every word is shown masked: one "*" per character, except that ".", ",", "!", "?" and "-" after
// the first character stay; a word ending in "-" shows "-" only. A word beginning with "-" is
// not one to find. The pupil reveals words by dropping a word of the word list on its slot, or by
// guessing a word, which reveals it wherever it stands.

#include "AnsiText.h"

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

namespace orvela {

class RevealStory {
public:
    static constexpr int kLines = 7;
    static constexpr int kWordsPerLine = 7;
    static constexpr int kSlots = kLines * kWordsPerLine;
    static constexpr std::size_t kWordMax = 30;

    // The texts of a file, each the list of its lines (unscrambled); nullopt when the file cannot
    // be opened.
    static std::optional<std::vector<std::vector<AnsiText>>> readTexts(
        const std::filesystem::path& file);

    // The mask of a word, and the word without its trailing punctuation.
    static AnsiText maskOf(const AnsiText& word);
    static AnsiText withoutTrailingPunctuation(const AnsiText& word);
    static bool isTrailingPunctuation(unsigned char c);

    // Loads a text (Getwords): the slots, the speakers, the word list; the counters back to 0.
    void Getwords(const std::vector<AnsiText>& lines);

    // Slot t (1..49): empty when unused.
    const AnsiText& word(int t) const { return words_.at(index(t)); }
    const AnsiText& mask(int t) const { return masks_.at(index(t)); }
    bool used(int t) const { return !words_.at(index(t)).empty(); }
    bool revealed(int t) const { return revealed_.at(index(t)); }
    // What slot t shows: the word when the whole text is shown, else its current mask.
    const AnsiText& shown(int t, bool wholeText) const { return wholeText ? word(t) : mask(t); }
    // The speaker of line 1..7 with ":" after it, or empty.
    const AnsiText& speaker(int line) const;

    // The words still to be dragged (without trailing punctuation), sorted without regard to
    // letter case.
    const std::vector<AnsiText>& wordList() const { return wordList_; }

    // A word dropped on slot t (utruta). Returns true when it was the right word. A revealed or
    // unused slot takes no drop (nothing is counted).
    bool utruta(int t, const AnsiText& dropped);
    // A guess (Textkoll): every unrevealed slot holding the guessed word, with or without its
    // trailing punctuation, letter case included, is revealed. Returns how many were revealed.
    int Textkoll(const AnsiText& guess);

    int WordCount = 0; // words to find
    int Tries = 0;
    int Rights = 0;
    // Counted words revealed so far.
    bool finished() const { return WordCount > 0 && revealedWords_ >= WordCount; }
    // The shares shown on the counters, in percent (0 when nothing to divide by).
    int rightPercent() const;
    int solvedPercent() const;

private:
    std::array<AnsiText, kSlots> words_{};
    std::array<AnsiText, kSlots> masks_{};
    std::array<AnsiText, kSlots> bare_{};       // the first slot list: without punctuation
    std::array<AnsiText, kSlots> withPunct_{};  // the second slot list: emptied when revealed
    std::array<bool, kSlots> revealed_{};
    std::array<AnsiText, kLines> speakers_{};
    std::vector<AnsiText> wordList_;
    int revealedWords_ = 0;

    static std::size_t index(int t);
    void reveal(int t, const AnsiText& display);
};

} // namespace orvela
