// The dictation: modes and flash time, silence when sounds are off, spelling letter by letter,
// the spoken text for a missing recording, judging and the reading along.

#include "TDiktam.h"

#include "ExerciseFixture.h"
#include "FakePrinting.h"
#include "TUtskrift.h"
#include "QtText.h"
#include "WavBytes.h"

using namespace orvela;
using namespace orvela::testing;

namespace {

struct DiktamTest : ExerciseFixture {
    std::unique_ptr<TDiktam> window;

    void open(const std::string& file, const std::vector<std::string>& lines) {
        window.reset();
        prepare(file, lines);
        window = std::make_unique<TDiktam>(context);
        window->show();
    }
    QLineEdit* edit() { return child<QLineEdit>(*window, "Edit1"); }
    QPushButton* button(const char* name) { return child<QPushButton>(*window, name); }
    // Lets the presenting timer run out.
    void present() {
        for (int i = 0; i < f.s.ShowAnswerSeconds; ++i) window->Timer5Timer();
    }
    std::vector<std::string> playedNames() {
        std::vector<std::string> names;
        for (const FakeSound::Call& c : f.sound.played) names.push_back(c.file.filename().string());
        return names;
    }
};

std::vector<std::string> words(const std::string& heading, int n) {
    std::vector<std::string> lines = {"$" + heading, "$§Skriv det du hör."};
    for (int i = 1; i <= n; ++i) lines.push_back("ord " + std::to_string(i) + "#le mot " + std::to_string(i));
    return lines;
}

} // namespace

TEST_F(DiktamTest, ModesAreKeptBetweenWindowsAndTheFlashTimeStaysWithinItsBounds) {
    f.s.SoundSetting = 1;
    open("FRA36100.DAT", words("Enkla ord", 12));
    EXPECT_TRUE(visible(*window, "BaraHoraButton"));
    EXPECT_TRUE(visible(*window, "HelpButton"));
    EXPECT_FALSE(visible(*window, "SeTidPanel")) << "hearing only: no flash time";
    button("SeochHoraButton")->click();
    EXPECT_EQ(f.s.DictationMode, 2);
    EXPECT_TRUE(visible(*window, "SeTidPanel"));
    EXPECT_EQ(text(*window, "SeTidLabel"), "1");
    EXPECT_TRUE(edit()->hasFocus() || !window->isActiveWindow());

    for (int i = 0; i < 5; ++i) window->TidSpinButtonDownClick();
    EXPECT_EQ(window->flashTime(), 100) << "never below 0.1 s";
    for (int i = 0; i < 40; ++i) window->TidSpinButtonUpClick();
    EXPECT_EQ(window->flashTime(), 3000) << "never above 3.0 s";
    EXPECT_EQ(text(*window, "SeTidLabel"), "30");

    // Hear and see: the word is said and flashed, the field waits for the flash to end.
    present();
    EXPECT_EQ(playedNames(), std::vector<std::string>{});
    EXPECT_EQ(f.sound.spoken.size(), 1u) << "no recording: the text is spoken";
    EXPECT_TRUE(visible(*window, "BlinkLabel"));
    EXPECT_FALSE(edit()->isEnabled());
    window->FlashEnded();
    EXPECT_FALSE(visible(*window, "BlinkLabel"));
    EXPECT_TRUE(edit()->isEnabled());

    // The next dictation window starts in the same mode; a program without mode buttons hears.
    open("FRA36200.DAT", words("Svåra ord", 12));
    EXPECT_EQ(f.s.DictationMode, 2);
    open("FRA35000.DAT", words("Stava", 12));
    EXPECT_EQ(f.s.DictationMode, 0);
    EXPECT_FALSE(visible(*window, "BaraHoraButton"));
    EXPECT_FALSE(visible(*window, "LampShape"));
}

