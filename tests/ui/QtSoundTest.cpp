// Sound playback with Qt Multimedia on the offscreen platform (usually without an audio device):
// a waiting call must come back, windows keep painting while it waits, and replacing or stopping
// a sound is safe.

#include "QtSound.h"

#include "Fakes.h"
#include "WavBytes.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

struct QtSoundTest : ::testing::Test {
    TempContent content;
    std::filesystem::path shortWav = content.writeRaw("LJUD/kort.wav", silentWav(300));
    std::filesystem::path otherWav = content.writeRaw("LJUD/annan.wav", silentWav(200));
    std::filesystem::path garbage = content.writeRaw("LJUD/trasig.wav", "RIFF\x01\x02 pas du son");
};

} // namespace

TEST_F(QtSoundTest, WaitBoundFollowsTheFile) {
    EXPECT_EQ(QtSound::waitBoundMs(shortWav), 300 + QtSound::kMarginMs);
    EXPECT_EQ(QtSound::waitBoundMs(garbage), QtSound::kUnknownLengthMs);
    EXPECT_EQ(QtSound::waitBoundMs(content.root() / "LJUD" / "saknas.wav"),
              QtSound::kUnknownLengthMs);
    // A header claiming an hour of sound at 8000 bytes a second, with one second present.
    std::string longClaim = riffWave(chunk("fmt ", pcmFormat(1, 8000, 8)));
    longClaim += "data";
    putLe32(longClaim, 8000u * 3600u);
    longClaim += std::string(8000, '\0');
    EXPECT_EQ(QtSound::waitBoundMs(content.writeRaw("LJUD/lang.wav", longClaim)),
              1000 + QtSound::kMarginMs);
}

TEST_F(QtSoundTest, WaitingPlayReturnsAndWindowsKeepPainting) {
    PaintCounter window;
    window.resize(100, 100);
    window.show();
    QCoreApplication::processEvents();
    const int before = window.paints;
    window.update();
    QtSound sound;
    sound.play(shortWav, true);
    EXPECT_GT(window.paints, before) << "the window was repainted during the wait";
}

TEST_F(QtSoundTest, UnplayableFilesReplacingStoppingAndDestroyingAreSafe) {
    auto sound = std::make_unique<QtSound>();
    sound->play(garbage, true);
    sound->play(content.root() / "LJUD" / "saknas.wav", true);
    sound->play(shortWav, false);
    sound->play(otherWav, false); // replaces the first
    sound->stop();
    sound->stop();
    sound->play(shortWav, false);
    sound->play(shortWav, true); // the same file again, waiting
    sound->play(shortWav, false);
    sound.reset(); // while playing
    QCoreApplication::processEvents();
    SUCCEED() << "nothing hung or crashed";
}

TEST_F(QtSoundTest, CallsDuringAWaitEndIt) {
    QtSound sound;
    const std::function<void()> calls[] = {[&] { sound.play(otherWav, false); },
                                           [&] { sound.stop(); },
                                           [&] { sound.play(otherWav, true); }}; // nested wait
    for (const auto& call : calls) {
        bool called = false;
        QTimer::singleShot(0, [&] {
            call();
            called = true;
        });
        sound.play(shortWav, true);
        EXPECT_TRUE(called);
    }
}
