// Every input the fuzzers grew or found a fault with goes through its reader again: the corpus
// (tests/fuzz/corpus/<reader>/) and the inputs of faults that were mended
// (tests/fuzz/regressions/<reader>/).
#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kFuzzDir = fs::path(ORVELA_SOURCE_DIR) / "tests" / "fuzz";

std::vector<fs::path> inputsIn(const fs::path& dir) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec))
        if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CorpusReplay : public ::testing::TestWithParam<orvela::fuzz::Target> {};

TEST_P(CorpusReplay, EveryStoredInputIsReadWithoutFault) {
    const orvela::fuzz::Target& target = GetParam();
    std::vector<fs::path> corpus = inputsIn(kFuzzDir / "corpus" / target.name);
    ASSERT_FALSE(corpus.empty()) << "no corpus for " << target.name;
    std::vector<fs::path> regressions = inputsIn(kFuzzDir / "regressions" / target.name);
    corpus.insert(corpus.end(), regressions.begin(), regressions.end());
    for (const fs::path& file : corpus) {
        SCOPED_TRACE(file.string());
        target.run(bytesOf(file));
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, CorpusReplay, ::testing::ValuesIn(orvela::fuzz::targets()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
