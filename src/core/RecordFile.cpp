#include "RecordFile.h"

#include "ContentPaths.h"
#include "DiagnosisLock.h"
#include "SystemError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orvela {

namespace {

// Shown when a change would make the file larger than such a file may be.
const char* const kFullText = "filen är full";

// A file descriptor closed with its owner.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool ok() const { return fd_ >= 0; }
    int get() const { return fd_; }

private:
    int fd_;
};

// The bytes of an open file, mapped when it can be (a change to the largest files reads only the
// parts it looks at) and read otherwise.
class FileView {
public:
    FileView(int fd, std::size_t size) : size_(size) {
        if (size == 0) return;
        void* p = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
        if (p != MAP_FAILED) {
            map_ = p;
            return;
        }
        copy_.resize(size);
        std::size_t done = 0;
        while (done < size) {
            ssize_t n = ::pread(fd, copy_.data() + done, size - done, static_cast<off_t>(done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                failed_ = true;
                return;
            }
            done += static_cast<std::size_t>(n);
        }
    }
    ~FileView() {
        if (map_) ::munmap(map_, size_);
    }
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;
    bool ok() const { return !failed_; }
    std::string_view bytes() const {
        if (map_) return {static_cast<const char*>(map_), size_};
        return copy_;
    }

private:
    std::size_t size_;
    void* map_ = nullptr;
    std::string copy_;
    bool failed_ = false;
};

// FNV-1a over the journal, so that one cut short or garbled is known.
std::uint64_t checksum(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

void putU64(std::string& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::optional<std::uint64_t> getU64(std::string_view in, std::size_t& at) {
    if (in.size() < 8 || at > in.size() - 8) return std::nullopt;
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v |= std::uint64_t(static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]))
             << (8 * i);
    at += 8;
    return v;
}

constexpr std::string_view kJournalMagic = "ORVELA JOURNAL 2\n";

// Reads `length` bytes at `offset`, or fewer where the file ends; nullopt when it cannot.
std::optional<std::string> readAt(int fd, std::uint64_t offset, std::uint64_t length) {
    std::string out(static_cast<std::size_t>(length), '\0');
    std::size_t done = 0;
    while (done < out.size()) {
        ssize_t n =
            ::pread(fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return out;
}

// The journal of a change: the file's size before and after it, and for every patch its offset,
// the bytes it replaces (none for an appended one) and its own bytes; a checksum of all that
// tells a whole journal from one cut short.
struct Journal {
    struct Entry {
        std::uint64_t offset = 0;
        std::string before;
        std::string after;
    };
    std::uint64_t oldSize = 0;
    std::uint64_t finalSize = 0;
    std::vector<Entry> entries;

    static Journal of(std::string_view file, const std::vector<RecordPatch>& patches) {
        Journal j;
        j.oldSize = j.finalSize = file.size();
        for (const RecordPatch& p : patches) {
            const std::string_view before =
                p.offset < file.size()
                    ? file.substr(static_cast<std::size_t>(p.offset), p.bytes.size())
                    : std::string_view();
            j.entries.push_back({p.offset, std::string(before), p.bytes});
            j.finalSize = std::max<std::uint64_t>(j.finalSize, p.offset + p.bytes.size());
        }
        return j;
    }

    std::string encode() const {
        std::string out(kJournalMagic);
        putU64(out, oldSize);
        putU64(out, finalSize);
        putU64(out, entries.size());
        for (const Entry& e : entries) {
            putU64(out, e.offset);
            putU64(out, e.before.size());
            out += e.before;
            putU64(out, e.after.size());
            out += e.after;
        }
        putU64(out, checksum(out));
        return out;
    }

    static std::optional<Journal> decode(std::string_view in) {
        if (in.size() < kJournalMagic.size() + 8 || !in.starts_with(kJournalMagic))
            return std::nullopt;
        const std::size_t end = in.size() - 8;
        std::size_t at = end;
        if (getU64(in, at) != checksum(in.substr(0, end))) return std::nullopt;
        in = in.substr(0, end);
        at = kJournalMagic.size();
        auto text = [&](std::string& out) {
            std::optional<std::uint64_t> length = getU64(in, at);
            if (!length || *length > in.size() - at) return false;
            out = std::string(in.substr(at, static_cast<std::size_t>(*length)));
            at += static_cast<std::size_t>(*length);
            return true;
        };
        Journal j;
        std::optional<std::uint64_t> oldSize = getU64(in, at);
        std::optional<std::uint64_t> finalSize = getU64(in, at);
        std::optional<std::uint64_t> count = getU64(in, at);
        if (!oldSize || !finalSize || !count || *oldSize > *finalSize) return std::nullopt;
        j.oldSize = *oldSize;
        j.finalSize = *finalSize;
        for (std::uint64_t k = 0; k < *count; ++k) {
            Entry e;
            std::optional<std::uint64_t> offset = getU64(in, at);
            if (!offset || !text(e.before) || !text(e.after) || *offset > j.finalSize ||
                e.after.size() > j.finalSize - *offset || e.before.size() > e.after.size())
                return std::nullopt;
            e.offset = *offset;
            j.entries.push_back(std::move(e));
        }
        if (at != in.size()) return std::nullopt;
        return j;
    }

    // Whether the file is still as the change left it: no bigger than after it and no smaller
    // than before, every patched place holding its old or its new bytes, and whatever was
    // appended a beginning of the appended bytes. A file changed since (by a copy of an older
    // program that knows no journal) is not patched over.
    bool fits(int fd) const {
        struct stat st {};
        if (::fstat(fd, &st) != 0) return false;
        const auto size = static_cast<std::uint64_t>(st.st_size);
        if (size < oldSize || size > finalSize) return false;
        for (const Entry& e : entries) {
            std::optional<std::string> now = readAt(fd, e.offset, e.after.size());
            if (!now) return false;
            const std::string_view after = e.after;
            if (e.offset >= oldSize) {
                if (!after.starts_with(*now)) return false;
            } else if (*now != e.before && *now != after) {
                return false;
            }
        }
        return true;
    }

    // Writes the patches into the file, gives it its final size and flushes it.
    bool apply(int fd, std::string& error) const {
        for (const Entry& e : entries) {
            std::size_t done = 0;
            while (done < e.after.size()) {
                ssize_t n = ::pwrite(fd, e.after.data() + done, e.after.size() - done,
                                     static_cast<off_t>(e.offset + done));
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0) {
                    error = systemErrorText(errno);
                    return false;
                }
                done += static_cast<std::size_t>(n);
            }
        }
        if (::ftruncate(fd, static_cast<off_t>(finalSize)) != 0 || ::fsync(fd) != 0) {
            error = systemErrorText(errno);
            return false;
        }
        return true;
    }
};

// Writes the journal and flushes it and its directory entry: it must be on the disk before the
// file is touched.
bool writeJournal(const fs::path& journal, const std::string& bytes, std::string& error) {
    FileHandle fd(::open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.ok()) {
        error = systemErrorText(errno);
        return false;
    }
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
        error = systemErrorText(errno);
        ::unlink(journal.c_str());
        return false;
    }
    syncDirectory(journal.parent_path());
    return true;
}

} // namespace

