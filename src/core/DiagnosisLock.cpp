#include "DiagnosisLock.h"

#include "ContentPaths.h"

#include <algorithm>
#include <chrono>

namespace orvela {

namespace {

// One for the whole program: the lock files of two diagnosis directories never need to be held
// at once, and a single mutex cannot deadlock.
std::timed_mutex& processMutex() {
    static std::timed_mutex m;
    return m;
}

} // namespace

DiagnosisLock::DiagnosisLock(const fs::path& dir, int timeoutMs)
    : guard_(processMutex(), std::defer_lock) {
    auto start = std::chrono::steady_clock::now();
    if (!guard_.try_lock_for(std::chrono::milliseconds(timeoutMs))) return;
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    int left = std::max(0, timeoutMs - static_cast<int>(waited.count()));
    fileLock_ =
        std::make_unique<DirectoryLock>(ContentPaths::resolveIn(dir, kDiagnosisLockName), left);
    // Without the file lock the mutex is of no use to anyone else's waiting either.
    if (!fileLock_->locked()) guard_.unlock();
}

// The file lock is released before the mutex, so that the next thread in line finds it free.
DiagnosisLock::~DiagnosisLock() {
    fileLock_.reset();
}

} // namespace orvela
