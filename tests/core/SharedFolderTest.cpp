// A results directory on a network share: copies of the program on several computers store into
// it at once and keep every store, and copies killed in the middle of storing leave whole files
// and nothing that blocks the next store.

#include "DiagnosisFile.h"
#include "Fakes.h"
#include "LevelStore.h"
#include "ScoreTableFile.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

bool storeDiagnosis(const fs::path& dir, const std::string& name, int result) {
    DiagnosisRecord r;
    r.name = AnsiText::ascii(name);
    r.result[1] = result;
    auto change = DiagnosisFile(dir).update(
        [&](std::vector<DiagnosisRecord>& records) {
            records.push_back(r);
            return true;
        },
        true, "1");
    return change.result == DiagnosisFileChange::Result::Written;
}

bool storeLevel(const fs::path& dir, const std::string& name, int level) {
    return LevelStore(dir).store(AnsiText::ascii(name), level, "1").result ==
           RecordFileChange::Result::Written;
}

bool storeScore(const fs::path& table, const std::string& name, int score) {
    ScoreRecord r;
    r.name = AnsiText::ascii(name);
    r.year = 2026;
    r.score = score;
    return ScoreTableFile(table).store(r, "1").result == ScoreTableStore::Result::Written;
}

std::map<std::string, int> diagnosisResults(const fs::path& dir) {
    DiagnosisFileContents c = DiagnosisFile(dir).read();
    EXPECT_NE(c.state, DiagnosisFileContents::State::Unreadable); // missing before the first store
    EXPECT_EQ(c.strayBytes, 0u);
    std::map<std::string, int> out;
    for (const DiagnosisRecord& r : c.records) {
        EXPECT_EQ(out.count(r.name.bytes()), 0u) << r.name.bytes() << " stored twice";
        out[r.name.bytes()] = r.result[1];
    }
    return out;
}

std::map<std::string, int> levels(const fs::path& dir) {
    LevelStoreContents c = LevelStore(dir).read();
    EXPECT_NE(c.state, LevelStoreContents::State::Unreadable); // missing before the first store
    EXPECT_EQ(c.strayBytes, 0u);
    std::map<std::string, int> out;
    for (const LevelRecord& r : c.records) {
        EXPECT_EQ(out.count(r.name.bytes()), 0u) << r.name.bytes() << " stored twice";
        out[r.name.bytes()] = r.level;
    }
    return out;
}

int waitForExit(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// The files of the directory other than the three stores.
std::vector<std::string> leftovers(const fs::path& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) {
        std::string n = e.path().filename().string();
        if (n != "FDIAG.DIA" && n != "FXACT.STE" && n != "GLOSOR1.FNR") out.push_back(n);
    }
    return out;
}

} // namespace

TEST(SharedFolder, EightComputersStoringAtOnceKeepEveryStore) {
    constexpr int kComputers = 8;
    constexpr int kStores = 50;
    TempContent content;
    const fs::path dir = content.root() / "RESULTAT";
    fs::create_directories(dir);
    std::vector<pid_t> children;
    for (int c = 0; c < kComputers; ++c) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            DirectoryLock::setHostName("klassrum-" + std::to_string(c));
            int failures = 0;
            for (int k = 0; k < kStores; ++k) {
                const std::string name = "P" + std::to_string(c) + "-" + std::to_string(k);
                if (!storeDiagnosis(dir, name, c * 100 + k)) ++failures;
                if (!storeLevel(dir, name, 2 + (c + k) % 7)) ++failures;
            }
            _exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children)
        EXPECT_EQ(waitForExit(pid), 0) << "a store failed";

    const std::map<std::string, int> results = diagnosisResults(dir);
    const std::map<std::string, int> stored = levels(dir);
    EXPECT_EQ(results.size(), static_cast<std::size_t>(kComputers * kStores));
    EXPECT_EQ(stored.size(), static_cast<std::size_t>(kComputers * kStores));
    for (int c = 0; c < kComputers; ++c)
        for (int k = 0; k < kStores; ++k) {
            const std::string name = "P" + std::to_string(c) + "-" + std::to_string(k);
            ASSERT_TRUE(results.count(name)) << name << " lost from the diagnosis file";
            ASSERT_TRUE(stored.count(name)) << name << " lost from the level store";
            EXPECT_EQ(results.at(name), c * 100 + k);
            EXPECT_EQ(stored.at(name), 2 + (c + k) % 7);
        }
    EXPECT_TRUE(leftovers(dir).empty());
}

