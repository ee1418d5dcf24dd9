#pragma once
// WAV playback through Qt Multimedia's QSoundEffect, which reads WAV files itself (no media
// framework plug-in is needed). One sound plays at a time: a new call replaces the sound still
// playing. A waiting call keeps the windows painted but holds back the pupil's keys and clicks
// until the sound has ended. Where there is no audio device a sound effect claims to play for
// ever, so every wait is bounded by the file's own length read from its header.

#include "Services.h"

#include <QPointer>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <memory>
#include <cstdint>

namespace orvela {

class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(const std::filesystem::path& file, bool wait) override;
    void stop() override;
    // Speaks the text with espeak-ng into a scratch WAV file and plays that; false when espeak-ng
    // is not installed, fails or takes too long.
    bool speak(const std::string& frenchText, bool wait) override;

    // How long the synthesizer may take for one text.
    static constexpr int kSpeechTimeoutMs = 10000;

    // How long a waiting call waits at most for a file: its length and a margin for opening the
    // device, or a short bound when the header cannot be read.
    static int waitBoundMs(const std::filesystem::path& file);

    // Extra time a wait allows beyond the file's length.
    static constexpr int kMarginMs = 750;
    // The wait for a file whose length cannot be read from its header.
    static constexpr int kUnknownLengthMs = 1500;
    // The longest wait, whatever a header claims.
    static constexpr int kLongestWaitMs = 10 * 60 * 1000;

private:
    // Waits until the current sound has ended, been replaced or stopped, or `boundMs` has passed.
    void waitForEnd(int boundMs);

    // Holds the effects: the current one and any replaced one not yet deleted.
    QObject owner_;
    QPointer<QSoundEffect> effect_;
    // Counts play and stop calls: a wait ends when the sound it waits for is no longer the
    // current one.
    std::uint64_t generation_ = 0;
    // The scratch files of spoken texts, removed with the player.
    std::unique_ptr<QTemporaryDir> speechDir_;
    int speechCount_ = 0;
};

} // namespace orvela
