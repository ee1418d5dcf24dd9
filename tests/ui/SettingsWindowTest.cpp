// The settings window: seconds 0..9, the two switches with their locked values, saving.

#include "ExerciseFixture.h"
#include "IniFile.h"
#include "TStallin.h"

using namespace orvela;
using namespace orvela::testing;

namespace {

struct StallinTest : ExerciseFixture {
    std::unique_ptr<TStallin> open(const std::vector<std::string>& settings) {
        f.content.write("PROGRAM/FRAN.INI", settings);
        auto w = std::make_unique<TStallin>(context);
        w->show();
        return w;
    }
};

} // namespace

TEST_F(StallinTest, SecondsStayBetweenZeroAndNine) {
    auto w = open({"[SETTINGS]", "TIMESHOWINGCORRECTANSWER=8"});
    auto* seconds = child<QLabel>(*w, "TidLabel");
    EXPECT_EQ(seconds->text(), QStringLiteral("8"));
    for (int i = 0; i < 5; ++i) w->SpinButton1UpClick();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 9);
    EXPECT_EQ(seconds->text(), QStringLiteral("9"));
    for (int i = 0; i < 12; ++i) w->SpinButton1DownClick();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 0);
}

TEST_F(StallinTest, SwitchesToggleButLockedValuesStay) {
    auto w = open({"[SETTINGS]", "SOUNDS=3", "FRENCHPICTURES=0"});
    auto* pictures = child<QPushButton>(*w, "JaNejButton1");
    auto* sound = child<QPushButton>(*w, "JaNejButton2");
    EXPECT_EQ(pictures->text(), QStringLiteral("Nej"));
    EXPECT_TRUE(pictures->isEnabled());
    EXPECT_EQ(sound->text(), QStringLiteral("Ja"));
    EXPECT_FALSE(sound->isEnabled()) << "3 is on and locked";
    w->JaNejButton1Click();
    EXPECT_EQ(f.s.PictureSetting, 1);
    EXPECT_EQ(pictures->text(), QStringLiteral("Ja"));
    w->JaNejButton2Click();
    EXPECT_EQ(f.s.SoundSetting, 3);
}

TEST_F(StallinTest, SaveWritesTheThreeKeysAndKeepsTheRestCancelKeepsValuesForThisRun) {
    auto w = open({"; teacher note", "[SETTINGS]", "TIMESHOWINGCORRECTANSWER=3", "SOUNDS=1",
                   "FRENCHPICTURES=1", "[OTHER]", "X=1"});
    w->SpinButton1UpClick();
    w->JaNejButton2Click();
    w->AvbrytButtonClick();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 4) << "changes are in force after Avbryt";
    IniFile before = IniFile::load(f.content.root() / "PROGRAM/FRAN.INI");
    EXPECT_EQ(before.readString("SETTINGS", "TIMESHOWINGCORRECTANSWER"), "3") << "but not saved";

    auto w2 = std::make_unique<TStallin>(context);
    w2->SpinButton1UpClick();
    w2->JaNejButton1Click();
    w2->SparaButtonClick();
    IniFile after = IniFile::load(f.content.root() / "PROGRAM/FRAN.INI");
    EXPECT_EQ(after.readString("SETTINGS", "TIMESHOWINGCORRECTANSWER"), "4");
    EXPECT_EQ(after.readString("SETTINGS", "FRENCHPICTURES"), "0");
    EXPECT_EQ(after.readString("OTHER", "X"), "1");
    EXPECT_NE(after.text().find("; teacher note"), std::string::npos);
}

TEST_F(StallinTest, LockedValuesAreWrittenBackUnchanged) {
    auto w = open({"[SETTINGS]", "TIMESHOWINGCORRECTANSWER=2", "SOUNDS=2", "FRENCHPICTURES=3"});
    w->JaNejButton1Click();
    w->JaNejButton2Click();
    w->SparaButtonClick();
    IniFile after = IniFile::load(f.content.root() / "PROGRAM/FRAN.INI");
    EXPECT_EQ(after.readString("SETTINGS", "SOUNDS"), "2");
    EXPECT_EQ(after.readString("SETTINGS", "FRENCHPICTURES"), "3");
    EXPECT_EQ(after.readString("SETTINGS", "TIMESHOWINGCORRECTANSWER"), "2");
}

