// orvela-picgen OUTDIR
//
// Draws the thirty French pictures and writes them as 24-bit BMP files into OUTDIR, the BILD
// directory of a content tree: the reward pictures FRA001.BMP .. FRA030.BMP (640 x 480) and the
// start pictures in three sizes, FRAL001.BMP .. (200 x 150), FRAM001.BMP .. (250 x 190) and
// FRAS001.BMP .. (320 x 245). Each picture is a simple drawing of its subject without any text:
// the program shows the caption beside it (under a start picture, above a reward picture).
// Beside them it draws the star picture of the horoscope, HOROSKOP.BMP (StarChart.h), and the
// diploma of the graded-level exercise, DIPLOMA.BMP (600 x 400). Then the course's own pictures
// follow (CoursePictures.h): the body pictures, the plants and animals, the map and the flag.
// The output is the same, byte for byte, on every run.

#include "CoursePictures.h"
#include "Diploma.h"
#include "PictureCaptions.h"
#include "Scenes.h"
#include "StarChart.h"

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
};

constexpr int kStartSizeCount = 3;

const PictureSize kRewardSize{"FRA", QSize(640, 480)};
const PictureSize kStartSizes[kStartSizeCount] = {
    {"FRAL", QSize(200, 150)}, // screens narrower than 700 pixels
    {"FRAM", QSize(250, 190)}, // 700 to 900 pixels
    {"FRAS", QSize(320, 245)}, // wider than 900 pixels
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

// The scene at the picture's size, as a 24-bit picture.
QImage pictureOf(const QImage& scene, QSize size) {
    const QImage picture = scene.size() == size
                               ? scene
                               : scene.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool writePicture(const QDir& dir, const PictureSize& kind, int n, const QImage& scene) {
    const QImage picture = pictureOf(scene, kind.size);
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
    // The horoscope's star chart and the diploma of the graded-level exercise.
    if (!picgen::saveBmp(picgen::drawStarChart(),
                         dir.filePath(QString::fromLatin1(picgen::kStarChartFile))) ||
        !picgen::saveBmp(picgen::drawDiploma(), dir.filePath(QStringLiteral("DIPLOMA.BMP"))))
        return 1;
    if (!picgen::writeCoursePictures(dir)) return 1;
    return 0;
}
