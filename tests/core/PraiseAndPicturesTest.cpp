// Praise files, placeholders, the picture order and captions, sounds.

#include "Fakes.h"
#include "WavBytes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct PraiseFixture : ::testing::Test {
    ShellFixture f;
    void SetUp() override {
        for (int n = 9001; n <= 9016; ++n)
            f.content.write("DATA/FROM" + std::to_string(n) + ".LOV",
                            {"$Beröm", "Fil " + std::to_string(n) + "#<namn>#!"});
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
    }
    std::string chosen(int runLength, int right, int program, int stored, const char* name) {
        f.s.RunLength = runLength;
        f.s.RightCount = static_cast<std::uint16_t>(right);
        f.s.ProgramNumber = static_cast<std::uint16_t>(program);
        f.s.CurrentPupil.name = A(name);
        int type = Shell::GeDiagnosTyp(program);
        if (type) f.s.CurrentPupil.result[static_cast<std::size_t>(type)] = stored;
        f.s.PraiseFileName = A("unchanged");
        f.shell.HaemtaLovordFilNamn();
        return f.s.PraiseFileName.toUtf8();
    }
};

} // namespace

TEST_F(PraiseFixture, TheFileFitsTheResultThePupilAndTheDiagnosis) {
    EXPECT_EQ(chosen(10, 10, 51120, 0, ""), "FROM9001.LOV");
    EXPECT_EQ(chosen(10, 10, 51120, 0, "Anna"), "FROM9005.LOV");
    EXPECT_EQ(chosen(10, 9, 51120, 0, ""), "FROM9002.LOV");
    EXPECT_EQ(chosen(10, 9, 51120, 0, "Anna"), "FROM9006.LOV");
    EXPECT_EQ(chosen(10, 8, 51120, 0, ""), "FROM9013.LOV");
    EXPECT_EQ(chosen(10, 8, 51120, 0, "Anna"), "FROM9015.LOV");
    EXPECT_EQ(chosen(10, 10, 23300, 0, ""), "FROM9003.LOV");
    EXPECT_EQ(chosen(10, 10, 23300, 0, "Anna"), "FROM9007.LOV");
    EXPECT_EQ(chosen(10, 10, 23300, 12, "Anna"), "FROM9009.LOV");
    EXPECT_EQ(chosen(10, 10, 23300, 20, ""), "FROM9011.LOV");
    EXPECT_EQ(chosen(10, 9, 23300, 0, ""), "FROM9004.LOV");
    EXPECT_EQ(chosen(10, 9, 23300, 0, "Anna"), "FROM9008.LOV");
    EXPECT_EQ(chosen(10, 9, 23300, 5, ""), "FROM9010.LOV");
    EXPECT_EQ(chosen(10, 9, 23300, 20, ""), "FROM9012.LOV");
    EXPECT_EQ(chosen(10, 8, 23300, 20, ""), "FROM9014.LOV");
    EXPECT_EQ(chosen(10, 8, 23300, 20, "Anna"), "FROM9016.LOV");
    EXPECT_EQ(chosen(10, 7, 51120, 0, ""), "unchanged") << "no praise at three wrong";
}

TEST_F(PraiseFixture, PlaceholdersAndStrayMarks) {
    f.s.CurrentPupil.name = A("Anna");
    f.s.ProgramNumber = 23300;
    f.s.CurrentPupil.result[3] = 17;
    EXPECT_EQ(f.shell.LovordMen(A("Bravo <namn>, <diagnos>: <res>/20 >")).toUtf8(),
              "Bravo Anna, 3: 17/20 ");
    EXPECT_EQ(f.shell.LovordMen(A("a > b <x")).toUtf8(), "a  b <x");

    f.s.RunLength = 10;
    f.s.RightCount = 10;
    f.s.ProgramNumber = 51120;
    auto praise = f.shell.nextPraise();
    ASSERT_TRUE(praise);
    EXPECT_EQ((*praise)[1].toUtf8(), "Fil 9005");
    EXPECT_EQ((*praise)[2].toUtf8(), "Anna");
    EXPECT_EQ((*praise)[3].toUtf8(), "!");
}

TEST(PraiseLine, FieldsJoinWithSingleBlanksAndNoCommaIsLeftHanging) {
    auto line = [](const char* a, const char* b, const char* c) {
        OneBased<AnsiText, 3> f;
        f[1] = AnsiText::fromUtf8(a);
        f[2] = AnsiText::fromUtf8(b);
        f[3] = AnsiText::fromUtf8(c);
        return Shell::praiseLine(f).toUtf8();
    };
    EXPECT_EQ(line("Bravo", "Anna", "!"), "Bravo Anna !");
    EXPECT_EQ(line("Bravo,", "Anna", "!"), "Bravo, Anna !");
    // The same lines without a name read naturally.
    EXPECT_EQ(line("Bravo", "", "!"), "Bravo !");
    EXPECT_EQ(line("Bravo,", "", "!"), "Bravo !");
    EXPECT_EQ(line("Très bien,", "", ""), "Très bien");
    EXPECT_EQ(line("Super,", "", "."), "Super.");
    EXPECT_EQ(line("", ", tu as", "tout juste !"), "tu as tout juste !");
    EXPECT_EQ(line("C'est parfait,", "", "tu es fort !"), "C'est parfait, tu es fort !");
}

