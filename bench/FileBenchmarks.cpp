// The files the program reads and rewrites, at the sizes a school reaches: counting a whole
// course's data files, a class's diagnosis store, a full record table and a full level store.

#include "BenchSupport.h"
#include "DiagnosisFile.h"
#include "LevelStore.h"
#include "RecordTable.h"
#include "ScoreTableFile.h"
#include "Scrambling.h"
#include "Shell.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace orvela;
using namespace orvela::bench;

namespace {

constexpr int kCourseFiles = 172;
constexpr int kItemsPerFile = 1000;

std::string number(int n, int width) {
    std::string s = std::to_string(n);
    return std::string(width > static_cast<int>(s.size()) ? width - s.size() : 0, '0') + s;
}

// A data file as the course has them: headings, an instruction and scrambled item lines.
std::string dataFile(int file) {
    // In Windows-1252, as the course's files are.
    std::string text = AnsiText::fromUtf8("$Övning " + std::to_string(file) +
                                          "\r\n$§Översätt till franska.\r\n")
                           .bytes();
    for (int n = 1; n <= kItemsPerFile; ++n) {
        AnsiText item = AnsiText::ascii("le mot numero " + std::to_string(n) + "#ordet nummer " +
                                        std::to_string(n) + "#&un mot#");
        text += kryptrad(item).bytes() + "\r\n";
    }
    return text;
}

// A course of 172 data files of 1 000 items each, with a shell that knows them.
struct Course {
    ScratchDir root;
    std::vector<AnsiText> names;
    std::vector<std::filesystem::path> files;
    SilentMessages messages;
    FixedClock clock;
    NoSound sound;
    Shell shell{ContentPaths(root.path()), ShellServices{&messages, &clock, nullptr, &sound}};

    Course() {
        SharedState& s = shell.state();
        for (int f = 1; f <= kCourseFiles; ++f) {
            std::string name = "FRA1" + number(f, 4) + ".DAT";
            files.push_back(root.write("DATA/" + name, dataFile(f)));
            names.push_back(AnsiText::ascii(name));
            s.FileTable[static_cast<std::size_t>(f)] = names.back();
        }
        s.FileTableCount = kCourseFiles;
    }

    // Kolla on every file whose item counts are not known yet (the first look at each file in a
    // program run): every file is read to its end.
    void countAll() {
        SharedState& s = shell.state();
        s.ItemCount.fill(0);
        for (const AnsiText& name : names) {
            s.CurrentDataFile = name;
            benchmark::DoNotOptimize(shell.Kolla(name));
        }
    }

