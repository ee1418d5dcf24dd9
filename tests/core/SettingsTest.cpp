// The settings file, the path file and the directory checks.

#include "Fakes.h"
#include "IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

void writeSettings(ShellFixture& f, const std::vector<std::string>& lines) {
    f.content.write("PROGRAM/FRAN.INI", lines);
}

} // namespace

TEST(Settings, DefaultsWhenTheSettingsFileIsMissing) {
    ShellFixture f;
    f.s.ShowAnswerSeconds = 7;
    f.s.SoundSetting = 0;
    f.s.PictureSetting = 0;
    f.shell.HaemtaFranINI();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 3);
    EXPECT_EQ(f.s.SoundSetting, 1);
    EXPECT_EQ(f.s.PictureSetting, 1);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Settings, SwitchesTakeTheirFirstCharacter) {
    struct Case {
        const char* value;
        int expected;
    } cases[] = {{"5", 0}, {"", 0}, {"3", 3}, {"2", 2}, {"1", 1}, {"1abc", 1}, {"x", 0}, {"0", 0}};
    for (const Case& c : cases) {
        ShellFixture f;
        writeSettings(f, {"[SETTINGS]", std::string("SOUNDS=") + c.value,
                          std::string("FRENCHPICTURES=") + c.value});
        f.shell.HaemtaFranINI();
        EXPECT_EQ(f.s.SoundSetting, c.expected) << "SOUNDS=" << c.value;
        EXPECT_EQ(f.s.PictureSetting, c.expected) << "FRENCHPICTURES=" << c.value;
    }
}

TEST(Settings, SecondsEmptyLetterOrDigit) {
    for (auto [value, seconds] :
         {std::pair{"", 3}, {"abc", 8}, {"7", 7}, {"99999999999999999999", 3600}}) {
        ShellFixture
            f; // an empty value gives 3, a letter leaves the value, an absurd wait is capped
        writeSettings(f, {"[SETTINGS]", std::string("TIMESHOWINGCORRECTANSWER=") + value});
        f.s.ShowAnswerSeconds = 8;
        f.shell.HaemtaFranINI();
        EXPECT_EQ(f.s.ShowAnswerSeconds, seconds) << value;
    }
}

TEST(Settings, KeysAndSectionsInAnyLetterCase) {
    ShellFixture f;
    writeSettings(f, {"; comment", "[settings]", "  timeShowingCorrectAnswer = 5 ", "Sounds=0",
                      "frenchpictures=3"});
    f.shell.HaemtaFranINI();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 5);
    EXPECT_EQ(f.s.SoundSetting, 0);
    EXPECT_EQ(f.s.PictureSetting, 3);
}

TEST(Settings, GarbageGivesTheEmptyValues) {
    ShellFixture f;
    f.content.writeRaw("PROGRAM/FRAN.INI", std::string("\x01\x02[[[\0\0=\xff\xfe\n=\n[\n", 16) +
                                               std::string(100000, 'x'));
    f.shell.HaemtaFranINI();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 3);
    EXPECT_EQ(f.s.SoundSetting, 0);
    EXPECT_EQ(f.s.PictureSetting, 0);
}

TEST(Settings, SavingKeepsOtherSectionsKeysAndComments) {
    ShellFixture f;
    writeSettings(f, {"; teacher's note", "[OTHER]", "A=1", "[Settings]", "sounds=1", "EXTRA=keep",
                      "", "[LAST]", "B=2"});
    f.shell.HaemtaFranINI();
    f.s.ShowAnswerSeconds = 9;
    f.s.SoundSetting = 0;
    ASSERT_TRUE(f.shell.SparaFranINI());
    IniFile ini = IniFile::load(f.content.root() / "PROGRAM/FRAN.INI");
    EXPECT_EQ(ini.readString("OTHER", "A"), "1");
    EXPECT_EQ(ini.readString("LAST", "B"), "2");
    EXPECT_EQ(ini.readString("SETTINGS", "EXTRA"), "keep");
    EXPECT_EQ(ini.readString("SETTINGS", "SOUNDS"), "0");
    EXPECT_EQ(ini.readString("SETTINGS", "TIMESHOWINGCORRECTANSWER"), "9");
    EXPECT_NE(ini.text().find("; teacher's note\r\n"), std::string::npos);
    EXPECT_EQ(ini.text().find("sounds=1"), std::string::npos) << "the key is replaced in place";
    f.shell.HaemtaFranINI();
    EXPECT_EQ(f.s.ShowAnswerSeconds, 9);
}