TEST_F(PraiseFixture, AMissingPraiseFileGivesNoPraise) {
    std::filesystem::remove(f.content.root() / "DATA/FROM9001.LOV");
    f.shell.HaemtaFilTabell();
    f.s.RunLength = 10;
    f.s.RightCount = 10;
    f.s.ProgramNumber = 51120;
    EXPECT_FALSE(f.shell.nextPraise());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Pictures, OrderFollowsTheRandomOrderAndCycles) {
    ShellFixture f;
    f.content.write("DATA/FRA00001.DAT", {"a#b"});
    f.shell.HaemtaFilTabell();
    f.shell.SkapaSlumptal(1, 1000);
    std::vector<int> expected;
    for (int v : f.s.RandomOrder)
        if (v <= 30) expected.push_back(v);
    std::vector<int> got;
    for (int i = 0; i < 31; ++i)
        got.push_back(f.shell.haemta_Bildslumptal());
    EXPECT_EQ(std::vector<int>(got.begin(), got.begin() + 30), expected);
    EXPECT_EQ(got[30], got[0]) << "the 31st picture is the first again";
    EXPECT_EQ(Shell::pictureFileName("FRAM", 7), "BILD/FRAM007.BMP");
}

TEST(Pictures, CaptionsHaveAStartAndARewardVariant) {
    ShellFixture f;
    EXPECT_EQ(f.shell.GeBildText(2).toUtf8(), "Un vrai Français");
    f.s.StartCaptionWanted = true;
    EXPECT_EQ(f.shell.GeBildText(2).toUtf8(), "La baie des Anges, Nice");
    EXPECT_EQ(f.shell.GeBildText(31).toUtf8(), "La baie des Anges, Nice")
        << "unknown keeps the last";
}

TEST(Sound, PathsMissingFilesAndWaiting) {
    ShellFixture f;
    f.content.writeRaw("LJUD/F311/ca.wav", silentWav(100));
    f.content.writeRaw("LJUD/hej.wav", silentWav(100));
    f.s.ProgramNumber = 31100;
    f.shell.GeLjudDirectory();
    EXPECT_EQ(f.s.SoundDir.toUtf8(), "F311");
    f.shell.SpelaUppWavLjud(A("CA.WAV"));
    ASSERT_EQ(f.sound.played.size(), 1u);
    EXPECT_TRUE(f.sound.played[0].wait);
    EXPECT_EQ(f.sound.played[0].file.filename(), "ca.wav");

    f.s.ProgramNumber = 31400;
    f.shell.SpelaUppWavLjud(A("ca.wav"));
    EXPECT_FALSE(f.sound.played.back().wait);

    f.s.ProgramNumber = 23101;
    f.shell.GeLjudDirectory();
    EXPECT_EQ(f.s.SoundDir.toUtf8(), "F2310");
    f.shell.SpelaUppWavLjud(A("saknas.wav"));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    std::string shownPath =
        toUpper(A(f.content.root().string() + "/LJUD/F2310/saknas.wav")).toUtf8();
    EXPECT_EQ(f.messages.shown[0], "Ljudfilen  " + shownPath + "  finns inte eller är felaktig.");
    EXPECT_EQ(f.sound.played.size(), 2u);

    f.s.SoundDir = AnsiText();
    f.shell.SpelaUppWavLjud(A("hej.wav"));
    EXPECT_EQ(f.sound.played.size(), 3u);
}

TEST(Sound, AMissingOrBrokenRecordingIsSpokenWhenASynthesizerIsThere) {
    ShellFixture f;
    f.content.writeRaw("LJUD/F361/F361002.WAV", "RIFF....not a sound");
    f.s.ProgramNumber = 36100;
    f.shell.GeLjudDirectory();

    // Without a synthesizer the pupil is told, whether or not there is a text to speak.
    f.shell.SpelaUppWavLjud(A("F361001.WAV"), A("la fenêtre"));
    EXPECT_EQ(f.sound.spoken, std::vector<std::string>{"la fenêtre"});
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("F361001.WAV  finns inte"), std::string::npos);

    f.sound.canSpeak = true;
    f.sound.spoken.clear();
    f.shell.SpelaUppWavLjud(A("F361001.WAV"), A("la fenêtre"));
    f.shell.SpelaUppWavLjud(A("F361002.WAV"), A("un garçon"));
    EXPECT_EQ(f.sound.spoken, (std::vector<std::string>{"la fenêtre", "un garçon"}))
        << "a file that is not a WAV is spoken too";
    EXPECT_EQ(f.messages.shown.size(), 1u);
    EXPECT_TRUE(f.sound.played.empty());

    f.shell.SpelaUppWavLjud(A("F361003.WAV"));
    EXPECT_EQ(f.messages.shown.size(), 2u) << "no text: nothing to speak";
}
