// Copies of the program on one diagnosis directory: interleaved stores lose nothing, and a
// copy killed in the middle of its stores leaves a whole, readable diagnosis file.

#include "DiagnosisFile.h"
#include "DiagnosisLock.h"
#include "DiagnosisRecordCodec.h"
#include "Fakes.h"

#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

constexpr int kPupilsPerCopy = 12;
constexpr int kRoundsPerPupil = 2;

// One copy of the program: its own Shell and fakes on the shared content tree.
struct ProgramCopy {
    FakeMessages messages;
    FakeClock clock;
    FakeMeasure measure;
    FakeSound sound;
    Shell shell;
    explicit ProgramCopy(const fs::path& root)
        : shell(ContentPaths(root), ShellServices{&messages, &clock, &measure, &sound}) {}

    // Every pupil of this copy logs in, is tested and stored, `rounds` times over.
    int storePupils(const std::string& prefix, int rounds) {
        int failures = 0;
        for (int round = 1; round <= rounds; ++round) {
            for (int k = 0; k < kPupilsPerCopy; ++k) {
                shell.HaemtaElev(AnsiText::ascii(prefix + std::to_string(k)));
                shell.state().CurrentProgramme = 1 + k % 18;
                shell.diagnosback(round);
                if (shell.state().ProtocolSave != 0) ++failures;
            }
        }
        return failures + static_cast<int>(messages.shown.size());
    }
};

// name -> result of the programme the pupil was tested in
std::map<std::string, int> storedResults(const fs::path& dir) {
    std::map<std::string, int> out;
    for (const DiagnosisRecord& r : DiagnosisFile(dir).read().records) {
        int k = std::stoi(r.name.bytes().substr(1));
        out[r.name.bytes()] = r.result[static_cast<std::size_t>(1 + k % 18)];
    }
    return out;
}

void expectEveryPupil(const fs::path& dir, const std::vector<std::string>& prefixes, int result) {
    std::map<std::string, int> stored = storedResults(dir);
    EXPECT_EQ(stored.size(), prefixes.size() * kPupilsPerCopy) << "one record per pupil";
    for (const std::string& p : prefixes)
        for (int k = 0; k < kPupilsPerCopy; ++k) {
            std::string name = p + std::to_string(k);
            ASSERT_TRUE(stored.count(name)) << name << " was lost";
            EXPECT_EQ(stored[name], result) << name;
        }
    std::uintmax_t size = fs::file_size(dir / "FDIAG.DIA");
    EXPECT_EQ(size % kDiagnosisRecordSize, 0u);
}

} // namespace

TEST(DiagnosisSharing, EightProcessesStoringAtOnceLoseNothing) {
    TempContent content;
    std::vector<pid_t> children;
    const std::vector<std::string> prefixes = {"C", "D", "E", "F", "G", "H", "I", "J"};
    for (const std::string& prefix : prefixes) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            {
                ProgramCopy copy(content.root());
                failures = copy.storePupils(prefix, kRoundsPerPupil);
            }
            _exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    expectEveryPupil(content.root() / "RESULTAT", prefixes, kRoundsPerPupil);
}

TEST(DiagnosisSharing, ACopyKilledWhileStoringLeavesAWholeFile) {
    TempContent content;
    fs::path dir = content.root() / "RESULTAT";
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ProgramCopy copy(content.root());
        for (;;)
            copy.storePupils("K", 1);
    }
    // Let the child store a while, then kill it wherever it is.
    bool childDied = false;
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            childDied = true;
            break;
        }
        if (DiagnosisFile(dir).read().records.size() >= static_cast<std::size_t>(kPupilsPerCopy))
            break;
        usleep(1000);
    }
    ASSERT_FALSE(childDied) << "the storing copy ended by itself";
    // A few more stores, so that the kill may well land inside one.
    usleep(20000);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);

    DiagnosisFileContents c = DiagnosisFile(dir).read();
    ASSERT_EQ(c.state, DiagnosisFileContents::State::Read);
    EXPECT_EQ(c.strayBytes, 0u);
    EXPECT_EQ(c.records.size(), static_cast<std::size_t>(kPupilsPerCopy));
    for (const DiagnosisRecord& r : c.records)
        EXPECT_EQ(r.name.bytes().front(), 'K');

    // The next copy stores over whatever scratch file was left behind.
    ProgramCopy next(content.root());
    EXPECT_EQ(next.storePupils("L", 1), 0);
    EXPECT_EQ(DiagnosisFile(dir).read().records.size(), 2u * kPupilsPerCopy);
}

// The lock file is there only while a copy holds the lock. A copy that gives up waiting leaves
// the holder's file alone, and a copy that was waiting when the holder removed its file locks
// the new file at the path, never the removed one (which would let a third copy in beside it).
TEST(DiagnosisSharing, TheLockFileGoesWithTheHolderAndNeverFromUnderAnother) {
    TempContent content;
    const fs::path dir = content.root() / "RESULTAT";
    fs::create_directories(dir);
    const fs::path lockFile = dir / kDiagnosisLockName;
    {
        DiagnosisLock lock(dir);
        ASSERT_TRUE(lock.locked());
        EXPECT_TRUE(fs::exists(lockFile));
    }
    EXPECT_FALSE(fs::exists(lockFile)) << "removed when the lock is released";
    {
        ProgramCopy copy(content.root());
        EXPECT_EQ(copy.storePupils("M", 1), 0);
    }
    EXPECT_FALSE(fs::exists(lockFile)) << "nothing left after storing";

    // Another process holds the lock until it is told to let go.
    int held[2], release[2];
    ASSERT_EQ(pipe(held), 0);
    ASSERT_EQ(pipe(release), 0);
    pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        DirectoryLock lock(lockFile, 1000);
        char c = lock.locked() ? 'y' : 'n';
        if (write(held[1], &c, 1) != 1) _exit(2);
        if (read(release[0], &c, 1) != 1) _exit(3);
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(held[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    {
        DirectoryLock impatient(lockFile, 50);
        EXPECT_FALSE(impatient.locked());
    }
    EXPECT_TRUE(fs::exists(lockFile)) << "a copy that did not get the lock removes nothing";

    // This process waits on the holder's file while the holder removes it and lets go.
    std::unique_ptr<DirectoryLock> waiter;
    std::thread waiting([&] { waiter = std::make_unique<DirectoryLock>(lockFile, 10000); });
    usleep(100000); // lets the waiter open the holder's file first
    ASSERT_EQ(write(release[1], "x", 1), 1);
    waiting.join();
    int status = 0;
    ASSERT_EQ(waitpid(holder, &status, 0), holder);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(waiter && waiter->locked());
    EXPECT_TRUE(fs::exists(lockFile)) << "the waiter holds the file at the path";

    pid_t third = fork();
    ASSERT_GE(third, 0);
    if (third == 0) {
        DirectoryLock lock(lockFile, 50);
        _exit(lock.locked() ? 1 : 0);
    }
    ASSERT_EQ(waitpid(third, &status, 0), third);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a third copy got in beside";
    waiter.reset();
    EXPECT_FALSE(fs::exists(lockFile));
    for (int fd : {held[0], held[1], release[0], release[1]})
        close(fd);
}
