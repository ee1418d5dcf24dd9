#include "QtSound.h"

#include "WavInfo.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace orvela {

QtSound::QtSound() = default;

QtSound::~QtSound() {
    if (effect_) effect_->stop();
}

int QtSound::waitBoundMs(const std::filesystem::path& file) {
    std::optional<std::int64_t> ms = wavDurationMs(file);
    if (!ms) return kUnknownLengthMs;
    return static_cast<int>(std::min<std::int64_t>(*ms + kMarginMs, kLongestWaitMs));
}

void QtSound::play(const std::filesystem::path& file, bool wait) {
    const std::uint64_t mine = ++generation_;
    // The sound still playing is stopped and let go; each file gets a fresh effect, so that a
    // file played again starts from its beginning.
    if (effect_) {
        effect_->stop();
        effect_->deleteLater();
    }
    effect_ = new QSoundEffect(&owner_);
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    effect_->play();
    if (wait && generation_ == mine) waitForEnd(waitBoundMs(file));
}

void QtSound::stop() {
    ++generation_;
    if (effect_) effect_->stop();
}

void QtSound::waitForEnd(int boundMs) {
    const std::uint64_t mine = generation_;
    QPointer<QSoundEffect> effect = effect_;
    QEventLoop loop;
    bool done = false;
    bool begun = false;
    // The wait ends with the sound: when it stops playing after it had begun, when the file
    // cannot be played, or when another call has replaced or stopped it.
    auto check = [&] {
        if (done) return;
        if (generation_ != mine || !effect || effect->status() == QSoundEffect::Error)
            done = true;
        else if (effect->isPlaying())
            begun = true;
        else if (begun)
            done = true;
        if (done) loop.quit();
    };
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, check);
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, check);
    QObject::connect(effect, &QObject::destroyed, &loop, check);
    // Play and stop calls made while waiting (from a timer) are seen at the next tick.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, check);
    watch.start(50);
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, [&] {
        done = true;
        loop.quit();
    });
    bound.start(boundMs);
    check();
    // Paint and timer events go on; the pupil's keys and clicks wait until the sound has ended.
    if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace orvela
