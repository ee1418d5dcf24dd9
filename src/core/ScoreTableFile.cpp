#include "ScoreTableFile.h"

#include "ContentPaths.h"

#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace orvela {

namespace {

// The file as it is spelled in its directory (any letter case), or as it will be created.
fs::path existingSpelling(const fs::path& path) {
    std::optional<fs::path> found =
        ContentPaths::findIn(path.parent_path(), path.filename().string());
    return found ? *found : path;
}

bool makeDirectory(const fs::path& dir, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return true;
    fs::create_directories(dir, ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    return true;
}

// Creates an empty file unless one is there; false when it cannot be created.
bool createEmpty(const fs::path& path, std::string& error) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::error_code(errno, std::generic_category()).message();
        return false;
    }
    ::close(fd);
    return true;
}

} // namespace

ScoreTableFile::ScoreTableFile(fs::path path) : path_(std::move(path)) {}

ScoreTableContents ScoreTableFile::read(std::string* raw) const {
    ScoreTableContents c;
    const fs::path file = existingSpelling(path_);
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        c.state = ScoreTableContents::State::NotCreated;
        return c;
    }
    c.state = ScoreTableContents::State::Unreadable;
    if (!fs::is_regular_file(file, ec)) {
        c.error = "ingen vanlig fil";
        return c;
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || size > kScoreFileMaxBytes) {
        c.error = ec ? ec.message() : "filen är för stor";
        return c;
    }
    std::optional<std::string> bytes = readWholeFile(file);
    if (!bytes) {
        c.error = "filen kan inte läsas";
        return c;
    }
    c.records = decodeScoreRecords(*bytes, c.strayBytes);
    c.state = ScoreTableContents::State::Read;
    if (raw) *raw = std::move(*bytes);
    return c;
}

ScoreTableContents ScoreTableFile::readOrCreate() const {
    ScoreTableContents c = read(nullptr);
    if (c.state != ScoreTableContents::State::NotCreated) return c;
    if (makeDirectory(path_.parent_path(), c.error) && createEmpty(path_, c.error))
        c.state = ScoreTableContents::State::Read;
    return c;
}

ScoreTableStore ScoreTableFile::store(const ScoreRecord& entry, const std::string& stamp) const {
    using Result = ScoreTableStore::Result;
    ScoreTableStore out;
    const fs::path dir = path_.parent_path();
    if (!makeDirectory(dir, out.error)) {
        out.result = Result::NotWritten;
        return out;
    }
    DirectoryLock lock(dir / kScoreLockName);
    if (!lock.locked()) {
        out.result = Result::NotLocked;
        return out;
    }
    std::string raw;
    ScoreTableContents c = read(&raw);
    if (c.state == ScoreTableContents::State::Unreadable) {
        out.result = Result::Unreadable;
        out.error = c.error;
        return out;
    }
    RecordPlacement placed = placeRecord(c.records, entry);
    out.row = placed.newRow;
    if (!placed.qualifies) {
        out.result = Result::NotQualified;
        return out;
    }
    const fs::path target = existingSpelling(path_);
    fs::path scratch = target;
    scratch += ".new";
    const bool clean =
        c.strayBytes == 0 && c.records.size() <= static_cast<std::size_t>(MaxRecords);
    if (!clean) {
        // The old file as it is, before a file without its surplus replaces it.
        const std::string stem = target.stem().string();
        fs::path copy = dir / (stem + "-" + stamp + ".BAD");
        for (int k = 2; ContentPaths::findIn(dir, copy.filename().string()) && k < 10000; ++k)
            copy = dir / (stem + "-" + stamp + "-" + std::to_string(k) + ".BAD");
        if (!replaceFile(copy, raw, scratch, out.error)) {
            out.result = Result::NotWritten;
            return out;
        }
        out.asideCopy = copy;
    }
    if (!replaceFile(target, encodeScoreRecords(placed.rows), scratch, out.error)) {
        out.result = Result::NotWritten;
        return out;
    }
    out.result = Result::Written;
    return out;
}

} // namespace orvela
