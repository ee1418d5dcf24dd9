#pragma once
// Files the program writes are never rewritten in place: the new contents go to a scratch file in
// the same directory, are flushed to the disk, and the scratch file is then renamed over the old
// one. A crash leaves either the old or the new file, never a half-written one. A lock file in the
// directory keeps two copies of the program (a classroom sharing one network directory) from
// interleaving their read-modify-write cycles.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvela {

namespace fs = std::filesystem;

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::string> readWholeFile(const fs::path& path);

// Writes `data` to `scratch` (created or truncated, in the target's directory), flushes it and
// renames it over `target`. On failure the target is untouched, the scratch file removed, and
// `error` says why (UTF-8).
bool replaceFile(const fs::path& target, std::string_view data, const fs::path& scratch,
                 std::string& error);
// As above with a scratch name derived from the target's.
bool replaceFile(const fs::path& target, std::string_view data, std::string& error);

// An exclusive lock on a lock file, held from construction until destruction. Waits up to
// `timeoutMs` for another holder; locked() tells whether it was obtained.
//
// The lock file exists only while the lock is held: the holder removes it before it lets go, so
// no stale file is left in the directory. A copy of the program that was waiting on the file
// just removed then holds a lock on a file that is no longer there; it sees that the file at the
// path is not the one it locked and tries again with a new file. A lock is therefore only ever
// held on the file the path names, and a file is only removed by the copy that holds its lock.
class DirectoryLock {
public:
    DirectoryLock(const fs::path& lockFile, int timeoutMs = 10000);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    bool locked() const { return fd_ >= 0; }

private:
    fs::path path_;
    int fd_ = -1;
};

// True when a file can be created in `dir` (it is created and removed again).
bool canCreateFileIn(const fs::path& dir, std::string_view probeName);

} // namespace orvela
