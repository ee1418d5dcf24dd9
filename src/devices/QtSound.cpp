#include "QtSound.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "WavInfo.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace orvela {

QtSound::QtSound() = default;

QtSound::~QtSound() {
    if (!effect_) return;
    effect_->stop();
    // A sound effect destroyed while its file is still being read in the background loses the
    // buffers of that read: let the read finish first (it takes milliseconds).
    auto loading = [this] {
        for (QSoundEffect* e : owner_.findChildren<QSoundEffect*>())
            if (e->status() == QSoundEffect::Loading) return true;
        return false;
    };
    QElapsedTimer waited;
    waited.start();
    while (loading() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
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
    if (QSoundEffect* old = effect_) {
        // An effect is let go only once its file has been read (see the destructor).
        old->stop();
        if (old->status() == QSoundEffect::Loading)
            QObject::connect(old, &QSoundEffect::statusChanged, old, [old] {
                if (old->status() != QSoundEffect::Loading) old->deleteLater();
            });
        else
            old->deleteLater();
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
