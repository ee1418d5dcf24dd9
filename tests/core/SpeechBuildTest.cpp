// The recordings made at build time: one per dictation item, duel word and letter, each a real
// 16-bit mono WAV file with sound in it; and the speech tool makes only what changed.

#include "DataFile.h"
#include "ExternalTools.h"
#include "Fakes.h"
#include "WavInfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

using namespace orvela;
using namespace orvela::testing;
namespace fs = std::filesystem;

namespace {

bool haveSpeech() { return std::system("command -v espeak-ng >/dev/null 2>&1") == 0; }

std::string nnn(int n) {
    char d[8];
    std::snprintf(d, sizeof d, "%03d", n);
    return d;
}

int itemCount(const fs::path& file) {
    LineReader reader(file);
    AnsiText line;
    int n = 0;
    while (reader.next(line))
        if (isItemLine(line)) ++n;
    return n;
}

// The loudest of every eighth sample of a 16-bit file (0 for silence).
int peak(const fs::path& file, const WavInfo& info) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(fs::file_size(file)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const std::size_t start = bytes.size() - static_cast<std::size_t>(info.dataBytes);
    int loudest = 0;
    for (std::size_t i = start; i + 1 < bytes.size(); i += 16) {
        const auto v = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (std::abs(static_cast<int>(v)) > loudest) loudest = std::abs(static_cast<int>(v));
    }
    return loudest;
}

void expectSpeech(const fs::path& file) {
    std::optional<WavInfo> info = readWavInfo(file);
    ASSERT_TRUE(info) << file;
    EXPECT_EQ(info->formatTag, 1) << file;
    EXPECT_EQ(info->channels, 1) << file;
    EXPECT_EQ(info->bitsPerSample, 16) << file;
    EXPECT_GT(info->durationMs, 200) << file;
    EXPECT_GT(peak(file, *info), 1000) << file << " is silent";
}

} // namespace

#ifdef ORVELA_SPEECH_TOOL
TEST(SpeechBuild, EveryRecordingTheCourseNamesIsSpeech) {
    if (!haveSpeech()) GTEST_SKIP() << "espeak-ng is not installed";
    const fs::path root = ORVELA_BUILT_CONTENT_DIR;
    for (int program : {31100, 31200, 31300, 32000, 34000, 35000, 36100, 36200, 37000}) {
        const std::string folder = "F" + std::to_string(program).substr(0, 3);
        const int items = itemCount(root / "DATA" / ("FRA" + std::to_string(program) + ".DAT"));
        EXPECT_GE(items, 20) << program;
        int wavs = 0;
        for (const fs::directory_entry& e : fs::directory_iterator(root / "LJUD" / folder))
            if (e.path().extension() == ".WAV") ++wavs;
        EXPECT_EQ(wavs, items) << folder << ": one recording per item";
        for (int n = 1; n <= items; ++n) expectSpeech(root / "LJUD" / folder / (folder + nnn(n) + ".WAV"));
    }
    for (int letter = 1; letter <= 26; ++letter)
        expectSpeech(root / "LJUD" / "F330" / ("F330" + nnn(letter) + ".WAV"));
}

TEST(SpeechBuild, OnlyChangedTextsAreSpokenAgainAndATeachersOwnRecordingWins) {
    if (!haveSpeech()) GTEST_SKIP() << "espeak-ng is not installed";
    TempContent built;
    TempContent source;
    const std::string stamps = (built.root() / "stamps").string();
    auto run = [&] {
        return runCommand(shellQuoted(ORVELA_SPEECH_TOOL) + " " + shellQuoted(built.root().string()) +
                          " " + shellQuoted(stamps) + " " + shellQuoted(source.root().string()))
            .out;
    };
    built.write("DATA/FRA36100.DAT", {"$Enkla ord", "hus#la maison", "katt#le chat"});
    EXPECT_EQ(run(), "orvela-speech: 28 inspelningar gjorda, 0 borttagna, 0 misslyckades.\n");
    expectSpeech(built.root() / "LJUD/F361/F361002.WAV");
    EXPECT_EQ(run(), "") << "nothing changed, nothing made";

    built.write("DATA/FRA36100.DAT", {"$Enkla ord", "hus#la maison", "hund#le chien"});
    EXPECT_EQ(run(), "orvela-speech: 1 inspelningar gjorda, 0 borttagna, 0 misslyckades.\n");
    built.write("DATA/FRA36100.DAT", {"$Enkla ord", "hus#la maison"});
    EXPECT_EQ(run(), "orvela-speech: 0 inspelningar gjorda, 1 borttagna, 0 misslyckades.\n");
    EXPECT_FALSE(fs::exists(built.root() / "LJUD/F361/F361002.WAV"));

    // The teacher's own recording of item 1 is copied into the built tree and never replaced.
    source.writeRaw("LJUD/F361/F361001.WAV", "own");
    built.writeRaw("LJUD/F361/F361001.WAV", "own");
    built.write("DATA/FRA36100.DAT", {"$Enkla ord", "hus#la maison rouge"});
    run();
    std::ifstream own(built.root() / "LJUD/F361/F361001.WAV");
    std::string bytes;
    own >> bytes;
    EXPECT_EQ(bytes, "own");
}
#endif
