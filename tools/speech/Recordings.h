#pragma once
// The recordings a content tree's exercises name, with the French text each one says: the
// dictation items (programs 32000 to 37000; 33000 spells its words with the letters A to Z
// instead), and the words of the pronunciation duel (31100 to 31300). A recording lives in
// LJUD\<folder>\<folder><item number, three digits>.WAV, the folder being "F" and the first three
// digits of the program number.

#include <filesystem>
#include <string>
#include <vector>

namespace orvela {

struct Recording {
    std::string folder; // e.g. "F361"
    std::string name;   // e.g. "F361007.WAV"
    std::string text;   // UTF-8
};

// The recordings for the data files found in `contentRoot`/DATA. A file that is missing is
// skipped; an item without text gets no recording.
std::vector<Recording> courseRecordings(const std::filesystem::path& contentRoot);

// The text a dictation or duel item says, from its fields (1-based, as the windows see them).
std::string spokenText(int programNumber, const std::vector<std::string>& fields);

} // namespace orvela
