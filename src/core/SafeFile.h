#pragma once
// Files the program writes are not rewritten in place: the new contents go to a scratch file in
// the same directory, are flushed to the disk, and the scratch file is then renamed over the old
// one. A crash leaves either the old or the new file, never a half-written one. (The level store,
// too large to rewrite for every change, is patched in place through a journal: RecordFile.) A lock file in the
// directory (DirectoryLock) keeps two copies of the program (a classroom sharing one network
// directory) from interleaving their read-modify-write cycles.

#include "DirectoryLock.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvela {

namespace fs = std::filesystem;

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::string> readWholeFile(const fs::path& path);

// Writes all of `data` to an open file (short writes and interruptions go on); false with errno
// set on failure.
bool writeAll(int fd, std::string_view data);
// Flushes a directory's entries (a file created or renamed in it) to the disk, as far as it can.
void syncDirectory(const fs::path& dir);

// Writes `data` to `scratch` (created or truncated, in the target's directory), flushes it and
// renames it over `target`. On failure the target is untouched, the scratch file removed, and
// `error` says why (UTF-8).
bool replaceFile(const fs::path& target, std::string_view data, const fs::path& scratch,
                 std::string& error);
// As above with a scratch name derived from the target's.
bool replaceFile(const fs::path& target, std::string_view data, std::string& error);

// Removes a file. A network share that keeps to the sharing rules of Windows refuses to remove a
// file that is open (EBUSY), also for a moment after this program closed it, or while another
// computer reads it: that is tried again for up to a second. False, with errno set, on failure.
bool removeFile(const fs::path& path);

// True when a file can be created in `dir` (it is created and removed again).
bool canCreateFileIn(const fs::path& dir, std::string_view probeName);

} // namespace orvela
