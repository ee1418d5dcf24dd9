// orvela-content levels FILE: the records of a level store ("FXACT.STE"), one line each in file
// order: the name (in UTF-8), a tab, the level. A file that ends in a partial record is reported
// on standard error with the number of whole records read (exit status 1); the whole records
// are still listed.

#include "Commands.h"
#include "LevelStore.h"
#include "SafeFile.h"

#include <iostream>

namespace orvela::tool {

int levels(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Användning:\n"
                     "  orvela-content levels FIL         visa nivåerna i en nivåfil (FXACT.STE)\n";
        return 2;
    }
    const std::string path = argv[2];
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        std::cerr << "orvela-content: filen " << path << " finns inte eller kan inte läsas\n";
        return 1;
    }
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        std::cerr << "orvela-content: filen " << path << " finns inte eller kan inte läsas\n";
        return 1;
    }
    const std::vector<LevelRecord> records = LevelStore::decodeAll(*bytes);
    for (const LevelRecord& r : records)
        std::cout << r.name.toUtf8() << "\t" << r.level << "\n";
    std::cout.flush();
    const std::size_t stray = bytes->size() % kLevelRecordSize;
    if (stray != 0) {
        std::cerr << "orvela-content: " << path << " är ingen hel nivåfil: " << records.size()
                  << " hela poster lästa, " << stray << " byte efter den sista hela posten ("
                  << "varje post är " << kLevelRecordSize << " byte)\n";
        return 1;
    }
    return 0;
}

} // namespace orvela::tool
