#pragma once
// A file of fixed-size records in the diagnosis directory, rewritten only whole: the diagnosis
// file and the level store are both kept this way.
//
// Reading needs no lock: the file is only ever replaced whole, by a rename. Every change is a
// read-modify-write under the directory lock (DiagnosisLock): the records are read, changed, and
// written to a scratch file, which is flushed and renamed over the file. Two copies of the
// program sharing the directory therefore never lose each other's stores, and a crash leaves
// either the old or the new file (a scratch file left behind is simply overwritten by the next
// change).
//
// A file whose size is not a multiple of the record size ends in bytes that are no whole record.
// The whole records are used as they are. The stray bytes are never dropped unseen: before the
// first change writes the file without them, the whole old file is copied to
// prefix + stamp + ".BAD" beside it, and the caller is told so that it can tell the teacher
// (once: the new file is whole).
//
// A file that exists but cannot be read (or is far too large to be such a file) is never
// rewritten: every change leaves it as it is.
//
// A file that grows large and changes a few bytes at a time (the level store) may instead be
// patched in place, which costs the same at any size. The patches are first written to a journal
// file beside it and flushed; only then are they written into the file, which is flushed in turn,
// and the journal removed. A journal found later (the program was killed or the computer went
// off in between) is written into the file again before anything else reads or changes it, so
// the file always ends up with all of a change or, when the journal itself was not whole, none
// of it. A journal is written in only where the file still holds what the change found or made:
// a file changed since (by a copy of an older program on another computer) is left as it is.

#include "SafeFile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvela {

struct RecordFileFormat {
    const char* fileName;      // e.g. "FDIAG.DIA"
    const char* scratchName;   // the scratch file in the same directory
    const char* badCopyPrefix; // the copy of a file with stray bytes: prefix + stamp + ".BAD"
    std::size_t recordSize;
    std::uintmax_t maxBytes; // a larger file is no such file; it is left alone
    const char* journalName = nullptr; // for files changed by patch(): the journal beside it
};

enum class RecordFileState {
    Missing,    // there is no such file yet
    Unreadable, // it exists but cannot be read (or is no such file at all)
    Read,
};

struct RecordFileContents {
    RecordFileState state = RecordFileState::Missing;
    std::string records;        // the bytes of the whole records
    std::size_t strayBytes = 0; // bytes after the last whole record
};

struct RecordFileChange {
    enum class Result {
        Written,    // the new file is in place
        Unchanged,  // the change asked to leave the file as it was
        Missing,    // no such file (and none was to be created)
        Unreadable, // the file could not be read; it is untouched
        NotLocked,  // the directory lock could not be had; nothing was read or written
        NotWritten, // the scratch file could not be written or renamed; the file is untouched
    };
    Result result = Result::NotLocked;
    std::size_t strayBytes = 0; // stray bytes of the old file (when Written, set aside first)
    fs::path strayCopy;         // where the whole old file was copied, when it had stray bytes
    std::string error;          // why writing failed (UTF-8)
};

// Bytes to write at an offset of a file of records: over bytes it has, or at its end (appended).
struct RecordPatch {
    std::uintmax_t offset = 0;
    std::string bytes;
};

// The journal of patches to a file with the bytes `file`: the file's size before and after, and
// every patch with the bytes it replaces, with a checksum by which a journal cut short is known.
std::string encodeRecordJournal(std::string_view file, const std::vector<RecordPatch>& patches);

class RecordFile {
public:
    RecordFile(fs::path dir, const RecordFileFormat& format);

    const fs::path& directory() const { return dir_; }
    const RecordFileFormat& format() const { return format_; }
    // The file in the directory, as it is spelled there (any letter case), or as it will be
    // created.
    fs::path path() const;

    RecordFileContents read() const;

    // Changes the records under the directory lock. `edit` gets the bytes of the whole records of
    // the file (none when it is missing and `createWhenMissing`) and returns true to have them
    // written; it must leave whole records. `stamp` names the copy of a file with stray bytes.
    using Edit = std::function<bool(std::string& records)>;
    RecordFileChange update(const Edit& edit, bool createWhenMissing,
                            const std::string& stamp) const;

    // Changes the records in place (for a format with a journal) under the directory lock.
    // `patcher` gets the whole records as they are and adds the patches that make the change; it
    // returns false to leave the file as it was. A patch may only overwrite whole bytes of the
    // records or append whole records at the end, and the file may not grow past the largest
    // size (NotWritten). A missing file, or one with stray bytes, is written whole as update()
    // does, with the patches applied to its records.
    using Patcher = std::function<bool(std::string_view records, std::vector<RecordPatch>& patches)>;
    RecordFileChange patch(const Patcher& patcher, const std::string& stamp) const;

    // Writes a journal left behind into the file and removes it (under the directory lock).
    // False, with the reason, when a whole journal cannot be written into the file.
    bool recover(std::string& error) const;

    // A name in the directory built as prefix + stamp + extension that no file has yet
    // (prefix + stamp + "-2" + extension and so on when it is taken).
    fs::path freeName(const std::string& prefix, const std::string& stamp,
                      const std::string& extension) const;

private:
    fs::path dir_;
    RecordFileFormat format_;

    RecordFileContents readUnlocked(std::string* rawBytes) const;
    RecordFileChange updateLocked(const Edit& edit, bool createWhenMissing,
                                  const std::string& stamp) const;
    bool recoverLocked(std::string& error) const;
    bool hasJournal() const;
};

} // namespace orvela
