// orvela-soundgen OUTDIR
//
// Synthesises the sounds that the sample course plays and that are not speech, into OUTDIR, the
// LJUD directory of a content tree: FRANKR.WAV (the melody of the French national anthem) and
// the fifteen bird calls of BIRDS\ (16-bit mono PCM at 22050 Hz). The output is the same, byte
// for byte, on every run.

#include "Sounds.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::fprintf(stderr, "usage: orvela-soundgen OUTDIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir / "BIRDS", ec);
    if (ec) {
        std::fprintf(stderr, "orvela-soundgen: cannot create %s\n", (dir / "BIRDS").string().c_str());
        return 1;
    }
    auto write = [](const soundgen::Buffer& b, const std::filesystem::path& path) {
        if (b.writeWav(path.string())) return true;
        std::fprintf(stderr, "orvela-soundgen: cannot write %s\n", path.string().c_str());
        return false;
    };
    if (!write(soundgen::anthem(), dir / "FRANKR.WAV")) return 1;
    for (const soundgen::BirdCall& call : soundgen::birdCalls())
        if (!write(call.make(), dir / "BIRDS" / call.file)) return 1;
    return 0;
}
