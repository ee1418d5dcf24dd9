// The lock file on a shared directory: a stale lock (its process gone, or taken long ago on
// another computer) is taken over, a live one is waited for and then given up on, and nobody
// removes a lock file that is not their own.

#include "DiagnosisLock.h"
#include "Fakes.h"
#include "LevelStore.h"
#include "ScoreTableFile.h"

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

long long secondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Dates the file back (both of its times: some network file systems ignore a change of only
// one of them).
void setAge(const fs::path& p, long long ageSeconds) {
    struct timespec times[2] = {};
    times[0].tv_sec = static_cast<time_t>(secondsNow() - ageSeconds);
    times[1] = times[0];
    ASSERT_EQ(utimensat(AT_FDCWD, p.c_str(), times, 0), 0);
}

// A lock file as another computer of the classroom writes it, taken `ageSeconds` ago.
void writeForeignLock(const fs::path& p, const std::string& host, long long ageSeconds) {
    const std::string text = "orvela lock\nhost=" + host +
                             "\nmachine=0123456789abcdef\nboot=b\npid=4242\ntime=" +
                             std::to_string(secondsNow() - ageSeconds) +
                             "\ntoken=feedfacefeedface\nend\n";
    int fd = open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    fsync(fd);
    close(fd);
    setAge(p, ageSeconds);
}

// A process of this computer that takes the lock and ends without letting go of it, as a copy of
// the program does when it is killed.
void leaveLockOfDeadProcess(const fs::path& lockFile) {
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        DirectoryLock lock(lockFile, 1000);
        _exit(lock.locked() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(fs::exists(lockFile));
}

// A process that holds a lock file until `release` is written to; `held` tells when it has it.
struct LiveHolder {
    pid_t pid = -1;
    int release[2] = {-1, -1};

    LiveHolder(const std::vector<fs::path>& lockFiles, const std::string& host) {
        int held[2];
        if (pipe(held) != 0 || pipe(release) != 0) return;
        pid = fork();
        if (pid == 0) {
            if (!host.empty()) DirectoryLock::setHostName(host);
            std::vector<std::unique_ptr<DirectoryLock>> locks;
            char c = 'y';
            for (const fs::path& f : lockFiles) {
                locks.push_back(std::make_unique<DirectoryLock>(f, 1000));
                if (!locks.back()->locked()) c = 'n';
            }
            if (write(held[1], &c, 1) != 1) _exit(2);
            if (read(release[0], &c, 1) != 1) _exit(3);
            locks.clear();
            _exit(0);
        }
        char c = 0;
        if (read(held[0], &c, 1) != 1 || c != 'y') pid = -1;
        close(held[0]);
        close(held[1]);
    }
    ~LiveHolder() {
        if (write(release[1], "x", 1) == 1 && pid > 0) waitpid(pid, nullptr, 0);
        close(release[0]);
        close(release[1]);
    }
};

} // namespace

TEST(DirectoryLock, StaleLocksAreTakenOver) {
    TempContent content;
    const fs::path lockFile = content.root() / "FDIAG.LCK";

    // Taken on this computer by a process that is gone.
    leaveLockOfDeadProcess(lockFile);
    const std::string dead = fileText(lockFile);
    {
        DirectoryLock lock(lockFile, 5000);
        ASSERT_TRUE(lock.locked());
        EXPECT_NE(fileText(lockFile), dead) << "the lock file is the new holder's";
        EXPECT_NE(fileText(lockFile).find("pid=" + std::to_string(getpid()) + "\n"),
                  std::string::npos);
    }
    EXPECT_FALSE(fs::exists(lockFile));

    // Taken long ago on another computer.
    writeForeignLock(lockFile, "klassrum-7", kStaleLockSeconds + 60);
    {
        DirectoryLock lock(lockFile, 5000);
        EXPECT_TRUE(lock.locked());
    }
    EXPECT_FALSE(fs::exists(lockFile));

    // Something that is no lock file at all, long ago.
    {
        std::ofstream(lockFile) << "skräp";
    }
    setAge(lockFile, kStaleLockSeconds + 60);
    {
        DirectoryLock lock(lockFile, 5000);
        EXPECT_TRUE(lock.locked());
    }

    // A copy killed while taking over leaves its guard file besides the stale lock.
    leaveLockOfDeadProcess(lockFile);
    fs::path guard = lockFile;
    guard += ".take";
    leaveLockOfDeadProcess(guard);
    {
        DirectoryLock lock(lockFile, 5000);
        EXPECT_TRUE(lock.locked());
    }
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_FALSE(fs::exists(guard));

    // ... or, when it had already removed the stale lock, the guard alone: the next holder
    // clears it.
    leaveLockOfDeadProcess(guard);
    {
        DirectoryLock lock(lockFile, 5000);
        EXPECT_TRUE(lock.locked());
    }
    EXPECT_FALSE(fs::exists(guard));

    // Several processes finding the same stale lock at once: exactly one holds it at a time,
    // which each checks by a counter file only a holder changes.
    leaveLockOfDeadProcess(lockFile);
    const fs::path counter = content.root() / "counter";
    { std::ofstream(counter) << 0; }
    std::vector<pid_t> takers;
    for (int k = 0; k < 6; ++k) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int round = 0; round < 20; ++round) {
                DirectoryLock lock(lockFile, 20000);
                if (!lock.locked()) _exit(1);
                int n = std::stoi(fileText(counter));
                { std::ofstream(counter) << n + 1; }
            }
            _exit(0);
        }
        takers.push_back(pid);
    }
    for (pid_t pid : takers) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(fileText(counter), "120") << "two holders at once lost a count";
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_FALSE(fs::exists(guard));
}

