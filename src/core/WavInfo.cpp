#include "WavInfo.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace orvela {

namespace {

// A file with more chunks than this before its sound is not taken for a WAV file.
constexpr int kMaxChunks = 1000;

std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool readExactly(std::istream& in, unsigned char* into, std::size_t n) {
    in.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(n));
    return in.gcount() == static_cast<std::streamsize>(n);
}

bool sameTag(const unsigned char* p, const char (&tag)[5]) {
    return p[0] == static_cast<unsigned char>(tag[0]) &&
           p[1] == static_cast<unsigned char>(tag[1]) &&
           p[2] == static_cast<unsigned char>(tag[2]) && p[3] == static_cast<unsigned char>(tag[3]);
}

} // namespace

std::optional<WavInfo> readWavInfo(std::istream& in) {
    // The stream's length, to hold claimed sizes against what is really there.
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    in.seekg(0, std::ios::beg);
    if (!in || end < 12) return std::nullopt;
    const auto fileSize = static_cast<std::uint64_t>(end);

    std::array<unsigned char, 12> riff{};
    if (!readExactly(in, riff.data(), riff.size())) return std::nullopt;
    if (!sameTag(riff.data(), "RIFF") || !sameTag(riff.data() + 8, "WAVE")) return std::nullopt;

    WavInfo info;
    bool haveFormat = false;
    std::uint64_t pos = 12;
    for (int chunk = 0; chunk < kMaxChunks && pos + 8 <= fileSize; ++chunk) {
        std::array<unsigned char, 8> head{};
        in.seekg(static_cast<std::streamoff>(pos));
        if (!readExactly(in, head.data(), head.size())) return std::nullopt;
        const std::uint64_t size = le32(head.data() + 4);
        const std::uint64_t body = pos + 8;
        const std::uint64_t present = fileSize - body;

        if (sameTag(head.data(), "fmt ")) {
            std::array<unsigned char, 16> fmt{};
            if (size < fmt.size() || present < fmt.size()) return std::nullopt;
            if (!readExactly(in, fmt.data(), fmt.size())) return std::nullopt;
            info.formatTag = le16(fmt.data());
            info.channels = le16(fmt.data() + 2);
            info.sampleRate = le32(fmt.data() + 4);
            info.byteRate = le32(fmt.data() + 8);
            info.blockAlign = le16(fmt.data() + 12);
            info.bitsPerSample = le16(fmt.data() + 14);
            // A header with no byte rate of its own is measured by its frames.
            if (info.byteRate == 0)
                info.byteRate = static_cast<std::uint32_t>(std::min<std::uint64_t>(
                    std::uint64_t{info.sampleRate} * info.blockAlign, UINT32_MAX));
            haveFormat = true;
        } else if (sameTag(head.data(), "data")) {
            if (!haveFormat || info.byteRate == 0) return std::nullopt;
            info.dataBytes = std::min(size, present);
            info.durationMs = static_cast<std::int64_t>(info.dataBytes * 1000 / info.byteRate);
            return info;
        }
        // Chunks are padded to an even length.
        pos = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<WavInfo> readWavHeader(std::string_view bytes) {
    std::istringstream in{std::string(bytes), std::ios::binary};
    return readWavInfo(in);
}

std::optional<WavInfo> readWavInfo(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return readWavInfo(in);
}

std::optional<std::int64_t> wavDurationMs(const std::filesystem::path& file) {
    std::optional<WavInfo> info = readWavInfo(file);
    if (!info) return std::nullopt;
    return info->durationMs;
}

} // namespace orvela
