// orvela-content records FILE: the records of a word list's record table, one line each in file
// order: rank, name (UTF-8), date and time, score, separated by tabs.

#include "Commands.h"
#include "RecordTable.h"
#include "SafeFile.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace orvela::tool {

namespace {
std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
} // namespace

int records(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Användning: orvela-content records FIL\n";
        return 2;
    }
    const std::optional<std::string> bytes = readWholeFile(argv[2]);
    if (!bytes) {
        std::cerr << "orvela-content: filen " << argv[2] << " finns inte eller kan inte läsas\n";
        return 1;
    }
    std::size_t stray = 0;
    const std::vector<ScoreRecord> all = decodeScoreRecords(*bytes, stray);
    int rank = 0;
    for (const ScoreRecord& r : all) {
        char year[8];
        std::snprintf(year, sizeof year, "%04u", static_cast<unsigned>(r.year) % 10000u);
        std::cout << ++rank << '\t' << r.name.toUtf8() << '\t' << year << '-' << twoDigits(r.month)
                  << '-' << twoDigits(r.day) << ' ' << twoDigits(r.hour) << ':'
                  << twoDigits(r.minute) << '\t' << r.score << '\n';
    }
    if (stray != 0) {
        std::cerr << "orvela-content: " << argv[2] << " är ingen hel rekordtabell: " << stray
                  << " byte efter " << all.size() << " hela poster (en post är "
                  << kScoreRecordSize << " byte)\n";
        return 1;
    }
    return 0;
}

} // namespace orvela::tool
