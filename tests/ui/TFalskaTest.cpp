// The pronunciation duel: the name box, scoring for the pupil or the computer, the squares, the
// end of a game, hearing the words, and files that cannot be played.

#include "TFalska.h"

#include "ExerciseFixture.h"
#include "WavBytes.h"

using namespace orvela;
using namespace orvela::testing;

namespace {

struct FalskaTest : ExerciseFixture {
    std::unique_ptr<TFalska> window;

    void open(const std::string& file, const std::vector<std::string>& lines) {
        window.reset();
        prepare(file, lines);
        window = std::make_unique<TFalska>(context);
        window->show();
    }
    void start(const QString& name = QStringLiteral("Léa")) {
        child<QLineEdit>(*window, "Edit1")->setText(name);
        window->Edit1Enter();
    }
    int yellow(int from, int to) {
        int n = 0;
        for (int t = from; t <= to; ++t) {
            auto* sq = dynamic_cast<Shape*>(child(*window, ("Shape" + std::to_string(t)).c_str()));
            if (sq && sq->brushColor() == colors::yellow) ++n;
        }
        return n;
    }
};

// Five c words, `withSound` of them said [k].
std::vector<std::string> cWords(int withSound) {
    const char* words[5] = {"le café#%#kaffet", "la carte#%#kartan", "le cou#%#halsen",
                            "le ciel#%#himlen", "merci#%#tack"};
    std::vector<std::string> lines = {"$Duell", "$Uttalet av c", "$§Hur många har [k]?"};
    for (int i = 0; i < 5; ++i) {
        std::string w = words[i];
        w.replace(w.find('%'), 1, i < withSound ? "k" : "s");
        lines.push_back(w);
    }
    return lines;
}

} // namespace

TEST_F(FalskaTest, TheNameBoxAsksFourTimesThenPointsToEsc) {
    open("FRA31100.DAT", cWords(3));
    EXPECT_TRUE(visible(*window, "Panel3"));
    EXPECT_FALSE(visible(*window, "Panel1"));
    const char* asked[] = {"Votre nom, s'il vous plaît!", "Votre nom, s'il vous plaît!!",
                           "Votre nom, s'il vous plaît!!!", "Annuler de Esc.", "Annuler de Esc."};
    for (const char* t : asked) {
        start(QStringLiteral("  "));
        EXPECT_EQ(text(*window, "Label3"), t);
    }
    start(QStringLiteral("Léa"));
    EXPECT_FALSE(visible(*window, "Panel3"));
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_EQ(text(*window, "Label2"), "Léa");
    EXPECT_EQ(f.s.PupilName.toUtf8(), "Léa");
    EXPECT_TRUE(visible(*window, "sv1"));
    EXPECT_TRUE(visible(*window, "RegelButton"));
    shot(*window, "falska-turn");
}

TEST_F(FalskaTest, ATurnWithoutTheSoundScoresNothingForAnybody) {
    open("FRA31100.DAT", cWords(0));
    start();
    EXPECT_EQ(window->soundCount(), 0);
    QTest::keyClick(window.get(), Qt::Key_2);
    EXPECT_EQ(window->computerPoints(), 0) << "a wrong count of 0 scores 0";
    EXPECT_TRUE(visible(*window, "SpeedPanel1"));
    EXPECT_EQ(text(*window, "SpeedLabel"), "0");
    EXPECT_TRUE(visible(*window, "NextButton"));
    EXPECT_TRUE(visible(*window, "ord1")) << "words without the sound are shown in red";
    EXPECT_FALSE(visible(*window, "sv1"));

    // The judged turn stays judged after a pause or the settings.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(visible(*window, "Escapepanel"));
    window->Button3Click();
    EXPECT_FALSE(child<QPushButton>(*window, "SpeedButton1")->isEnabled());
    window->BitBtn1Click();
    EXPECT_FALSE(child<QPushButton>(*window, "SpeedButton1")->isEnabled());
    EXPECT_EQ(opener.opened.back().kind, WindowKind::TStallin);
    window->SpeedButtonClick(0);
    EXPECT_EQ(window->pupilPoints(), 0);
    QTest::keyClick(window.get(), Qt::Key_N);
    EXPECT_TRUE(child<QPushButton>(*window, "SpeedButton1")->isEnabled()) << "a new turn";
    QTest::keyClick(window.get(), Qt::Key_7);
    QTest::keyClick(window.get(), Qt::Key_9);
    EXPECT_TRUE(child<QPushButton>(*window, "SpeedButton1")->isEnabled()) << "6 to 9 do nothing";
    QTest::keyClick(window.get(), Qt::Key_0);
    EXPECT_EQ(window->pupilPoints(), 0) << "a right 0 scores nothing";
    EXPECT_TRUE(child<QPushButton>(*window, "SpeedButton1")->isEnabled()) << "next turn at once";
}

