#include "QtSound.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "SpeechVoice.h"
#include "WavInfo.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

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

bool QtSound::speak(const std::string& frenchText, bool wait) {
    if (frenchText.empty()) return false;
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(kSpeechProgram));
    if (program.isEmpty()) return false;
    if (!speechDir_) speechDir_ = std::make_unique<QTemporaryDir>();
    if (!speechDir_->isValid()) return false;
    // Each text gets a file of its own (a replaced sound may still hold the previous one); the
    // file of four texts back is no longer in use.
    const int n = ++speechCount_;
    QFile::remove(speechDir_->filePath(QStringLiteral("speech-%1.wav").arg(n - 4)));
    const QString file = speechDir_->filePath(QStringLiteral("speech-%1.wav").arg(n));

    QStringList arguments;
    for (const std::string& a : speechArguments(file.toStdString()))
        arguments << QString::fromStdString(a);
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(kSpeechTimeoutMs)) return false;
    process.write(frenchText.data(), static_cast<qint64>(frenchText.size()));
    process.closeWriteChannel();
    if (!process.waitForFinished(kSpeechTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return false;
    const std::filesystem::path wav = file.toStdString();
    if (!readWavInfo(wav)) return false;
    play(wav, wait);
    return true;
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