// A copy of the program stores diagnoses, levels and record-table entries in turn and is killed
// at a random moment; the next copy goes on. Every store the killed copy had finished is kept,
// every file stays whole, and whatever it left behind never stands in the next copy's way (a
// store that found its lock blocked would fail). ORVELA_LONG_TESTS=1 runs the full 1 000 stores.
TEST(CrashConsistency, CopiesKilledWhileStoringLoseNoFinishedStore) {
    const char* full = std::getenv("ORVELA_LONG_TESTS");
    const int wanted = full && std::string(full) == "1" ? 1000 : 150;
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);

    TempContent content;
    const fs::path dir = content.root() / "RESULTAT";
    fs::create_directories(dir);
    const fs::path table = dir / "GLOSOR1.FNR";

    std::set<int> finished;          // every store reported finished
    std::size_t tableSize = 0;       // records in the table after the last round
    int next = 0;                    // the first store of the next copy
    while (static_cast<int>(finished.size()) < wanted) {
        int report[2];
        ASSERT_EQ(pipe(report), 0);
        const int first = next;
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(report[0]);
            for (int i = first;; ++i) {
                const std::string name = "N" + std::to_string(i);
                bool ok = i % 3 == 0   ? storeDiagnosis(dir, name, i)
                          : i % 3 == 1 ? storeLevel(dir, name, 2 + i % 7)
                                       : storeScore(table, name, i);
                int said = ok ? i : -1;
                if (write(report[1], &said, sizeof said) != sizeof said || !ok) _exit(1);
            }
        }
        close(report[1]);
        // Kill it after some stores, a random while into the next one.
        const int before = static_cast<int>(random() % 12);
        int said = 0;
        std::vector<int> round;
        for (int k = 0; k < before && read(report[0], &said, sizeof said) == sizeof said; ++k)
            round.push_back(said);
        usleep(random() % 4000);
        kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the storing copy ended by itself";
        while (read(report[0], &said, sizeof said) == sizeof said)
            round.push_back(said);
        close(report[0]);
        for (int i : round) {
            ASSERT_GE(i, 0) << "a store failed: a copy's leftovers blocked it";
            finished.insert(i);
        }
        next = first + static_cast<int>(round.size()) + 1;

        // Every file whole, and every finished store in it.
        const std::map<std::string, int> results = diagnosisResults(dir);
        const std::map<std::string, int> stored = levels(dir);
        for (int i : finished) {
            const std::string name = "N" + std::to_string(i);
            if (i % 3 == 0) {
                ASSERT_TRUE(results.count(name)) << name << " lost from the diagnosis file";
                EXPECT_EQ(results.at(name), i);
            } else if (i % 3 == 1) {
                ASSERT_TRUE(stored.count(name)) << name << " lost from the level store";
                EXPECT_EQ(stored.at(name), 2 + i % 7);
            }
        }
        if (!fs::exists(table)) continue;
        ScoreTableContents t = ScoreTableFile(table).readOrCreate();
        ASSERT_EQ(t.state, ScoreTableContents::State::Read);
        EXPECT_EQ(t.strayBytes, 0u);
        // Each entry outscores all before it, so the entries of this round are all on the table,
        // which keeps every earlier entry until it is full.
        std::set<std::string> onTable;
        for (const ScoreRecord& r : t.records)
            onTable.insert(r.name.bytes());
        std::size_t scoredNow = 0;
        for (int i : round)
            if (i % 3 == 2) {
                ++scoredNow;
                EXPECT_TRUE(onTable.count("N" + std::to_string(i))) << i << " lost from the table";
            }
        EXPECT_GE(t.records.size(), std::min<std::size_t>(MaxRecords, tableSize + scoredNow));
        EXPECT_LE(t.records.size(), std::min<std::size_t>(MaxRecords, tableSize + scoredNow + 1));
        EXPECT_TRUE(std::is_sorted(t.records.begin(), t.records.end(),
                                   [](const ScoreRecord& a, const ScoreRecord& b) {
                                       return a.score > b.score;
                                   }));
        tableSize = t.records.size();
    }

    // This copy stores once more in each file; then nothing but the three files is left.
    EXPECT_TRUE(storeDiagnosis(dir, "SIST", 1));
    EXPECT_TRUE(storeLevel(dir, "SIST", 2));
    EXPECT_TRUE(storeScore(table, "SIST", next + 1));
    EXPECT_EQ(leftovers(dir), std::vector<std::string>{});
}
