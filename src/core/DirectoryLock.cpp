#include "DirectoryLock.h"

#include "SafeFile.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvela {

namespace {

std::mutex& hostMutex() {
    static std::mutex m;
    return m;
}

std::string& hostOverride() {
    static std::string name;
    return name;
}

std::string systemHostName() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0 || buf[0] == '\0') return "?";
    return buf;
}

std::string firstLineOf(const char* file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// This computer as the lock files name it. The machine and boot identities tell two computers
// that were given the same host name apart, and a lock file from before a restart.
struct Machine {
    std::string machine;
    std::string boot;
};

const Machine& thisMachine() {
    static const Machine m = [] {
        Machine out;
        out.machine = firstLineOf("/etc/machine-id");
        if (out.machine.empty()) out.machine = firstLineOf("/var/lib/dbus/machine-id");
        out.boot = firstLineOf("/proc/sys/kernel/random/boot_id");
        return out;
    }();
    return m;
}

// Who holds a lock file, as written in it. `complete` is false for a file that is being written
// or that holds something else; such a file is judged by its age alone.
struct Holder {
    bool complete = false;
    std::string host, machine, boot, token;
    long long pid = 0;
    long long time = 0;
};

constexpr const char* kFirstLine = "orvela lock";

std::string describe(const Holder& h) {
    std::ostringstream out;
    out << kFirstLine << "\nhost=" << h.host << "\nmachine=" << h.machine << "\nboot=" << h.boot
        << "\npid=" << h.pid << "\ntime=" << h.time << "\ntoken=" << h.token << "\nend\n";
    return out.str();
}

Holder parse(const std::string& text) {
    Holder h;
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine) return h;
    bool ended = false;
    while (std::getline(in, line)) {
        if (line == "end") {
            ended = true;
            break;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string key = line.substr(0, eq);
        std::string value = line.substr(eq + 1);
        try {
            if (key == "host") h.host = value;
            else if (key == "machine") h.machine = value;
            else if (key == "boot") h.boot = value;
            else if (key == "token") h.token = value;
            else if (key == "pid") h.pid = std::stoll(value);
            else if (key == "time") h.time = std::stoll(value);
        } catch (const std::exception&) {
            return Holder{};
        }
    }
    h.complete = ended && !h.token.empty() && !h.host.empty();
    return h;
}

std::string newToken() {
    static std::mutex m;
    static std::mt19937_64 gen{[] {
        std::random_device rd;
        std::seed_seq seq{rd(), rd(), rd(), rd(), static_cast<unsigned>(::getpid())};
        return std::mt19937_64(seq);
    }()};
    std::lock_guard<std::mutex> lock(m);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%016llx%016llx", static_cast<unsigned long long>(gen()),
                  static_cast<unsigned long long>(gen()));
    return buf;
}

long long nowSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string lockText(const std::string& token) {
    Holder me;
    me.host = DirectoryLock::hostName();
    me.machine = thisMachine().machine;
    me.boot = thisMachine().boot;
    me.pid = ::getpid();
    me.time = nowSeconds();
    me.token = token;
    return describe(me);
}

// Creates `path` only when there is no such file, with `text` in it. 0, or the errno of the
// failure (EEXIST: somebody else's file is there).
int createExclusively(const fs::path& path, const std::string& text) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno;
    int err = 0;
    if (!writeAll(fd, text) || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        // Ours, only half written: nobody else can have it.
        removeFile(path);
        return err == EEXIST ? EIO : err;
    }
    return 0;
}

// A lock file as found: what it says and which file it is.
struct Found {
    std::string text;
    dev_t dev = 0;
    ino_t ino = 0;
    long long mtimeSec = 0;
    long mtimeNsec = 0;

    bool sameFile(const Found& o) const {
        return text == o.text && dev == o.dev && ino == o.ino && mtimeSec == o.mtimeSec &&
               mtimeNsec == o.mtimeNsec;
    }
};

// nullopt when there is no such file (or it cannot be read: then nothing can be judged).
std::optional<Found> look(const fs::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    Found f;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size > 4096) {
        ::close(fd);
        return std::nullopt;
    }
    f.dev = st.st_dev;
    f.ino = st.st_ino;
    f.mtimeSec = st.st_mtim.tv_sec;
    f.mtimeNsec = st.st_mtim.tv_nsec;
    char buf[4096];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        f.text.append(buf, static_cast<std::size_t>(n));
        if (f.text.size() > 4096) break;
    }
    ::close(fd);
    return f;
}

// A process that has ended but not yet been waited for by its parent is gone as well.
bool processGone(long long pid) {
    if (pid <= 0 || pid != static_cast<pid_t>(pid)) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0) return errno == ESRCH;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(stat, text);
    const auto close = text.rfind(')');
    if (close == std::string::npos || close + 2 >= text.size()) return false;
    const char state = text[close + 2];
    return state == 'Z' || state == 'X';
}

