// orvela-picgen OUTDIR
//
// Draws the thirty French pictures and writes them as 24-bit BMP files into OUTDIR, the BILD
// directory of a content tree: the reward pictures FRA001.BMP .. FRA030.BMP (640 x 480) and the
// start pictures in three sizes, FRAL001.BMP .. (200 x 150), FRAM001.BMP .. (250 x 190) and
// FRAS001.BMP .. (320 x 245). Each picture is a simple drawing of its subject with its caption on
// a band at the bottom; start pictures show the start caption, reward pictures the reward caption.
// The output is the same, byte for byte, on every run. Then the course's own pictures follow
// (CoursePictures.h): the body pictures, the plants and animals, the map and the flag.

#include "Caption.h"
#include "CoursePictures.h"
#include "PictureCaptions.h"
#include "Scenes.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

struct PictureSize {
    const char* prefix;
    QSize size;
    bool startPicture;
};

constexpr int kStartSizeCount = 3;

const PictureSize kRewardSize{"FRA", QSize(640, 480), false};
const PictureSize kStartSizes[kStartSizeCount] = {
    {"FRAL", QSize(200, 150), true}, // screens narrower than 700 pixels
    {"FRAM", QSize(250, 190), true}, // 700 to 900 pixels
    {"FRAS", QSize(320, 245), true}, // wider than 900 pixels
};

// Qt's own chatter (missing runtime directory and the like) is not for the build log; real
// failures are reported by this program itself.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

void fail(const QString& message) {
    std::fprintf(stderr, "orvela-picgen: %s\n", message.toLocal8Bit().constData());
}

QString fileName(const PictureSize& kind, int n) {
    return QString::fromLatin1(kind.prefix) +
           QStringLiteral("%1.BMP").arg(n, 3, 10, QLatin1Char('0'));
}

QString caption(int n, bool startPicture) {
    const std::string_view text = orvela::pictureCaptionUtf8(n, startPicture);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool writePicture(const QDir& dir, const PictureSize& kind, int n, const QImage& scene) {
    const QImage picture = picgen::composePicture(scene, kind.size, caption(n, kind.startPicture));
    const QString path = dir.filePath(fileName(kind, n));
    if (!picture.save(path, "BMP")) {
        fail(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen: run on the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 || args.at(1).isEmpty()) {
        std::fprintf(stderr, "usage: orvela-picgen OUTDIR\n");
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        fail(QStringLiteral("cannot create directory %1")
                 .arg(QDir::toNativeSeparators(dir.absolutePath())));
        return 1;
    }

    for (int n = 1; n <= orvela::kPictureCount; ++n) {
        if (!writePicture(dir, kRewardSize, n, picgen::renderScene(n, false))) return 1;
        const QImage startScene = picgen::renderScene(n, true);
        for (const PictureSize& kind : kStartSizes)
            if (!writePicture(dir, kind, n, startScene)) return 1;
    }
    if (!picgen::writeCoursePictures(dir)) return 1;
    return 0;
}
