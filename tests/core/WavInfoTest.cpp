// Reading the length of a WAV file from its header: good files, cut ones and garbage.

#include "WavInfo.h"

#include "Fakes.h"
#include "WavBytes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

std::string withData(const std::string& format, const std::string& dataHeaderAndBody) {
    return riffWave(chunk("fmt ", format) + dataHeaderAndBody);
}

// The bytes of a literal, zero bytes included.
template <std::size_t N> std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// A "data" chunk header claiming `claimed` bytes, followed by `present` bytes of sound.
std::string dataClaiming(std::uint32_t claimed, std::size_t present) {
    std::string d = "data";
    putLe32(d, claimed);
    return d + std::string(present, '\0');
}

} // namespace

TEST(WavInfo, GoodFilesGiveTheirLengthHeldToTheBytesPresent) {
    const std::string fmt8k = pcmFormat(1, 8000, 8); // 8000 bytes a second
    std::string noByteRate = pcmFormat(1, 8000, 16);
    noByteRate.replace(8, 4, std::string(4, '\0'));
    struct Case {
        const char* name;
        std::string bytes;
        std::int64_t ms;
    } cases[] = {
        {"0.3 s mono 16 bit", silentWav(300), 300},
        {"1 s at 8 kHz", silentWav(1000, 8000), 1000},
        {"stereo 44.1 kHz, 1.5 s",
         withData(pcmFormat(2, 44100, 16), chunk("data", std::string(44100 * 4 * 3 / 2, '\0'))),
         1500},
        {"a LIST chunk before the format",
         riffWave(chunk("LIST", "INFOabc") + chunk("fmt ", fmt8k) +
                  chunk("data", std::string(4000, '\0'))),
         500},
        {"an odd-sized chunk is padded",
         riffWave(chunk("fmt ", fmt8k) + chunk("junk", "x") +
                  chunk("data", std::string(800, '\0'))),
         100},
        {"no sound at all", silentWav(0), 0},
        {"the byte rate missing is taken from the frames",
         withData(noByteRate, chunk("data", std::string(8000, '\0'))), 500},
        {"data cut short", withData(fmt8k, dataClaiming(80000, 4000)), 500},
        {"a streamed file claims 4 GB", withData(fmt8k, dataClaiming(0xFFFFFFFFu, 8000)), 1000},
        {"a data header without sound", withData(fmt8k, dataClaiming(8000, 0)), 0},
    };
    for (const Case& c : cases) {
        std::optional<WavInfo> info = readWavHeader(c.bytes);
        ASSERT_TRUE(info) << c.name;
        EXPECT_EQ(info->durationMs, c.ms) << c.name;
    }
    std::optional<WavInfo> info = readWavHeader(silentWav(300, 22050));
    ASSERT_TRUE(info);
    EXPECT_EQ(std::tie(info->formatTag, info->channels, info->bitsPerSample),
              std::make_tuple(1, 1, 16));
    EXPECT_EQ(std::tie(info->sampleRate, info->byteRate), std::make_tuple(22050u, 44100u));
    EXPECT_EQ(info->dataBytes, 22050u * 300 / 1000 * 2);
}

TEST(WavInfo, GarbageAndCutHeadersAreNoWav) {
    const std::string good = silentWav(300);
    std::string manyEmpty;
    for (int i = 0; i < 5000; ++i)
        manyEmpty += chunk("pad ", "");
    std::string zeroRate = pcmFormat(1, 0, 16);
    std::string hugeChunk = "RIFF";
    putLe32(hugeChunk, 0xFFFFFFFFu);
    hugeChunk += "WAVE";
    hugeChunk += "LIST";
    putLe32(hugeChunk, 0xFFFFFFF0u);
    hugeChunk += std::string(100, 'x');
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"text", "Bonjour, ceci n'est pas un son."},
        {"only RIFF", "RIFF"},
        {"RIFF but not WAVE", bytes("RIFF\x10\0\0\0AVI LIST\0\0\0\0")},
        {"cut inside the RIFF header", good.substr(0, 10)},
        {"cut inside the format chunk", good.substr(0, 12 + 8 + 10)},
        {"cut before the data chunk", good.substr(0, 12 + 8 + 16)},
        {"data before the format",
         riffWave(chunk("data", std::string(100, '\0')) + chunk("fmt ", pcmFormat(1, 8000, 8)))},
        {"format chunk too short",
         riffWave(chunk("fmt ", "\1\0\1\0") + chunk("data", std::string(100, '\0')))},
        {"no rate at all", withData(zeroRate, chunk("data", std::string(100, '\0')))},
        {"a chunk claiming more than the file", hugeChunk},
        {"no data chunk", riffWave(chunk("fmt ", pcmFormat(1, 8000, 8)))},
        {"many empty chunks end the search",
         riffWave(manyEmpty + chunk("fmt ", pcmFormat(1, 8000, 8)) +
                  chunk("data", std::string(8, '\0')))},
        {"random bytes",
         bytes("RIFF\xff\xff\xff\xffWAVE\xff\xff\xff\xff\xff\xff\xff\xff\x01\x02\x03")},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(readWavHeader(c.bytes)) << c.name;
}

TEST(WavInfo, FilesOnDisk) {
    TempContent content;
    EXPECT_EQ(wavDurationMs(content.writeRaw("LJUD/a.wav", silentWav(300))), 300);
    EXPECT_FALSE(wavDurationMs(content.writeRaw("LJUD/b.wav", "not a sound")));
    EXPECT_FALSE(wavDurationMs(content.root() / "LJUD" / "missing.wav"));
    EXPECT_FALSE(wavDurationMs(content.root() / "LJUD")) << "a directory";
}
