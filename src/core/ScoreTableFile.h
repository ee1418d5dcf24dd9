#pragma once
// The record file of one word list ("GLOSOR1.FNR" in the score directory): reading it to show
// the table, and storing a new entry.
//
// The file is only ever replaced whole: a store reads the file again under the lock file
// "FNR.LCK" of the directory, places the new entry, and writes the records through a scratch
// file that is renamed over the old one, so two copies of the program sharing the directory lose
// nothing. A file that is no clean table (bytes after the last whole record, or more records
// than the table holds) is copied aside as stem + "-" + stamp + ".BAD" before the first store
// rewrites it without them.

#include "RecordTable.h"
#include "SafeFile.h"

#include <string>
#include <vector>

namespace orvela {

inline constexpr const char* kScoreLockName = "FNR.LCK";
// A larger file is no record file (a table holds 3600 bytes); it is left alone.
inline constexpr std::uintmax_t kScoreFileMaxBytes = 1024u * 1024u;

struct ScoreTableContents {
    enum class State {
        Read,       // the file was read (or created empty)
        Unreadable, // it exists but cannot be read, or is far too large to be a record file
        NotCreated, // it did not exist and could not be created
    };
    State state = State::Read;
    std::vector<ScoreRecord> records; // every whole record, in file order
    std::size_t strayBytes = 0;       // bytes after the last whole record
    std::string error;                // why it failed (UTF-8)
};

struct ScoreTableStore {
    enum class Result {
        Written,      // the entry is stored
        NotQualified, // the entry does not reach the table; the file is unchanged
        Unreadable,   // the file could not be read; it is untouched
        NotLocked,    // the directory lock could not be had; nothing was read or written
        NotWritten,   // the new file could not be written; the old one is untouched
    };
    Result result = Result::NotLocked;
    int row = 0;        // the entry's row in the stored table
    fs::path asideCopy; // where the old file was copied, when it was no clean table
    std::string error;  // why it failed (UTF-8)
};

class ScoreTableFile {
public:
    explicit ScoreTableFile(fs::path path);
    const fs::path& path() const { return path_; }

    // Reads the table; a missing file (and a missing directory) is created empty.
    ScoreTableContents readOrCreate() const;
    // Places `entry` among the records now in the file and stores the table. A missing file is
    // created. `stamp` names the copy of a file that is no clean table.
    ScoreTableStore store(const ScoreRecord& entry, const std::string& stamp) const;

private:
    fs::path path_;
    ScoreTableContents read(std::string* raw) const;
};

} // namespace orvela
