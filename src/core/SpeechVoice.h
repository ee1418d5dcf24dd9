#pragma once
// The voice in which the program speaks French when a recording is missing, and in which the
// course's recordings are made at build time: espeak-ng's French voice, slower than its default
// pace and with a short pause between words, so that a pupil can follow a dictation. The text is
// given on standard input (UTF-8), never on the command line, so that no text is taken for an
// option.

#include <string>
#include <vector>

namespace orvela {

inline constexpr const char* kSpeechProgram = "espeak-ng";

// The arguments that make espeak-ng write the speech of its standard input to `wavFile` as a
// 16-bit mono WAV file.
inline std::vector<std::string> speechArguments(const std::string& wavFile) {
    return {"-v", "fr", "-s", "120", "-g", "4", "-b", "1", "-w", wavFile};
}

// A short description of the voice, kept with each recording made at build time: a recording is
// made again when its text or this description changes.
inline std::string speechVoiceDescription() {
    std::string d = kSpeechProgram;
    for (const std::string& a : speechArguments("*")) d += " " + a;
    return d;
}

} // namespace orvela