// Whether the holder of a lock file is certainly no longer there.
bool isStale(const Found& f) {
    const Holder h = parse(f.text);
    if (h.complete && h.host == DirectoryLock::hostName() && h.machine == thisMachine().machine) {
        // Taken on this computer: before its last start, or by a process that has ended.
        if (!h.machine.empty() && !h.boot.empty() && h.boot != thisMachine().boot) return true;
        if (h.boot == thisMachine().boot && processGone(h.pid)) return true;
    }
    // Otherwise only its age tells, by the younger of the two times.
    long long taken = f.mtimeSec;
    if (h.complete && h.time > taken) taken = h.time;
    return nowSeconds() - taken > kStaleLockSeconds;
}

// Removes the lock file at `path` when it still holds `token`.
void removeOwn(const fs::path& path, const std::string& token) {
    std::optional<Found> f = look(path);
    if (f && parse(f->text).token == token) removeFile(path);
}

// A lock file that says nothing of its holder is one whose holder died between creating it and
// writing it (writing takes a moment). It is judged stale once it has stayed the same for
// kUnwrittenGrace by this process's own clock, which no other computer's clock can confuse.
constexpr auto kUnwrittenGrace = std::chrono::seconds(2);

class StaleCheck {
public:
    bool operator()(const Found& f) {
        if (parse(f.text).complete) return isStale(f);
        const auto now = std::chrono::steady_clock::now();
        if (!seen_ || !seen_->sameFile(f)) {
            seen_ = f;
            since_ = now;
        } else if (now - since_ >= kUnwrittenGrace) {
            return true;
        }
        return isStale(f);
    }

private:
    std::optional<Found> seen_;
    std::chrono::steady_clock::time_point since_;
};

// Removes the stale lock file `stale` found at `path`, unless another copy has done so first.
// False when nothing could be done now (another copy is taking over, or no guard can be made).
bool takeOver(const fs::path& path, const Found& stale, StaleCheck& guardIsStale) {
    fs::path guard = path;
    guard += ".take";
    const std::string token = newToken();
    int err = createExclusively(guard, lockText(token));
    if (err == EEXIST) {
        // Another copy is taking over right now, or died doing so (it holds the guard for no
        // more than a few file operations).
        std::optional<Found> g = look(guard);
        if (g && guardIsStale(*g)) {
            std::optional<Found> again = look(guard);
            if (again && again->sameFile(*g)) return removeFile(guard);
        }
        return false;
    }
    if (err != 0) return false;
    std::optional<Found> now = look(path);
    if (now && now->sameFile(stale)) removeFile(path);
    removeOwn(guard, token);
    return true;
}

// A copy that died while taking a stale lock over leaves its guard behind, and nobody would take
// it over unless another lock went stale. The next holder of the lock, whose own lock is fresh
// and so not being taken over, removes a guard whose holder is gone.
void clearDeadGuard(const fs::path& path) {
    fs::path guard = path;
    guard += ".take";
    std::optional<Found> g = look(guard);
    if (g && parse(g->text).complete && isStale(*g)) removeFile(guard);
}

} // namespace

void DirectoryLock::setHostName(const std::string& name) {
    std::lock_guard<std::mutex> lock(hostMutex());
    hostOverride() = name;
}

std::string DirectoryLock::hostName() {
    std::lock_guard<std::mutex> lock(hostMutex());
    if (hostOverride().empty()) hostOverride() = systemHostName();
    return hostOverride();
}

DirectoryLock::DirectoryLock(const fs::path& lockFile, int timeoutMs) : path_(lockFile) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const std::string token = newToken();
    std::minstd_rand pause(static_cast<unsigned>(std::hash<std::string>{}(token)));
    StaleCheck lockIsStale, guardIsStale;
    for (;;) {
        int err = createExclusively(lockFile, lockText(token));
        if (err == 0) {
            // Written in full; a copy that found the file still empty meanwhile and gave up on
            // its holder may have removed it.
            std::optional<Found> mine = look(lockFile);
            if (mine && parse(mine->text).token == token) {
                token_ = token;
                clearDeadGuard(lockFile);
                return;
            }
            if (std::chrono::steady_clock::now() < deadline) continue;
            return;
        }
        if (err != EEXIST) return; // no lock file can be made here at all
        std::optional<Found> held = look(lockFile);
        if (held && lockIsStale(*held) && takeOver(lockFile, *held, guardIsStale) &&
            std::chrono::steady_clock::now() < deadline)
            continue;
        if (std::chrono::steady_clock::now() >= deadline) return;
        // Varied, so that copies that met once do not keep meeting.
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + pause() % 20));
    }
}

DirectoryLock::~DirectoryLock() {
    if (!token_.empty()) removeOwn(path_, token_);
}

} // namespace orvela
