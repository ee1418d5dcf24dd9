// The France windows: the facts, the pictures (missing ones hidden), the map for small screens,
// the anthem's words and music.

#include "TFlagga.h"
#include "THymn.h"
#include "TKarta.h"

#include "ExerciseFixture.h"
#include "WavBytes.h"

#include <QImage>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct FranceWindowsTest : ExerciseFixture {
    void writePicture(const std::string& relative, QSize size) {
        f.content.writeRaw(relative, "");
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(QString::fromStdString((f.content.root() / relative).string()), "BMP"));
    }
};

} // namespace

TEST_F(FranceWindowsTest, TheMapAndTheFlagWithTheirFacts) {
    EXPECT_EQ(TKarta::mapFile(1024), "BILD/FRANCE.BMP");
    EXPECT_EQ(TKarta::mapFile(699), "BILD/FRANCE2.BMP");
    {
        TKarta map(context);
        map.show();
        EXPECT_EQ(text(map, "Label1"), "Frankrikes karta");
        EXPECT_EQ(text(map, "KartLabel3"), "Befolkning: Cirka 68 miljoner. Språk: Franska.");
        EXPECT_EQ(text(map, "KartLabel4"), "Area: 551 601 km².(Ca 20 % större än Sverige).");
        EXPECT_FALSE(visible(map, "Image1")) << "no map: hidden";
    }
    writePicture("BILD/FRANCE.BMP", QSize(300, 280));
    writePicture("BILD/FRAN_FL.BMP", QSize(300, 200));
    TKarta map(context);
    map.show();
    ASSERT_TRUE(visible(map, "Image1"));
    QWidget* image = child(map, "Image1");
    EXPECT_EQ(image->size(), QSize(300, 280));
    EXPECT_GT(child(map, "KartLabel1")->y(), image->geometry().bottom());
    EXPECT_LT(child(map, "KartLabel4")->geometry().bottom(), child(map, "AvbrytPanel")->y());
    shot(map, "tkarta");
    QTest::keyClick(&map, Qt::Key_Escape);
    EXPECT_FALSE(map.isVisible());

    TFlagga flag(context);
    flag.show();
    EXPECT_EQ(text(flag, "Label1"), "Frankrikes flagga");
    EXPECT_EQ(text(flag, "FlagLabel1"), "Nationaldag 14 juli (Bastiljens stormning 1789).");
    EXPECT_TRUE(visible(flag, "Image1"));
    child<QPushButton>(flag, "Button1")->click();
    EXPECT_FALSE(flag.isVisible());
}

TEST_F(FranceWindowsTest, TheAnthemPlaysOnlyWithSoundsOnWithoutWaitingAndStopsOnClose) {
    f.content.writeRaw("LJUD/FRANKR.WAV", silentWav(200));
    for (std::uint8_t sound : {0, 2}) {
        f.s.SoundSetting = sound;
        THymn hymn(context);
        hymn.show();
        EXPECT_FALSE(child<QPushButton>(hymn, "Button2")->isEnabled()) << int(sound);
    }
    f.s.SoundSetting = 3;
    f.s.ProgramNumber = 31200; // a dictation ran before: its sounds wait for their end
    f.s.SoundDir = A("F312");
    {
        THymn hymn(context);
        hymn.show();
        shot(hymn, "thymn");
        EXPECT_EQ(text(hymn, "Label1"), "Frankrikes nationalsång");
        auto* play = child<QPushButton>(hymn, "Button2");
        ASSERT_TRUE(play->isEnabled());
        play->click();
        ASSERT_EQ(f.sound.played.size(), 1u);
        EXPECT_EQ(f.sound.played[0].file.filename(), "FRANKR.WAV");
        EXPECT_FALSE(f.sound.played[0].wait);
        EXPECT_FALSE(play->isVisible());
        EXPECT_TRUE(visible(hymn, "Button3"));
        child<QPushButton>(hymn, "Button3")->click();
        EXPECT_EQ(f.sound.stops, 1);
        EXPECT_TRUE(play->isVisible());
        play->click();
        child<QPushButton>(hymn, "Button1")->click();
        EXPECT_EQ(f.sound.stops, 2) << "closing stops the music";
        EXPECT_FALSE(hymn.isVisible());
    }
    EXPECT_EQ(f.sound.stops, 2);
    EXPECT_EQ(f.s.ProgramNumber, 31200);
    EXPECT_EQ(f.s.SoundDir.toUtf8(), "F312");

    // Without the music file: the message, and the play button stays.
    std::filesystem::remove(f.content.root() / "LJUD" / "FRANKR.WAV");
    THymn hymn(context);
    hymn.show();
    child<QPushButton>(hymn, "Button2")->click();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("FRANKR.WAV  finns inte"), std::string::npos);
    EXPECT_TRUE(visible(hymn, "Button2"));
    QTest::keyClick(&hymn, Qt::Key_Escape);
    EXPECT_EQ(f.sound.stops, 2) << "nothing to stop";
}
