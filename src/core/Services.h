#pragma once
// What the core needs from the outside world, as small interfaces. The program implements them
// with Qt (src/platform); tests replace them with recording fakes.

#include "AnsiText.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvela {

// Message boxes. Texts are UTF-8.
class Messages {
public:
    virtual ~Messages() = default;
    // Information box with an OK button.
    virtual void information(std::string_view text) = 0;
    // Warning box with an OK button.
    virtual void warning(std::string_view text) = 0;
    // Confirmation with Yes and No; true for Yes.
    virtual bool confirm(std::string_view text) = 0;
};

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
    // Seconds since midnight with milliseconds.
    double secondsOfDay() const { return hour * 3600.0 + minute * 60.0 + second + millisecond * 0.001; }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() = 0;
};

struct FontSpec {
    std::string family = "Arial";
    int pointSize = 12;
    bool bold = true;
};

// Width in pixels of a text in a font, unscaled.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int textWidth(const AnsiText& text, const FontSpec& font) = 0;
};

// WAV playback.
class Sound {
public:
    virtual ~Sound() = default;
    // Plays the file; with `wait` the call returns only when the sound has ended (or when the
    // file's duration has passed, on a machine without an audio device). A new call replaces a
    // sound that is still playing.
    virtual void play(const std::filesystem::path& file, bool wait) = 0;
    virtual void stop() = 0;
    // Speaks a French text (UTF-8) with the speech synthesizer, for a recording that is missing;
    // `wait` as for play. False when there is no synthesizer or it failed: the caller then tells
    // the pupil that the recording is missing.
    virtual bool speak(const std::string& frenchText, bool wait) {
        (void)frenchText;
        (void)wait;
        return false;
    }
};

} // namespace orvela
