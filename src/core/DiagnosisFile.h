#pragma once
// The diagnosis file "FDIAG.DIA": one 336-byte record per pupil, in no particular order, in the
// diagnosis directory.
//
// Reading needs no lock: the file is only ever replaced whole, by a rename. Every change is a
// read-modify-write under the directory lock (DiagnosisLock): the records are read, changed, and
// written to the scratch file "Slask.DI2", which is flushed and renamed over "FDIAG.DIA". Two
// copies of the program sharing the directory therefore never lose each other's stores, and a
// crash leaves either the old or the new file (a scratch file left behind is simply overwritten
// by the next change).
//
// A file whose size is not a multiple of 336 ends in bytes that are no whole record. The whole
// records are used as they are. The stray bytes are never dropped unseen: before the first change
// writes the file without them, the whole old file is copied to "FDIAG-" + stamp + ".BAD" beside
// it, and the caller is told so that it can tell the teacher (once: the new file is whole).

#include "DiagnosisRecord.h"
#include "SafeFile.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace orvela {

inline constexpr const char* kDiagnosisFileName = "FDIAG.DIA";
inline constexpr const char* kDiagnosisScratchName = "Slask.DI2";
// A larger file is no diagnosis file (that would be some 50 000 pupils); it is left alone.
inline constexpr std::uintmax_t kDiagnosisFileMaxBytes = 16u * 1024u * 1024u;

struct DiagnosisFileContents {
    enum class State {
        Missing,    // there is no diagnosis file yet
        Unreadable, // it exists but cannot be read (or is no diagnosis file at all)
        Read,
    };
    State state = State::Missing;
    std::vector<DiagnosisRecord> records;
    std::size_t strayBytes = 0; // bytes after the last whole record
};

struct DiagnosisFileChange {
    enum class Result {
        Written,    // the new file is in place
        Unchanged,  // the change asked to leave the file as it was
        Missing,    // no diagnosis file (and none was to be created)
        Unreadable, // the file could not be read; it is untouched
        NotLocked,  // the directory lock could not be had; nothing was read or written
        NotWritten, // the scratch file could not be written or renamed; the file is untouched
    };
    Result result = Result::NotLocked;
    std::size_t strayBytes = 0; // stray bytes of the old file (when Written, set aside first)
    fs::path strayCopy;         // where the whole old file was copied, when it had stray bytes
    std::string error;          // why writing failed (UTF-8)
};

class DiagnosisFile {
public:
    explicit DiagnosisFile(fs::path dir);

    const fs::path& directory() const { return dir_; }
    // "FDIAG.DIA" in the directory, as it is spelled there (any letter case), or as it will be
    // created.
    fs::path path() const;

    DiagnosisFileContents read() const;

    // Changes the records under the directory lock. `edit` gets the records of the file (none
    // when it is missing and `createWhenMissing`) and returns true to have them written. `stamp`
    // names the copy of a file with stray bytes.
    using Edit = std::function<bool(std::vector<DiagnosisRecord>&)>;
    DiagnosisFileChange update(const Edit& edit, bool createWhenMissing,
                               const std::string& stamp) const;

    struct PutAside {
        enum class Result { Done, Missing, NotLocked, NotRenamed };
        Result result = Result::NotLocked;
        fs::path newPath;
        std::string error;
    };
    // Renames the diagnosis file to "FR" + stamp + ".DIS" in the same directory. A name already
    // taken is never replaced: "FR" + stamp + "-2.DIS", "-3" ... are tried in turn.
    PutAside putAside(const std::string& stamp) const;

    // The whole records of `bytes`; `stray` receives the number of bytes after them.
    static std::vector<DiagnosisRecord> decodeAll(std::string_view bytes, std::size_t& stray);
    static std::string encodeAll(const std::vector<DiagnosisRecord>& records);

private:
    fs::path dir_;

    DiagnosisFileContents readUnlocked(std::string* rawBytes) const;
    // A name in the directory built as prefix + stamp + suffix + extension that no file has yet.
    fs::path freeName(const std::string& prefix, const std::string& stamp,
                      const std::string& extension) const;
};

} // namespace orvela
