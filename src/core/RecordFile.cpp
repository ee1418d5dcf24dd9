#include "RecordFile.h"

#include "ContentPaths.h"
#include "DiagnosisLock.h"

#include <system_error>

namespace orvela {

RecordFile::RecordFile(fs::path dir, const RecordFileFormat& format)
    : dir_(std::move(dir)), format_(format) {}

fs::path RecordFile::path() const {
    return ContentPaths::resolveIn(dir_, format_.fileName);
}

RecordFileContents RecordFile::readUnlocked(std::string* rawBytes) const {
    RecordFileContents c;
    std::optional<fs::path> file = ContentPaths::findIn(dir_, format_.fileName);
    if (!file) {
        c.state = RecordFileState::Missing;
        return c;
    }
    c.state = RecordFileState::Unreadable;
    std::error_code ec;
    if (!fs::is_regular_file(*file, ec)) return c;
    std::uintmax_t size = fs::file_size(*file, ec);
    if (ec || size > format_.maxBytes) return c;
    std::optional<std::string> bytes = readWholeFile(*file);
    if (!bytes) return c;
    c.strayBytes = bytes->size() % format_.recordSize;
    c.records = bytes->substr(0, bytes->size() - c.strayBytes);
    c.state = RecordFileState::Read;
    if (rawBytes) *rawBytes = std::move(*bytes);
    return c;
}

RecordFileContents RecordFile::read() const {
    return readUnlocked(nullptr);
}

fs::path RecordFile::freeName(const std::string& prefix, const std::string& stamp,
                              const std::string& extension) const {
    std::string name = prefix + stamp + extension;
    for (int k = 2; ContentPaths::findIn(dir_, name) && k < 10000; ++k)
        name = prefix + stamp + "-" + std::to_string(k) + extension;
    return dir_ / name;
}

RecordFileChange RecordFile::update(const Edit& edit, bool createWhenMissing,
                                    const std::string& stamp) const {
    using Result = RecordFileChange::Result;
    RecordFileChange out;
    DiagnosisLock lock(dir_);
    if (!lock.locked()) {
        out.result = Result::NotLocked;
        return out;
    }
    std::string raw;
    RecordFileContents c = readUnlocked(&raw);
    if (c.state == RecordFileState::Unreadable) {
        out.result = Result::Unreadable;
        return out;
    }
    if (c.state == RecordFileState::Missing && !createWhenMissing) {
        out.result = Result::Missing;
        return out;
    }
    out.strayBytes = c.strayBytes;
    if (!edit(c.records)) {
        out.result = Result::Unchanged;
        return out;
    }
    fs::path scratch = ContentPaths::resolveIn(dir_, format_.scratchName);
    if (c.strayBytes > 0) {
        // The old file as it is, stray bytes and all, before a file without them replaces it.
        fs::path copy = freeName(format_.badCopyPrefix, stamp, ".BAD");
        if (!replaceFile(copy, raw, scratch, out.error)) {
            out.result = Result::NotWritten;
            return out;
        }
        out.strayCopy = copy;
    }
    if (!replaceFile(path(), c.records, scratch, out.error)) {
        out.result = Result::NotWritten;
        return out;
    }
    out.result = Result::Written;
    return out;
}

} // namespace orvela
