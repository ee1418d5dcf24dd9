#pragma once
// A small synthesiser for the program's sounds: notes and calls are added into a buffer of
// samples (mono, 22050 Hz) with a pitch that may glide, a few harmonics, an attack and release,
// an optional vibrato or tremolo, and noise; the buffer is written as a 16-bit PCM WAV file.
// Everything is deterministic: the same program writes the same bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

inline constexpr int kRate = 22050;

struct Tone {
    double start = 0;         // seconds
    double length = 0.2;      // seconds
    double fromHz = 440;      // pitch at the start ...
    double toHz = 440;        // ... gliding to this at the end
    double volume = 0.5;      // 0..1
    double attack = 0.01;     // seconds
    double release = 0.03;    // seconds
    std::vector<double> harmonics{1.0}; // amplitude of the fundamental, 2nd, 3rd ... partial
    double vibratoHz = 0;     // pitch wobble
    double vibratoDepth = 0;  // as a fraction of the pitch
    double tremoloHz = 0;     // loudness wobble
    double tremoloDepth = 0;  // 0..1
    double noise = 0;         // 0..1 share of noise shaped by the same envelope (harsh calls)
};

class Buffer {
public:
    explicit Buffer(double seconds);
    void add(const Tone& t);
    // Normalises the loudest sample to `peak` of full scale.
    void normalise(double peak = 0.8);
    bool writeWav(const std::string& path) const;

private:
    std::vector<double> samples_;
    std::uint32_t noiseState_ = 0x12345678u;
    double nextNoise();
};

// The frequency of a note name such as "A4", "F#5", "Bb3".
double noteHz(const std::string& name);

} // namespace soundgen
