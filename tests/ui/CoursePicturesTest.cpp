// The pictures and sounds the build makes: every picture that the picture exercises and the
// France windows name exists in the built content tree at its size, every item of the plant and
// animal files has its picture, and the melody and the bird songs are WAV files of some seconds.

#include "BmpImage.h"
#include "Catalogue.h"
#include "TBilden.h"
#include "TBildvis.h"
#include "TKarta.h"
#include "WavInfo.h"

#include "Fakes.h"

#include <QImage>
#include <fstream>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

const std::filesystem::path kBuilt(ORVELA_BUILT_CONTENT);

QSize pictureSize(const std::filesystem::path& relative) {
    const QImage image(QString::fromStdString((kBuilt / relative).string()));
    return image.size();
}

} // namespace

TEST(CoursePictures, EveryPictureTheCourseNamesExistsAtItsSize) {
    if (!std::filesystem::exists(kBuilt / "BILD" / "FRA001.BMP"))
        GTEST_SKIP() << "the pictures are not drawn in this build (ORVELA_NO_PICGEN)";
    FakeMessages messages;
    FakeClock clock;
    FakeMeasure measure;
    Shell shell(ContentPaths(kBuilt), ShellServices{&messages, &clock, &measure, nullptr});
    ASSERT_TRUE(shell.HaemtaFilTabell());

    int bodies = 0, nature = 0;
    for (const MenuDef& menu : menuCatalogue())
        for (const MenuEntry& entry : menu.entries) {
            if (entry.action != EntryAction::Exercise) continue;
            const AnsiText file = AnsiText::ascii(std::string(entry.target));
            const int program = Shell::GeProgramtal(file);
            if (entry.window == WindowKind::TBilden) {
                ++bodies;
                EXPECT_EQ(pictureSize(TBilden::pictureOf(program)), QSize(480, 600)) << entry.target;
            } else if (entry.window == WindowKind::TBildvis) {
                ASSERT_TRUE(shell.Kolla(file)) << entry.target;
                const int items = shell.state().ItemCount[static_cast<std::size_t>(shell.state().CurrentFileIndex)];
                EXPECT_GE(items, 15) << entry.target;
                const std::string folder = program < 21500 ? "VAXTER" : "DJUR";
                for (int n = 1; n <= items; ++n) {
                    char name[32];
                    std::snprintf(name, sizeof name, "F%d%02d.BMP", program / 10, n);
                    EXPECT_EQ(pictureSize(std::filesystem::path("BILD") / folder / name), QSize(320, 240)) << name;
                    ++nature;
                }
            }
        }
    EXPECT_EQ(bodies, 7);
    EXPECT_GT(nature, 150);
    EXPECT_EQ(pictureSize(TKarta::mapFile(1024)), QSize(540, 500));
    EXPECT_EQ(pictureSize(TKarta::mapFile(640)), QSize(320, 296));
    EXPECT_EQ(pictureSize("BILD/FRAN_FL.BMP"), QSize(450, 300));
}

TEST(CoursePictures, TheMelodyAndTheBirdSongsArePlayableWavFiles) {
    std::vector<std::filesystem::path> sounds{kBuilt / "LJUD" / "FRANKR.WAV"};
    for (int item = 1; item <= 40; ++item)
        if (const char* song = TBildvis::birdSong(item)) sounds.push_back(kBuilt / "LJUD" / "BIRDS" / song);
    ASSERT_EQ(sounds.size(), 16u);
    for (const std::filesystem::path& file : sounds) {
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        const std::optional<WavInfo> info = readWavInfo(in);
        ASSERT_TRUE(info) << file;
        EXPECT_EQ(info->formatTag, 1);
        EXPECT_GE(info->durationMs, 1500) << file;
        EXPECT_LE(info->durationMs, file.filename() == "FRANKR.WAV" ? 90000 : 6000) << file;
    }
}

// The start pictures' own reader gives the same pixels as Qt's general one for every width
// (pixels are read four at a time, the rest one by one) and for both row orders.
TEST(CoursePictures, OwnBmpReaderMatchesQt) {
    for (int width = 1; width <= 13; ++width) {
        for (bool bottomUp : {true, false}) {
            SCOPED_TRACE(std::to_string(width) + (bottomUp ? " bottom-up" : " top-down"));
            const int height = 3;
            const int stride = (width * 3 + 3) & ~3;
            QByteArray bytes(54 + stride * height, '\0');
            auto put32 = [&bytes](int at, qint32 v) {
                for (int i = 0; i < 4; ++i) bytes[at + i] = char((quint32(v) >> (8 * i)) & 0xFF);
            };
            bytes[0] = 'B';
            bytes[1] = 'M';
            put32(2, qint32(bytes.size()));
            put32(10, 54);
            put32(14, 40);
            put32(18, width);
            put32(22, bottomUp ? height : -height);
            bytes[26] = 1;
            bytes[28] = 24;
            for (int i = 54; i < bytes.size(); ++i) bytes[i] = char((i * 37 + width) & 0xFF);
            const QImage own = decodeBmp24(bytes);
            const QImage qt = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(own.isNull());
            ASSERT_EQ(own.size(), qt.size());
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) EXPECT_EQ(own.pixel(x, y), qt.pixel(x, y));
        }
    }
}