TEST_F(FalskaTest, CountsFillTheSquaresUpToTwentyAndTheGameEndsWithItsText) {
    open("FRA31100.DAT", cWords(3));
    start();
    for (int turn = 1; turn <= 6; ++turn) window->SpeedButtonClick(3);
    EXPECT_EQ(window->pupilPoints(), 18);
    EXPECT_EQ(yellow(1, 20), 18);
    EXPECT_FALSE(window->gameOver());
    window->SpeedButtonClick(3);
    EXPECT_EQ(window->pupilPoints(), 21);
    EXPECT_EQ(yellow(1, 20), 20) << "a count past square 20 fills only up to it";
    EXPECT_EQ(yellow(21, 40), 0);
    EXPECT_TRUE(window->gameOver());
    EXPECT_TRUE(window->pupilWon());
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    EXPECT_EQ(text(*window, "LovordLabel1"), "Félicitations Léa !");
    EXPECT_TRUE(visible(*window, "Escapepanel"));
    EXPECT_FALSE(visible(*window, "RegelButton"));
    shot(*window, "falska-won");

    // A new game, lost to the computer: the text does not depend on any praise file.
    for (int n = 9001; n <= 9016; ++n) std::filesystem::remove(f.content.root() / "DATA" / ("FROM" + std::to_string(n) + ".LOV"));
    window->Button3Click();
    EXPECT_EQ(yellow(1, 40), 0);
    EXPECT_FALSE(window->gameOver());
    for (int turn = 1; turn <= 7; ++turn) {
        window->SpeedButtonClick(1);
        if (!window->gameOver()) window->NextButtonClick();
    }
    EXPECT_EQ(yellow(21, 40), 20);
    EXPECT_TRUE(window->gameOver());
    EXPECT_FALSE(window->pupilWon());
    EXPECT_EQ(text(*window, "LovordLabel1"), "Désolé ,Léa. Vous avez perdu. Prenez votre revanche!");
}

TEST_F(FalskaTest, TheFiveWordsAreHeardOneAfterTheOther) {
    f.s.SoundSetting = 1;
    f.sound.canSpeak = true;
    open("FRA31100.DAT", cWords(2));
    start();
    window->SpeedButtonClick(5);
    EXPECT_TRUE(visible(*window, "HoraButton"));
    window->HoraButtonClick();
    ASSERT_EQ(f.sound.spoken.size(), 5u) << "no recordings: the words are spoken";
    std::vector<std::string> shown;
    for (const char* n : {"sv1", "sv2", "sv3", "Sv4", "Sv5"}) shown.push_back(text(*window, n));
    EXPECT_EQ(f.sound.spoken, shown) << "in the order they stand";
    EXPECT_FALSE(child<QPushButton>(*window, "SpeedButton1")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(*window, "NextButton")->isEnabled());

    // Recordings that are there are played, each to its end.
    for (int n = 1; n <= 5; ++n)
        f.content.writeRaw("LJUD/F311/F31100" + std::to_string(n) + ".WAV", silentWav(300));
    window->HoraButtonClick();
    ASSERT_EQ(f.sound.played.size(), 5u);
    for (const FakeSound::Call& c : f.sound.played) EXPECT_TRUE(c.wait);
    QTest::keyClick(window.get(), Qt::Key_H);
    EXPECT_EQ(f.sound.played.size(), 6u) << "H: the last word again";
    EXPECT_EQ(f.sound.played.back().file, f.sound.played[4].file);
    window->SvenskaButtonClick();
    EXPECT_TRUE(visible(*window, "SvenskLabel1"));
}

TEST_F(FalskaTest, AFileThatCannotBePlayedIsReported) {
    std::vector<std::string> four = cWords(2);
    four.pop_back();
    open("FRA31100.DAT", four);
    EXPECT_FALSE(window->playable());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("för få ord"), std::string::npos);
    EXPECT_TRUE(visible(*window, "Escapepanel"));
    EXPECT_FALSE(child<QPushButton>(*window, "Button3")->isEnabled());

    f.messages.shown.clear();
    std::vector<std::string> odd = cWords(2);
    odd.back() = "merci#x#tack";
    open("FRA31100.DAT", odd);
    EXPECT_TRUE(window->playable());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("okänd ljudklass: merci (\"x\")"), std::string::npos);
}