    // Drops the files from the page cache, as after a restart (they are flushed first: only
    // written-back pages can be dropped).
    void dropFromCache() const {
        for (const std::filesystem::path& f : files) {
            const int fd = ::open(f.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) continue;
            ::fdatasync(fd);
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
};

void BM_KollaWholeCourse(benchmark::State& state) {
    Course course;
    for (auto _ : state)
        course.countAll();
    if (course.shell.state().ItemCount[1] != kItemsPerFile)
        state.SkipWithError("the items were not counted");
    state.counters["files"] = kCourseFiles;
}
BENCHMARK(BM_KollaWholeCourse)->Unit(benchmark::kMillisecond);

// The same with the files read from the disk, not from the page cache.
void BM_KollaWholeCourseColdCache(benchmark::State& state) {
    Course course;
    for (auto _ : state) {
        state.PauseTiming();
        course.dropFromCache();
        state.ResumeTiming();
        course.countAll();
    }
    if (course.shell.state().ItemCount[1] != kItemsPerFile)
        state.SkipWithError("the items were not counted");
}
BENCHMARK(BM_KollaWholeCourseColdCache)->Unit(benchmark::kMillisecond)->UseRealTime();

DiagnosisRecord pupil(int n) {
    DiagnosisRecord r;
    r.name = AnsiText::ascii("ELEV " + std::to_string(n));
    r.password = AnsiText::ascii("L" + std::to_string(n % 1000));
    for (std::size_t p = 1; p <= kDiagnosisProgrammes; ++p) {
        r.result[p] = static_cast<std::int32_t>((n + p) % 30);
        r.status[p] = static_cast<std::uint8_t>(p % 4);
        r.year[p] = 2026;
        r.month[p] = 12;
        r.day[p] = 6;
    }
    return r;
}

// One pupil's result stored in a diagnosis file of `pupils` records: read under the lock, one
// record changed, the whole file written through the scratch file and renamed.
void BM_DiagnosisStoreOnePupil(benchmark::State& state) {
    const int pupils = static_cast<int>(state.range(0));
    ScratchDir dir;
    std::vector<DiagnosisRecord> records;
    for (int n = 1; n <= pupils; ++n)
        records.push_back(pupil(n));
    dir.write(kDiagnosisFileName, DiagnosisFile::encodeAll(records));
    DiagnosisFile file(dir.path());
    std::int32_t result = 0;
    for (auto _ : state) {
        ++result;
        DiagnosisFileChange change = file.update(
            [&](std::vector<DiagnosisRecord>& r) {
                r[r.size() / 2].result[3] = result;
                return true;
            },
            false, "2612061030");
        if (change.result != RecordFileChange::Result::Written) state.SkipWithError("not stored");
    }
}
BENCHMARK(BM_DiagnosisStoreOnePupil)->Arg(10000)->Unit(benchmark::kMillisecond);

// Reading the same diagnosis file, as the pupil list does.
void BM_DiagnosisRead(benchmark::State& state) {
    const int pupils = static_cast<int>(state.range(0));
    ScratchDir dir;
    std::vector<DiagnosisRecord> records;
    for (int n = 1; n <= pupils; ++n)
        records.push_back(pupil(n));
    dir.write(kDiagnosisFileName, DiagnosisFile::encodeAll(records));
    DiagnosisFile file(dir.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(file.read());
}
BENCHMARK(BM_DiagnosisRead)->Arg(10000)->Unit(benchmark::kMillisecond);

// A new best score stored in a full record table (100 records).
void BM_RecordTableStoreFull(benchmark::State& state) {
    ScratchDir dir;
    std::vector<ScoreRecord> records;
    for (int n = 0; n < MaxRecords; ++n) {
        ScoreRecord r;
        r.name = AnsiText::ascii("ELEV " + std::to_string(n));
        r.year = 2026;
        r.month = 12;
        r.day = 6;
        r.score = 10000 - n;
        records.push_back(r);
    }
    ScoreTableFile file(dir.write("GLOSOR1.FNR", encodeScoreRecords(records)));
    ScoreRecord entry;
    entry.name = AnsiText::ascii("ANNA");
    entry.year = 2026;
    entry.score = 20000;
    for (auto _ : state) {
        ++entry.score; // always the new first row: the table is rewritten every time
        ScoreTableStore stored = file.store(entry, "2612061030");
        if (stored.result != ScoreTableStore::Result::Written) state.SkipWithError("not stored");
    }
}
BENCHMARK(BM_RecordTableStoreFull)->Unit(benchmark::kMillisecond);

// A pupil's new level stored in a level store of `pupils` records (64527 fill the largest file
// the program accepts, 16 MiB).
void BM_LevelStoreStore(benchmark::State& state) {
    const int pupils = static_cast<int>(state.range(0));
    ScratchDir dir;
    std::vector<LevelRecord> records;
    for (int n = 1; n <= pupils; ++n)
        records.push_back({AnsiText::ascii("ELEV " + std::to_string(n)), 1 + n % 12});
    dir.write(kLevelStoreName, LevelStore::encodeAll(records));
    LevelStore store(dir.path());
    const AnsiText name = records[records.size() / 2].name;
    int level = 2;
    for (auto _ : state) {
        level = level == 2 ? 3 : 2;
        RecordFileChange change = store.store(name, level, "2612061030");
        if (change.result != RecordFileChange::Result::Written) state.SkipWithError("not stored");
    }
}
BENCHMARK(BM_LevelStoreStore)
    ->Arg(1000)
    ->Arg(static_cast<int>(kLevelStoreMaxBytes / kLevelRecordSize))
    ->Unit(benchmark::kMillisecond);

} // namespace
