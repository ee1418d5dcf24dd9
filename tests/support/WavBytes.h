#pragma once
// WAV files made by the tests themselves (no sound files are kept in the repository).

#include <cstdint>
#include <string>

namespace orvela::testing {

inline void putLe32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void putLe16(std::string& s, std::uint16_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8));
}

// The 16-byte body of a PCM "fmt " chunk.
inline std::string pcmFormat(std::uint16_t channels, std::uint32_t sampleRate,
                             std::uint16_t bitsPerSample) {
    std::string f;
    const auto blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
    putLe16(f, 1);
    putLe16(f, channels);
    putLe32(f, sampleRate);
    putLe32(f, sampleRate * blockAlign);
    putLe16(f, blockAlign);
    putLe16(f, bitsPerSample);
    return f;
}

inline std::string chunk(const char* tag, const std::string& body) {
    std::string c(tag, 4);
    putLe32(c, static_cast<std::uint32_t>(body.size()));
    c += body;
    if (body.size() % 2 == 1) c.push_back('\0');
    return c;
}

inline std::string riffWave(const std::string& chunks) {
    std::string w = "RIFF";
    putLe32(w, static_cast<std::uint32_t>(4 + chunks.size()));
    return w + "WAVE" + chunks;
}

// A mono 16-bit PCM file of `ms` milliseconds of silence.
inline std::string silentWav(int ms, std::uint32_t sampleRate = 22050) {
    const std::size_t samples =
        static_cast<std::size_t>(sampleRate) * static_cast<std::size_t>(ms) / 1000;
    return riffWave(chunk("fmt ", pcmFormat(1, sampleRate, 16)) +
                    chunk("data", std::string(samples * 2, '\0')));
}

} // namespace orvela::testing
