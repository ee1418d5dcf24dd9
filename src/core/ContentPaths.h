#pragma once
// Where the content lives: ContentRoot, the directory above the program's own, with PROGRAM,
// DATA, LJUD, BILD and RESULTAT below it. Content comes from a case-insensitive world, so every
// name below the root is looked up without regard to letter case ("FRDI01.DAT" finds
// "frdi01.dat"), and "\" in a content path is a directory separator.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvela {

namespace fs = std::filesystem;

class ContentPaths {
public:
    ContentPaths() = default;
    explicit ContentPaths(fs::path root);

    // The content root of a program file: the parent of the program's directory.
    static fs::path rootOfProgram(const fs::path& programFile);

    const fs::path& root() const { return root_; }
    // The root as shown in messages (UTF-8, no trailing separator).
    std::string rootText() const;

    // An existing file or directory below the root, found without regard to letter case.
    // `relative` may use "\" or "/" ("\DATA\FRA51120.DAT", "DATA/x").
    std::optional<fs::path> find(std::string_view relative) const;
    // The path at which to create or replace a file: existing directories are found as find()
    // does; a missing last part keeps the spelling given.
    fs::path resolve(std::string_view relative) const;
    bool exists(std::string_view relative) const { return find(relative).has_value(); }

    // As find(), below any directory.
    static std::optional<fs::path> findIn(const fs::path& dir, std::string_view relative);
    static fs::path resolveIn(const fs::path& dir, std::string_view relative);

private:
    fs::path root_;
};

// The names of a directory's entries ("." and ".." left out), in the directory's own order;
// nothing when the directory cannot be read.
std::optional<std::vector<std::string>> entryNames(const fs::path& dir);

// A file name taken from a file or a list may name only a file in its own directory: no
// separators, no "..", not empty.
bool isPlainFileName(std::string_view name);

// Case-insensitive equality of two UTF-8 file names (Latin letters, accented ones included).
bool sameFileName(std::string_view a, std::string_view b);

} // namespace orvela
