#include "SafeFile.h"

#include "SystemError.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvela {

std::optional<std::string> readWholeFile(const fs::path& path) {
    // Read straight into a string of the file's size (a file that grows meanwhile is read on to
    // its end): the diagnosis file of a whole school is read this way for every store.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::string out;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    bool ok = true;
    char more[4096];
    for (;;) {
        // Into the string while it has room, then in small pieces appended to it.
        const bool inPlace = done < out.size();
        const ssize_t n = inPlace ? ::read(fd, out.data() + done, out.size() - done)
                                  : ::read(fd, more, sizeof more);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        if (!inPlace) out.append(more, static_cast<std::size_t>(n));
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    out.resize(done);
    return out;
}

bool writeAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncDirectory(const fs::path& dir) {
    int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool replaceFile(const fs::path& target, std::string_view data, const fs::path& scratch,
                 std::string& error) {
    int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = systemErrorText(errno);
        return false;
    }
    bool ok = writeAll(fd, data) && ::fsync(fd) == 0;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    // A network share that keeps to the sharing rules of Windows refuses to replace a file that
    // another computer is reading (EBUSY, EACCES); a read takes a moment, so it is tried again.
    for (int tries = 0; ok && ::rename(scratch.c_str(), target.c_str()) != 0; ++tries) {
        if ((errno != EBUSY && errno != ETXTBSY && errno != EACCES) || tries >= 200) {
            ok = false;
            savedErrno = errno;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!ok) {
        error = systemErrorText(savedErrno);
        ::unlink(scratch.c_str());
        return false;
    }
    syncDirectory(target.parent_path());
    return true;
}

bool replaceFile(const fs::path& target, std::string_view data, std::string& error) {
    fs::path scratch = target;
    scratch += ".new";
    return replaceFile(target, data, scratch, error);
}

bool removeFile(const fs::path& path) {
    for (int tries = 0;; ++tries) {
        if (::unlink(path.c_str()) == 0) return true;
        if ((errno != EBUSY && errno != ETXTBSY && errno != EACCES) || tries >= 200) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool canCreateFileIn(const fs::path& dir, std::string_view probeName) {
    fs::path probe = dir / std::string(probeName);
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    }
    if (errno != EEXIST) return false;
    // A probe left from an earlier run: writable means a file can be created here.
    fd = ::open(probe.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

} // namespace orvela