std::string encodeRecordJournal(std::string_view file, const std::vector<RecordPatch>& patches) {
    return Journal::of(file, patches).encode();
}

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
    c.state = RecordFileState::Read;
    // The bytes themselves are copied only when the caller wants the raw file as well.
    if (rawBytes) {
        c.records = bytes->substr(0, bytes->size() - c.strayBytes);
        *rawBytes = std::move(*bytes);
    } else {
        c.records = std::move(*bytes);
        c.records.resize(c.records.size() - c.strayBytes);
    }
    return c;
}

RecordFileContents RecordFile::read() const {
    // A change cut short is completed first, so that the file is read as that change left it
    // (without the lock, should another copy hold it, the file is read as it stands).
    std::string ignored;
    recover(ignored);
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
    RecordFileChange out;
    DiagnosisLock lock(dir_);
    if (!lock.locked()) {
        out.result = RecordFileChange::Result::NotLocked;
        return out;
    }
    if (!recoverLocked(out.error)) {
        out.result = RecordFileChange::Result::NotWritten;
        return out;
    }
    return updateLocked(edit, createWhenMissing, stamp);
}

RecordFileChange RecordFile::updateLocked(const Edit& edit, bool createWhenMissing,
                                          const std::string& stamp) const {
    using Result = RecordFileChange::Result;
    RecordFileChange out;
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
    if (c.records.size() > format_.maxBytes) {
        out.result = Result::NotWritten;
        out.error = kFullText;
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

bool RecordFile::hasJournal() const {
    return format_.journalName && ContentPaths::findIn(dir_, format_.journalName).has_value();
}

bool RecordFile::recover(std::string& error) const {
    if (!hasJournal()) return true;
    DiagnosisLock lock(dir_);
    if (!lock.locked()) {
        error = "låst";
        return false;
    }
    return recoverLocked(error);
}

bool RecordFile::recoverLocked(std::string& error) const {
    if (!format_.journalName) return true;
    std::optional<fs::path> journal = ContentPaths::findIn(dir_, format_.journalName);
    if (!journal) return true;
    std::optional<std::string> bytes = readWholeFile(*journal);
    if (!bytes) {
        error = "journalen " + journal->string() + " kan inte läsas";
        return false;
    }
    std::optional<Journal> j = Journal::decode(*bytes);
    // A journal that is not whole was cut short before the file was touched: it is dropped.
    // A journal whose file is gone, or was changed since, has nothing left to complete.
    if (j && j->finalSize <= format_.maxBytes) {
        FileHandle fd(::open(path().c_str(), O_RDWR | O_CLOEXEC));
        if (!fd.ok() && errno != ENOENT) {
            error = systemErrorText(errno);
            return false;
        }
        if (fd.ok() && j->fits(fd.get()) && !j->apply(fd.get(), error)) return false;
    }
    if (!removeFile(*journal) && errno != ENOENT) {
        error = systemErrorText(errno);
        return false;
    }
    return true;
}

RecordFileChange RecordFile::patch(const Patcher& patcher, const std::string& stamp) const {
    using Result = RecordFileChange::Result;
    RecordFileChange out;
    DiagnosisLock lock(dir_);
    if (!lock.locked()) {
        out.result = Result::NotLocked;
        return out;
    }
    if (!recoverLocked(out.error)) {
        out.result = Result::NotWritten;
        return out;
    }
    // A new file, or one with stray bytes to set aside, is written whole.
    auto whole = [&] {
        return updateLocked(
            [&](std::string& records) {
                std::vector<RecordPatch> patches;
                if (!patcher(records, patches)) return false;
                for (const RecordPatch& p : patches) {
                    if (p.offset > records.size()) return false;
                    records.replace(static_cast<std::size_t>(p.offset),
                                    std::min(p.bytes.size(),
                                             records.size() - static_cast<std::size_t>(p.offset)),
                                    p.bytes);
                }
                return true;
            },
            true, stamp);
    };
    std::optional<fs::path> file = ContentPaths::findIn(dir_, format_.fileName);
    if (!format_.journalName || !file) return whole();
    // Anything but a file of whole records that can be opened for writing goes the whole way,
    // which tells a file that cannot be read from one that cannot be written. The file is closed
    // first: a network share refuses to replace a file that is open.
    auto fd = std::make_unique<FileHandle>(::open(file->c_str(), O_RDWR | O_CLOEXEC));
    struct stat st {};
    if (!fd->ok() || ::fstat(fd->get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uintmax_t>(st.st_size) > format_.maxBytes ||
        static_cast<std::uintmax_t>(st.st_size) % format_.recordSize != 0) {
        fd.reset();
        return whole();
    }
    const auto size = static_cast<std::size_t>(st.st_size);

    FileView view(fd->get(), size);
    if (!view.ok()) {
        out.result = Result::Unreadable;
        return out;
    }
    std::vector<RecordPatch> patches;
    if (!patcher(view.bytes(), patches)) {
        out.result = Result::Unchanged;
        return out;
    }
    std::uint64_t end = size;
    for (const RecordPatch& p : patches) {
        const bool over = p.offset + p.bytes.size() <= size;
        const bool appended = p.offset == end && p.bytes.size() % format_.recordSize == 0;
        if (!over && !appended) {
            out.result = Result::NotWritten;
            out.error = "ändringen går utanför filen";
            return out;
        }
        if (appended) end += p.bytes.size();
    }
    if (end > format_.maxBytes) {
        out.result = Result::NotWritten;
        out.error = kFullText;
        return out;
    }
    if (patches.empty()) {
        out.result = Result::Unchanged;
        return out;
    }
    const Journal j = Journal::of(view.bytes(), patches);
    fs::path journal = ContentPaths::resolveIn(dir_, format_.journalName);
    if (!writeJournal(journal, j.encode(), out.error) || !j.apply(fd->get(), out.error)) {
        out.result = Result::NotWritten;
        return out;
    }
    // A journal that stays (the share refuses to remove it) is written in again, to no effect,
    // before the next change.
    removeFile(journal);
    out.result = Result::Written;
    return out;
}

} // namespace orvela