TEST(DirectoryLock, LiveLocksAreRespected) {
    TempContent content;
    const fs::path lockFile = content.root() / "FNR.LCK";

    // Taken a moment ago on another computer: its process id says nothing here.
    writeForeignLock(lockFile, "klassrum-3", 5);
    const std::string foreign = fileText(lockFile);
    {
        DirectoryLock lock(lockFile, 100);
        EXPECT_FALSE(lock.locked());
    }
    EXPECT_EQ(fileText(lockFile), foreign) << "a copy that did not get the lock removes nothing";
    fs::remove(lockFile);

    // Held by a live process of this computer, and by one that acts as another computer.
    for (const std::string host : {"", "klassrum-5"}) {
        LiveHolder holder({lockFile}, host);
        ASSERT_GT(holder.pid, 0);
        DirectoryLock lock(lockFile, 100);
        EXPECT_FALSE(lock.locked()) << host;
    }
    EXPECT_FALSE(fs::exists(lockFile)) << "each holder removed its own file";

    // A holder whose lock was taken over as stale leaves the new holder's file alone.
    {
        DirectoryLock old(lockFile, 100);
        ASSERT_TRUE(old.locked());
        writeForeignLock(lockFile, "klassrum-1", 10); // as if it had been taken over meanwhile
    }
    EXPECT_TRUE(fs::exists(lockFile));
    EXPECT_NE(fileText(lockFile).find("host=klassrum-1\n"), std::string::npos);
    fs::remove(lockFile);

    // The stores wait for the holder and then give up, leaving their files as they were, so
    // that the windows tell the pupil to try again.
    const fs::path dir = content.root() / "RESULTAT";
    fs::create_directories(dir);
    LevelStore levels(dir);
    ASSERT_EQ(levels.store(AnsiText::ascii("ANNA"), 3, "1").result,
              RecordFileChange::Result::Written);
    const std::string before = fileText(levels.path());
    LiveHolder holder({dir / kDiagnosisLockName, dir / kScoreLockName}, "klassrum-2");
    ASSERT_GT(holder.pid, 0);
    ScoreTableStore scored;
    std::thread scoring([&] {
        scored = ScoreTableFile(dir / "GLOSOR1.FNR").store(ScoreRecord{AnsiText::ascii("ANNA")}, "1");
    });
    EXPECT_EQ(levels.store(AnsiText::ascii("ANNA"), 4, "1").result,
              RecordFileChange::Result::NotLocked);
    scoring.join();
    EXPECT_EQ(scored.result, ScoreTableStore::Result::NotLocked);
    EXPECT_EQ(fileText(levels.path()), before);
    EXPECT_FALSE(fs::exists(dir / "GLOSOR1.FNR"));
}
