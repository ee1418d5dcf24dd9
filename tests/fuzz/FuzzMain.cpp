// The libFuzzer driver of one reader; ORVELA_FUZZ_TARGET names it (see FuzzTargets.h).
#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const orvela::fuzz::Target* target = [] {
        const orvela::fuzz::Target* t = orvela::fuzz::findTarget(ORVELA_FUZZ_TARGET);
        if (t == nullptr) {
            std::fprintf(stderr, "no fuzz target %s\n", ORVELA_FUZZ_TARGET);
            std::abort();
        }
        return t;
    }();
    target->run({reinterpret_cast<const char*>(data), size});
    return 0;
}
