#pragma once
// The level store "FXACT.STE" of the graded-level exercise: one 260-byte record per pupil in the
// diagnosis directory, kept as a RecordFile. A change touches the level of the pupil's records or
// adds one record, so it is patched in place under the directory lock through the journal
// "FXACT.JRN", in the same time at any size of the store; a new store is written whole through the
// scratch file "SLASK.SLK"; a file with stray bytes at its end is copied aside as "FXACT-" +
// stamp + ".BAD" and written whole before the first change; a file that cannot be read is never
// rewritten; a store that would grow past its largest size (16 MiB) takes no new pupil.
//
// Record:
//   0  256  name: Windows-1252 characters ended by a zero byte (at most 255 characters)
// 256    4  level, 32-bit signed, little-endian
//
// Names are compared in capitals. A pupil has one record: storing a level under a name already
// stored replaces the level of that record (of every record with the name, should an older
// program have stored it twice), and a new name is added at the end. Records of other pupils are
// copied as they are, whatever they hold.

#include "AnsiText.h"
#include "RecordFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvela {

inline constexpr const char* kLevelStoreName = "FXACT.STE";
inline constexpr const char* kLevelScratchName = "SLASK.SLK";
inline constexpr const char* kLevelJournalName = "FXACT.JRN";
inline constexpr std::size_t kLevelRecordSize = 260;
inline constexpr std::size_t kLevelNameField = 256;
inline constexpr std::uintmax_t kLevelStoreMaxBytes = 16u * 1024u * 1024u;

struct LevelRecord {
    AnsiText name;
    std::int32_t level = 0;

    friend bool operator==(const LevelRecord&, const LevelRecord&) = default;
};

struct LevelStoreContents {
    using State = RecordFileState;
    State state = State::Missing;
    std::vector<LevelRecord> records;
    std::size_t strayBytes = 0;
};

// What fetching a level found.
struct LevelFetch {
    enum class Result {
        Found,      // `level` is the pupil's stored level
        NoStore,    // there is no level store yet
        NotStored,  // no record of the name holds a level from 1 to the number of levels
        Unreadable, // the store cannot be read
    };
    Result result = Result::NoStore;
    int level = 0;
};

class LevelStore {
public:
    explicit LevelStore(fs::path dir);

    fs::path path() const { return file_.path(); }
    LevelStoreContents read() const;

    // The level of the first record with the name whose level is 1 to `levelCount`.
    LevelFetch fetch(const AnsiText& name, int levelCount) const;
    // Stores `level` under the name. A new name with level 1 is not added (every pupil starts
    // there), and a store that holds the level already is not rewritten: both leave the store
    // Unchanged. `stamp` names the copy of a store with stray bytes.
    RecordFileChange store(const AnsiText& name, int level, const std::string& stamp) const;

    // The 260 bytes of a record; a longer name is cut to 255 characters.
    static std::string encode(const LevelRecord& record);
    // The first 260 bytes of `bytes` (std::invalid_argument when there are fewer). A name field
    // without a zero byte is read whole.
    static LevelRecord decode(std::string_view bytes);
    static std::vector<LevelRecord> decodeAll(std::string_view bytes);
    static std::string encodeAll(const std::vector<LevelRecord>& records);

    // The name as a record keeps it (cut at a zero byte, at most 255 characters).
    static AnsiText asStored(const AnsiText& name);

private:
    RecordFile file_;
};

} // namespace orvela
