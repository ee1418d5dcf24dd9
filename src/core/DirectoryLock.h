#pragma once
// The lock that keeps copies of the program apart while one of them rewrites a file in a
// directory they share. The directory is usually a network share that several classroom computers
// use at once, and many network file systems ignore or fake the system's record locks (fcntl), so
// the lock is a file of its own:
//
// - It is taken by creating the lock file exclusively (O_CREAT | O_EXCL, which NFS from version 3
//   and SMB both carry out on the server). Whoever creates it holds the lock.
// - The file tells who holds it: host name, machine and boot identity, process id, the time it
//   was taken, and a random token that no other taking shares.
// - A waiting copy takes the lock over only when it is stale: taken on this very machine (same
//   host name and machine) by a process that is gone, or during an earlier boot, or taken longer
//   ago than kStaleLockSeconds (by the file's time and by the time written in it, whichever is
//   younger, so that neither a wrong clock on a classroom computer nor on the server makes a
//   live lock look old). A holder on another computer is never judged by its process id.
// - Taking over goes through a second lock file (the lock file's name + ".take"), created
//   exclusively in the same way: only the copy holding it removes a stale lock file, after
//   reading once more that it is still the stale one. Two copies finding the same stale lock
//   therefore never remove each other's new one.
// - The holder removes its own lock file when it lets go, after checking by the token that it is
//   still its own; a lock file that was taken over is left to its new holder.

#include <filesystem>
#include <string>

namespace orvela {

namespace fs = std::filesystem;

// A lock file older than this belongs to a holder that is no longer there. No store takes a
// fraction of it; the margin covers clocks that differ between computers and server.
inline constexpr long kStaleLockSeconds = 10 * 60;

// An exclusive lock on a directory through a lock file, held from construction until
// destruction. Waits up to `timeoutMs` for another holder; locked() tells whether it was
// obtained. Within one process the lock file is also exclusive, but a process that needs to keep
// its threads apart needs a mutex besides (see DiagnosisLock).
class DirectoryLock {
public:
    DirectoryLock(const fs::path& lockFile, int timeoutMs = 10000);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    bool locked() const { return !token_.empty(); }

    // The host name written into lock files (the system's own unless set). Tests set it in
    // processes that act as copies of the program on other computers.
    static void setHostName(const std::string& name);
    static std::string hostName();

private:
    fs::path path_;
    std::string token_; // the token of the lock file this lock created; empty when not held
};

} // namespace orvela
