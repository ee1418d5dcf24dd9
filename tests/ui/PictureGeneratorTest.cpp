// The generated French pictures carry no caption of their own: the program shows each caption
// beside its picture, so a caption drawn into the picture would stand there twice.

#include "ExternalTools.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

using namespace orvela::testing;

#ifdef ORVELA_PICGEN

namespace {

// A caption used to stand on a dark band across the whole width at the bottom of the picture,
// below a gold rule: the share of a row's pixels that have the colour given.
double share(const QImage& image, int y, const std::function<bool(const QColor&)>& is) {
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += is(image.pixelColor(x, y));
    return n / static_cast<double>(image.width());
}

bool gold(const QColor& c) {
    return std::abs(c.red() - 232) < 24 && std::abs(c.green() - 192) < 24 &&
           std::abs(c.blue() - 92) < 24;
}

bool darkBlue(const QColor& c) {
    return c.red() < 60 && c.green() < 70 && c.blue() < 110;
}

} // namespace

TEST(PictureGenerator, DrawsStartAndRewardPicturesWithoutText) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CommandRun run =
        runCommand(shellQuoted(ORVELA_PICGEN) + " " + shellQuoted(dir.path().toStdString()));
    ASSERT_EQ(run.status, 0) << run.err;
    // The thirty start and reward pictures in their four sizes (FRA…, FRAS…, FRAM…, FRAL…).
    const QStringList files =
        QDir(dir.path()).entryList({QStringLiteral("FRA[0-9]*.BMP"), QStringLiteral("FRA[SML][0-9]*.BMP")}, QDir::Files);
    EXPECT_EQ(files.size(), 120);
    for (const QString& name : files) {
        const QImage image(dir.filePath(name));
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        // No gold rule over a dark band anywhere in the lower half, where a caption would stand.
        for (int y = image.height() / 2; y + 1 < image.height(); ++y) {
            const bool rule = share(image, y, gold) > 0.9 && share(image, y + 1, darkBlue) > 0.9;
            EXPECT_FALSE(rule) << name.toStdString() << " row " << y;
            if (rule) break;
        }
    }
}

#endif