TEST(PathFile, ScorePathGetsItsSeparatorAndFallsBackWhenUnusable) {
    ShellFixture f;
    std::filesystem::path scores = f.content.root() / "SCORES";
    std::filesystem::create_directories(scores);
    f.content.write("PROGRAM/frapath.ini",
                    {"[path]", "DIAGNOSPATH=" + scores.string(), "scorepath=" + scores.string()});
    f.shell.HaemtaPathINI();
    EXPECT_EQ(f.s.DiagnosisDir, scores.string()) << "no separator is added to the diagnosis path";
    EXPECT_EQ(f.s.ScoreDir, scores.string() + "/");
    f.shell.KontrolleraScoreDir();
    EXPECT_EQ(f.s.ScoreDir, scores.string() + "/") << "an existing writable directory stays";

    // Written the Windows way, with backslashes.
    f.content.write("PROGRAM/FRAPATH.INI", {"[PATH]", "SCOREPATH=SCORES\\"});
    f.shell.HaemtaPathINI();
    EXPECT_EQ(f.s.ScoreDir, scores.string() + "/");

    f.content.write("PROGRAM/FRAPATH.INI", {"[PATH]", "SCOREPATH=/no/such/dir"});
    f.shell.HaemtaPathINI();
    EXPECT_EQ(f.s.ScoreDir, "/no/such/dir/");
    f.shell.KontrolleraScoreDir();
    EXPECT_EQ(f.s.ScoreDir, (f.content.root() / "RESULTAT").string() + "/");

    if (getuid() != 0) { // root writes anywhere
        chmod(scores.c_str(), 0555);
        f.content.write("PROGRAM/FRAPATH.INI", {"[PATH]", "SCOREPATH=" + scores.string()});
        f.shell.HaemtaPathINI();
        f.shell.KontrolleraScoreDir();
        EXPECT_EQ(f.s.ScoreDir, (f.content.root() / "RESULTAT").string() + "/");
        chmod(scores.c_str(), 0755);
    }
}

TEST(PathFile, MissingOrEmptyValuesGiveTheResultDirectory) {
    for (bool written : {false, true}) {
        ShellFixture f;
        if (written)
            f.content.write("PROGRAM/FRAPATH.INI", {"[PATH]", "DIAGNOSPATH=", "SCOREPATH="});
        f.shell.HaemtaPathINI();
        EXPECT_EQ(f.s.DiagnosisDir, (f.content.root() / "RESULTAT").string());
        EXPECT_EQ(f.s.ScoreDir, (f.content.root() / "RESULTAT").string() + "/");
    }
}

TEST(DirectoryChecks, WritableAndDiagnosisWish) {
    ShellFixture f;
    EXPECT_FALSE(Shell::KatalogSkrivbar(f.content.root().string()));
    EXPECT_TRUE(Shell::KatalogSkrivbar("/no/such/dir"));
    EXPECT_FALSE(std::filesystem::exists(f.content.root() / "temp.$$$")) << "the probe is removed";

    EXPECT_TRUE(f.shell.DiagnosFileWish(f.content.root().string()));
    EXPECT_TRUE(f.messages.shown.empty());

    EXPECT_FALSE(f.shell.DiagnosFileWish("A:"));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Sätt in disketten med din diagnos i datorn.");

    f.messages.shown.clear();
    std::filesystem::remove_all(f.content.root() / "RESULTAT");
    EXPECT_FALSE(f.shell.DiagnosFileWish("/no/such/dir"));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Diagnosen kan inte sparas i katalogen /no/such/dir. Den kommer "
                                   "nu att sparas i katalogen " +
                                       f.content.root().string() + "/RESULTAT");
    EXPECT_TRUE(std::filesystem::is_directory(f.content.root() / "RESULTAT"))
        << "the result directory is created";
}

TEST(ContentPaths, FindsNamesInAnyLetterCase) {
    TempContent c;
    c.write("DATA/frdi01.dat", {"a#b"});
    c.write("DATA/Sub/Ljud.WAV", {"x"});
    ContentPaths paths(c.root());
    ASSERT_TRUE(paths.find("\\DATA\\FRDI01.DAT"));
    EXPECT_EQ(paths.find("DATA/FRDI01.DAT")->filename(), "frdi01.dat");
    EXPECT_TRUE(paths.find("DATA/SUB/LJUD.wav"));
    EXPECT_FALSE(paths.find("DATA/../DATA/frdi01.dat")) << "never leaves the tree";
    EXPECT_EQ(paths.resolve("DATA/new.txt"), c.root() / "DATA/new.txt");
    EXPECT_EQ(ContentPaths::rootOfProgram("/x/ROOT/PROGRAM/orvela"), "/x/ROOT");
}
