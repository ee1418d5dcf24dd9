#pragma once
// Word lists of the vocabulary exercise: data files in DATA with the extension ".fr1" (general
// vocabulary), ".fr2" (special vocabulary) or ".fr3", in the line format of the exercise data
// files. Field 1 of an item is the word or phrase to translate, field 2 the answer ("&" marks
// further accepted answers).
//
// An item line is a line that, unscrambled, begins neither with ";" nor with "$" and has a "#"
// at its second character or later, not as its last. Items are counted and fetched by this one
// rule, so item n is always the n-th line the count saw. Among the first three lines a "$" line
// is a header: "$§" the instruction, "$%" the worksheet note, any other "$" the next heading.

#include "AnsiText.h"
#include "OneBased.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvela {

inline constexpr std::size_t kMaxWordLists = 1000;
inline constexpr std::size_t kWordListTitleMax = 50;
inline constexpr std::size_t kWordListStemMax = 12;
inline constexpr std::size_t kLongNameEntries = 36;

bool isWordListItem(const AnsiText& line);

struct WordListScan {
    OneBased<AnsiText, 3> headings;
    int headingCount = 0;
    AnsiText instruction;
    AnsiText worksheetNote;
    int itemCount = 0;
};
// Reads a list's header lines and counts its items; nullopt when the file cannot be opened.
std::optional<WordListScan> scanWordList(const std::filesystem::path& path);
// The n-th item line of a list, as stored (scrambled or not); nullopt when the file cannot be
// opened or has fewer items.
std::optional<AnsiText> readWordListItem(const std::filesystem::path& path, int n);

// The extension of the lists a program number shows: 1001 ".fr1", 1002 ".fr2", 1003 ".fr3";
// empty for any other number.
std::string wordListExtension(int programNumber);
// The list files of a directory with that extension (letter case ignored), sorted by name
// without regard to letter case; at most kMaxWordLists.
std::vector<std::string> listWordLists(const std::filesystem::path& dir, const std::string& ext);

// The long-name table: entries "STEM=Display name", the first 13 used, the rest empty.
OneBased<AnsiText, kLongNameEntries> longanamn();
// The stem of a list file: the name less its last four characters, cut to 12 characters.
AnsiText wordListStem(const AnsiText& fileName);
// The display name of a stem: the table's name for it (letter case ignored), else the stem;
// at most 50 characters.
AnsiText longfilnamn(const AnsiText& stem, const OneBased<AnsiText, kLongNameEntries>& table);
// The program number a chosen list sets: "glosor_1.fr1" .. "glosor_4.fr4" (exactly so spelled)
// give 1001 .. 1004, every other name 1000.
int wordListProgramNumber(const std::string& fileName);
// The record file of a list: the score directory + the name up to its first "." + ".FNR".
std::string recordFileFor(const std::string& scoreDir, const std::string& fileName);

// The number of a list file for this program run: its place among the names met so far (1 for
// the first), appended when new. 0 when the run has met kMaxWordLists names already.
int wordListNumber(std::vector<std::string>& names, const std::string& fileName);

} // namespace orvela
