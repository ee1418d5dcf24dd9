#pragma once
// The lock over the diagnosis directory, held for a whole read-modify-write of the diagnosis file
// or the administrator's password file. Between copies of the program (a classroom sharing one
// network directory) it is the lock file "FDIAG.LCK" in that directory; within one program it is
// also a mutex, so that its threads wait for each other without polling the lock file.

#include "SafeFile.h"

#include <memory>
#include <mutex>

namespace orvela {

inline constexpr const char* kDiagnosisLockName = "FDIAG.LCK";

class DiagnosisLock {
public:
    // Waits up to `timeoutMs` for another holder.
    explicit DiagnosisLock(const fs::path& dir, int timeoutMs = 10000);
    ~DiagnosisLock();
    DiagnosisLock(const DiagnosisLock&) = delete;
    DiagnosisLock& operator=(const DiagnosisLock&) = delete;
    bool locked() const { return fileLock_ && fileLock_->locked(); }

private:
    std::unique_lock<std::timed_mutex> guard_;
    std::unique_ptr<DirectoryLock> fileLock_;
};

} // namespace orvela