TEST_F(DiktamTest, WithSoundsOffTheWordIsOnlyShownAndNothingIsPlayed) {
    f.s.SoundSetting = 0;
    f.sound.canSpeak = true;
    open("FRA36100.DAT", words("Enkla ord", 12));
    EXPECT_EQ(f.s.DictationMode, 1);
    EXPECT_EQ(window->flashTime(), 300);
    EXPECT_EQ(text(*window, "SeTidLabel"), "3");
    EXPECT_TRUE(visible(*window, "SeTidPanel"));
    EXPECT_FALSE(button("UpprepaButton")->isEnabled());
    EXPECT_FALSE(button("SeochHoraButton")->isEnabled());
    present();
    EXPECT_TRUE(visible(*window, "BlinkLabel"));
    EXPECT_EQ(text(*window, "BlinkLabel"), f.s.ItemFields[2].toUtf8());
    QTest::keyClick(window.get(), Qt::Key_F2);
    window->FlashEnded();
    EXPECT_TRUE(edit()->isEnabled());

    // The reading and the spelling stay silent too.
    open("FRA32000.DAT", {"$Intonation", "Jag heter Léa.#Je m'appelle Léa.", "Hej!#Salut !"});
    present();
    window->NextButtonClick();
    present();
    open("FRA33000.DAT", words("Bokstavering", 3));
    for (int i = 0; i < 3; ++i) window->Timer2Timer();
    present();
    EXPECT_TRUE(f.sound.played.empty());
    EXPECT_TRUE(f.sound.spoken.empty());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(DiktamTest, TheSpellingPlaysTheLettersInOrderAndSkipsOtherCharacters) {
    auto names = [](const std::string& word) {
        std::vector<std::string> out;
        for (const AnsiText& n : TDiktam::letterSoundNames(A(word))) out.push_back(n.toUtf8());
        return out;
    };
    EXPECT_EQ(names("Zoé"), (std::vector<std::string>{"F330026.WAV", "F330015.WAV"}));
    EXPECT_EQ(names("Ça"), std::vector<std::string>{"F330001.WAV"});
    EXPECT_EQ(names("l'été-2"), (std::vector<std::string>{"F330012.WAV", "F330020.WAV"}));
    EXPECT_EQ(names(std::string(60, 'b')).size(), 45u);

    f.s.SoundSetting = 1;
    for (const char* n : {"F330026", "F330015", "F330001"})
        f.content.writeRaw(std::string("LJUD/F330/") + n + ".WAV", silentWav(100));
    open("FRA33000.DAT", {"$Bokstavering", "Zoé"});
    EXPECT_EQ(text(*window, "Label5"), "Zoé");
    window->Timer2Timer();
    EXPECT_TRUE(f.sound.played.empty()) << "the letters begin on the second tick";
    window->Timer2Timer();
    EXPECT_EQ(playedNames(), (std::vector<std::string>{"F330026.WAV", "F330015.WAV"}));
    for (const FakeSound::Call& c : f.sound.played) EXPECT_TRUE(c.wait) << "one after the other";
    QTest::keyClick(edit(), Qt::Key_F2);
    window->Timer2Timer();
    window->Timer2Timer();
    EXPECT_EQ(f.sound.played.size(), 4u) << "F2 spells the word again";
    typeAndEnter(edit(), QStringLiteral("Zoé"));
    EXPECT_EQ(f.s.RightCount, 1);
}

TEST_F(DiktamTest, AMissingRecordingIsSpokenWithTheItemsFrenchText) {
    f.s.SoundSetting = 1;
    f.s.DictationMode = 0;
    f.sound.canSpeak = true;
    open("FRA36100.DAT", {"$Enkla ord", "fönster#la fenêtre"});
    present();
    EXPECT_EQ(f.sound.spoken, std::vector<std::string>{"la fenêtre"});
    EXPECT_TRUE(f.messages.shown.empty());

    // A recording that is there wins.
    f.content.writeRaw("LJUD/F361/F361001.WAV", silentWav(200));
    button("UpprepaButton")->click();
    EXPECT_EQ(playedNames(), std::vector<std::string>{"F361001.WAV"});

    // The reading says its French line.
    open("FRA32000.DAT", {"$Intonation", "Jag heter Léa.#Je m'appelle Léa."});
    present();
    EXPECT_EQ(f.sound.spoken.back(), "Je m'appelle Léa.");
    EXPECT_EQ(text(*window, "FrageLabel2"), "Je m'appelle Léa.");
    EXPECT_EQ(text(*window, "Svensklabel1"), "Jag heter Léa.");
    EXPECT_FALSE(edit()->isVisible());
}

TEST_F(DiktamTest, AnswersAreJudgedAndTheReadingCountsToTheEndOfItsRun) {
    f.s.SoundSetting = 0;
    open("FRA36200.DAT", words("Svåra ord", 12));
    for (int q = 1; q <= 10; ++q) {
        present();
        window->FlashEnded();
        if (q == 4) {
            typeAndEnter(edit(), QStringLiteral("fel"));
            EXPECT_TRUE(visible(*window, "Label5"));
            EXPECT_EQ(text(*window, "Label5"), f.s.ItemFields[2].toUtf8());
            endWait(*window);
            continue;
        }
        typeAndEnter(edit(), toQString(f.s.ItemFields[2]));
    }
    EXPECT_EQ(f.s.RightCount, 9);
    EXPECT_EQ(f.s.ErrorCount[f.s.CurrentFileIndex], 1);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    EXPECT_EQ(button("Button1")->text(), QStringLiteral("Corrigez les &fautes"));

    // A text longer than the field's 45 characters can still be written.
    const std::string longText = "Le petit chat de la voisine dort sur le canapé.";
    ASSERT_GT(longText.size(), 45u);
    open("FRA35000.DAT", {"$Stava", longText});
    present();
    window->FlashEnded();
    typeAndEnter(edit(), QString::fromStdString(longText));
    EXPECT_EQ(f.s.RightCount, 1);

    open("FRA32000.DAT", words("Intonation", 12));
    for (int q = 1; q <= 5; ++q) QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(f.s.QuestionNumber, 6) << "Enter goes on";
    for (int q = 6; q <= 10; ++q) window->NextButtonClick();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_TRUE(visible(*window, "Panel1"));
}

TEST_F(DiktamTest, OnAWorksheetTheTextIsTheAnswerAndTheHelpTheQuestion) {
    FakePrinting printing;
    context.printing = &printing;
    TUtskrift utskrift(context);
    context.worksheet = &utskrift;
    f.s.ExerciseMode = Mode::Worksheet;
    open("FRA36100.DAT", {"$Enkla ord", "hus#la maison"});
    EXPECT_EQ(text(*window, "BlinkLabel"), "la maison");
    EXPECT_FALSE(visible(*window, "Edit1"));
    EXPECT_FALSE(visible(*window, "BaraHoraButton"));
    EXPECT_TRUE(f.sound.played.empty() && f.sound.spoken.empty());
    child<QPushButton>(*window, "SkrivutKlartButton")->click();
    std::vector<std::string> q, a;
    for (const WorksheetLine& l : utskrift.worksheet().lines(Sheet::Questions)) q.push_back(l.text.toUtf8());
    for (const WorksheetLine& l : utskrift.worksheet().lines(Sheet::Answers)) a.push_back(l.text.toUtf8());
    ASSERT_GE(q.size(), 2u);
    EXPECT_EQ(q[1], "   1. hus");
    EXPECT_NE(a.back().find("la maison"), std::string::npos);
    window.reset();
}
