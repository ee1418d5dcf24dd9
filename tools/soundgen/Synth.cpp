#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace soundgen {

Buffer::Buffer(double seconds) : samples_(static_cast<std::size_t>(seconds * kRate) + 1, 0.0) {}

double Buffer::nextNoise() {
    noiseState_ ^= noiseState_ << 13;
    noiseState_ ^= noiseState_ >> 17;
    noiseState_ ^= noiseState_ << 5;
    return static_cast<double>(noiseState_) / 2147483648.0 - 1.0;
}

void Buffer::add(const Tone& t) {
    const auto first = static_cast<std::size_t>(std::max(0.0, t.start) * kRate);
    const auto count = static_cast<std::size_t>(t.length * kRate);
    double phase = 0;
    double lowpass = 0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double along = t.length > 0 ? time / t.length : 0;
        // Glide on a logarithmic scale, so that it sounds even.
        double hz = t.fromHz * std::pow(t.toHz / t.fromHz, along);
        if (t.vibratoHz > 0) hz *= 1.0 + t.vibratoDepth * std::sin(2 * std::numbers::pi * t.vibratoHz * time);
        phase += 2 * std::numbers::pi * hz / kRate;
        double value = 0;
        for (std::size_t h = 0; h < t.harmonics.size(); ++h)
            value += t.harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
        if (t.noise > 0) {
            lowpass += 0.35 * (nextNoise() - lowpass);
            value = value * (1.0 - t.noise) + lowpass * 2.5 * t.noise * (0.6 + 0.4 * std::sin(phase));
        }
        double envelope = 1.0;
        if (time < t.attack) envelope = time / t.attack;
        const double left = t.length - time;
        if (left < t.release) envelope = std::min(envelope, left / t.release);
        if (t.tremoloHz > 0)
            envelope *= 1.0 - t.tremoloDepth * 0.5 * (1.0 + std::sin(2 * std::numbers::pi * t.tremoloHz * time));
        samples_[first + i] += t.volume * envelope * value;
    }
}

void Buffer::normalise(double peak) {
    double loudest = 0;
    for (double s : samples_) loudest = std::max(loudest, std::abs(s));
    if (loudest <= 0) return;
    for (double& s : samples_) s *= peak / loudest;
}

namespace {
void put16(std::FILE* f, std::uint16_t v) {
    const unsigned char b[2] = {static_cast<unsigned char>(v & 0xff), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, f);
}
void put32(std::FILE* f, std::uint32_t v) {
    put16(f, static_cast<std::uint16_t>(v & 0xffff));
    put16(f, static_cast<std::uint16_t>(v >> 16));
}
} // namespace

bool Buffer::writeWav(const std::string& path) const {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples_.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, kRate);
    put32(f, kRate * 2);
    put16(f, 2);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, dataBytes);
    for (double s : samples_) {
        const double clipped = std::clamp(s, -1.0, 1.0);
        put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767))));
    }
    return std::fclose(f) == 0;
}

double noteHz(const std::string& name) {
    static const int semitone[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G from C
    if (name.empty() || name[0] < 'A' || name[0] > 'G') return 0;
    int n = semitone[name[0] - 'A'];
    std::size_t i = 1;
    if (i < name.size() && name[i] == '#') { ++n; ++i; }
    else if (i < name.size() && name[i] == 'b') { --n; ++i; }
    const int octave = i < name.size() ? name[i] - '0' : 4;
    const int fromA4 = n - 9 + (octave - 4) * 12;
    return 440.0 * std::pow(2.0, fromA4 / 12.0);
}

} // namespace soundgen
