#pragma once
// What the program needs to know of a WAV file before it plays it: how long it lasts. A waiting
// playback is bounded by that length, so that it ends even where no audio device reports the
// end of the sound.

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string_view>

namespace orvela {

// The format and length of a RIFF/WAVE file, as its header describes them.
struct WavInfo {
    std::uint16_t formatTag = 0; // 1 = PCM
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0; // bytes of sound per second
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    // Bytes of sound: the size the data chunk claims, but never more than the file holds.
    std::uint64_t dataBytes = 0;
    // The playing time of dataBytes.
    std::int64_t durationMs = 0;
};

// Reads the header of a WAV file from the start of `in`. nullopt for anything that is not a
// readable WAV file: no "RIFF"/"WAVE" tag, no "fmt " chunk before the "data" chunk, a format
// chunk that is cut short, or no bytes per second to measure by. A data chunk that claims more
// bytes than the file holds (a truncated or streamed file) counts only the bytes present.
std::optional<WavInfo> readWavInfo(std::istream& in);
std::optional<WavInfo> readWavInfo(const std::filesystem::path& file);
// The same, from the bytes of a whole file held in memory.
std::optional<WavInfo> readWavHeader(std::string_view bytes);

// The playing time of a WAV file in milliseconds, or nullopt (see readWavInfo).
std::optional<std::int64_t> wavDurationMs(const std::filesystem::path& file);

} // namespace orvela
