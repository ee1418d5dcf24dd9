#pragma once
// The readers of outside input, each wrapped as a function of the raw bytes of one input. The
// libFuzzer drivers (one per reader) and the corpus replay test call the same functions, so
// every input the fuzzers found stays checked by the normal test run.
//
// A reader that takes a file is given the bytes as that file in a scratch content tree of its
// own. The functions return normally for every input; a fault shows as a crash, a sanitizer
// report or a failed check (std::abort with a message on standard error).

#include <string_view>
#include <vector>

namespace orvela::fuzz {

struct Target {
    const char* name; // also the corpus directory: tests/fuzz/corpus/<name>/
    void (*run)(std::string_view bytes);
};

const std::vector<Target>& targets();
const Target* findTarget(std::string_view name);

} // namespace orvela::fuzz
