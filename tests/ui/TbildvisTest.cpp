// The picture choice exercise: rows and their random order, judging by click and by key, the
// shrinking font, the bird songs, pause and continue, the settings window, and the course's files.

#include "TBildvis.h"

#include "ExerciseFixture.h"
#include "WavBytes.h"

#include <QMouseEvent>

#include <map>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct TbildvisTest : ExerciseFixture {
    std::unique_ptr<TBildvis> window;

    void open(const std::string& name, std::vector<std::string> lines = {}) {
        prepare(name, lines.empty() ? courseFile(name) : lines);
        window = std::make_unique<TBildvis>(context);
        window->show();
    }
    QWidget* row(const char* kind, int r) {
        return child(*window, (std::string(kind) + std::to_string(r)).c_str());
    }
    void click(int r, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(row("AltLabel", r), button);
    }
    void key(char c) { QTest::keyClick(window.get(), c); }
    int wrongRow() {
        for (int r = 1; r <= window->alternativeCount(); ++r)
            if (r != window->rightRow()) return r;
        return 0;
    }
    void endWait() { ExerciseFixture::endWait(*window); }
    bool birdButton() { return visible(*window, "HoraLjudetButton"); }
};

std::vector<std::string> threeAndTwo() {
    return {"$Djur", "$Prov", "$§Välj", "le chat#le chien#le lapin#katt", "la vache#le taureau##ko",
            "le coq#la poule#la dinde#tupp", "l'oie#le canard##gås", "le rat#la souris#le lièvre#råtta",
            "le porc#le sanglier##gris", "la chèvre#le mouton#l'âne#get"};
}

} // namespace

TEST_F(TbildvisTest, RowsShowTheFieldsAndTheRightRowIsEquallyLikelyInEachPlace) {
    open("FRA99410.DAT", threeAndTwo());
    EXPECT_EQ(f.s.RunLength, 7) << "a file of 7 items gives runs of 7";
    shot(*window, "tbildvis-item");
    std::map<int, int> threeRows, twoRows;
    for (int draw = 0; draw < 700; ++draw) {
        const int count = window->alternativeCount();
        EXPECT_EQ(count, f.s.ItemFields[3].empty() ? 2 : 3);
        EXPECT_EQ(text(*window, "SvensktOrd"), f.s.ItemFields[4].toUtf8());
        EXPECT_EQ(visible(*window, "NrPanel3"), count == 3);
        EXPECT_EQ(visible(*window, "AlternativPanel3"), count == 3);
        std::set<int> fields;
        for (int r = 1; r <= count; ++r) {
            fields.insert(window->fieldInRow(r));
            EXPECT_EQ(text(*window, ("AltLabel" + std::to_string(r)).c_str()),
                      f.s.ItemFields[static_cast<std::size_t>(window->fieldInRow(r))].toUtf8());
        }
        EXPECT_EQ(static_cast<int>(fields.size()), count) << "every field once";
        EXPECT_EQ(window->fieldInRow(window->rightRow()), 1);
        ++(count == 3 ? threeRows : twoRows)[window->rightRow()];
        f.clock.time.millisecond = (draw * 37) % 1000; // each item reseeds from the clock
        f.clock.time.second = draw % 60;
        click(window->rightRow());
        if (window->runState() == ExerciseWindow::RunState::Ended) window->Button2Click();
    }
    ASSERT_EQ(threeRows.size(), 3u);
    ASSERT_EQ(twoRows.size(), 2u);
    for (auto [r, n] : threeRows) EXPECT_NEAR(n, 400 / 3, 45) << "row " << r << " of 3";
    for (auto [r, n] : twoRows) EXPECT_NEAR(n, 150, 40) << "row " << r << " of 2";
}

TEST_F(TbildvisTest, ARunWithMouseAndKeysCountsAndLightsTheRightRow) {
    open("FRA21530.DAT");
    EXPECT_EQ(f.s.RunLength, 10);
    // Right by the key of the right row.
    key(static_cast<char>('0' + window->rightRow()));
    EXPECT_EQ(f.s.RightCount, 1);
    // Wrong by a click: the right row lights, the right name is shown, the rows are locked.
    const std::string right = f.s.ItemFields[1].toUtf8();
    const int rightRow = window->rightRow();
    click(wrongRow());
    EXPECT_EQ(f.s.WrongCount, 1);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingAnswer);
    EXPECT_TRUE(visible(*window, "RattSvarLabel"));
    EXPECT_EQ(text(*window, "RattSvarLabel"), right);
    EXPECT_EQ(child<Panel>(*window, ("AlternativPanel" + std::to_string(rightRow)).c_str())->color(),
              colors::aqua);
    EXPECT_FALSE(row("AlternativPanel", 1)->isEnabled());
    shot(*window, "tbildvis-wrong");
    key('1'); // no judging while the answer is shown
    EXPECT_EQ(f.s.RightCount + f.s.WrongCount, 2);
    endWait();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
    for (int i = 2; i < 10; ++i) click(window->rightRow());
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_EQ(f.s.RightCount, 9);
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    EXPECT_FALSE(visible(*window, "Image2"));
    EXPECT_TRUE(window->focusWidget() == child(*window, "Button1")) << "one error to correct";
    key('2'); // the rows are disabled at the end
    EXPECT_EQ(f.s.RightCount, 9);
    // The correction run asks the item answered wrongly.
    const int wrongItem = f.s.ErrorList[1].item;
    window->Button1Click();
    EXPECT_EQ(f.s.RunLength, 1);
    EXPECT_EQ(f.s.ErrorItem, wrongItem);
    key(static_cast<char>('0' + window->rightRow()));
    EXPECT_EQ(f.s.ErrorCount[static_cast<std::size_t>(f.s.CurrentFileIndex)], 0);
}

TEST_F(TbildvisTest, KeysOnATwoRowItem) {
    open("FRA99420.DAT", {"$Djur", "$Två", "$§Välj", "la vache#le taureau##ko"});
    EXPECT_EQ(window->alternativeCount(), 2);
    EXPECT_EQ(f.s.RunLength, 1);
    key('3'); // no third row: nothing happens
    EXPECT_EQ(f.s.RightCount + f.s.WrongCount, 0);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
    key('9');
    EXPECT_EQ(f.s.RightCount + f.s.WrongCount, 0);
    key(static_cast<char>('0' + (3 - window->rightRow())));
    EXPECT_EQ(f.s.WrongCount, 1);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingLastAnswer);
    endWait();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
}

TEST_F(TbildvisTest, AVeryLongNameShrinksAllRowsAlikeButNotBelowEightPoints) {
    const std::string longName(200, 'm');
    open("FRA99430.DAT", {"$Djur", "$Lång", "$§Välj", "le " + longName + "#le chat#le chien#katt",
                          "le chat#le chien#le lapin#katt"});
    for (int i = 0; i < 2; ++i) {
        const int size = child<QLabel>(*window, "AltLabel1")->font().pointSize();
        for (int r = 2; r <= 3; ++r)
            EXPECT_EQ(child<QLabel>(*window, ("AltLabel" + std::to_string(r)).c_str())->font().pointSize(), size);
        if (f.s.ItemFields[1].size() > 100)
            EXPECT_EQ(size, TBildvis::kSmallestFont);
        else
            EXPECT_EQ(size, TBildvis::kLargestFont);
        click(window->rightRow());
    }
}

TEST_F(TbildvisTest, TheBirdSongButtonOnlyForTheListedBirdsAndOnlyWithSoundsOn) {
    f.content.writeRaw("LJUD/BIRDS/GOK.WAV", silentWav(200));
    f.s.SoundDir = A("F311");
    open("FRA21510.DAT");
    for (std::uint8_t sound : {1, 0, 3, 2}) {
        f.s.SoundSetting = sound;
        const bool on = sound == 1 || sound == 3;
        click(window->rightRow()); // the next item is shown with the new setting
        if (window->runState() == ExerciseWindow::RunState::Ended) window->Button2Click();
        for (int i = 0; i < 34; ++i) {
            SCOPED_TRACE(f.s.CurrentItem);
            EXPECT_EQ(birdButton(), on && TBildvis::birdSong(f.s.CurrentItem) != nullptr);
            if (f.s.CurrentItem == 2) {
                EXPECT_FALSE(birdButton());
            }
            if (birdButton() && f.s.CurrentItem == 10) {
                QTest::mouseClick(child(*window, "HoraLjudetButton"), Qt::LeftButton);
                ASSERT_FALSE(f.sound.played.empty());
                EXPECT_EQ(f.sound.played.back().file.filename(), "GOK.WAV");
                EXPECT_FALSE(f.sound.played.back().wait);
            } else if (birdButton() && f.s.CurrentItem == 1) {
                f.messages.shown.clear();
                QTest::mouseClick(child(*window, "HoraLjudetButton"), Qt::LeftButton);
                ASSERT_EQ(f.messages.shown.size(), 1u) << "no recording: a message";
                EXPECT_NE(f.messages.shown[0].find("BERGUV.WAV finns inte eller är felaktig"),
                          std::string::npos);
            }
            click(window->rightRow());
            if (window->runState() == ExerciseWindow::RunState::Ended) window->Button2Click();
        }
    }
    window.reset();
    EXPECT_EQ(f.s.SoundDir.toUtf8(), "F311") << "the sound directory is restored";

    // Never for the other animal files.
    open("FRA21520.DAT");
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(birdButton());
        click(window->rightRow());
    }
}

TEST_F(TbildvisTest, ARightClickPausesAndContinueResumesTheSameRun) {
    open("FRA21520.DAT");
    click(window->rightRow());
    click(wrongRow());
    endWait();
    const int question = f.s.QuestionNumber;
    click(1, Qt::RightButton);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Paused);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(window->focusWidget() == child(*window, "Button1"));
    EXPECT_EQ(f.s.RightCount + f.s.WrongCount, 2) << "a right-click judges nothing";
    key('1');
    EXPECT_EQ(f.s.RightCount + f.s.WrongCount, 2) << "no digit keys during the pause";
    window->Button2Click();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
    EXPECT_EQ(f.s.QuestionNumber, question);
    EXPECT_FALSE(visible(*window, "Panel1"));
    EXPECT_TRUE(row("AlternativPanel", 1)->isEnabled());
    // Escape pauses too; without errors "Continuer" takes the focus, never a disabled button.
    f.s.ErrorCount[static_cast<std::size_t>(f.s.CurrentFileIndex)] = 0;
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Paused);
    EXPECT_FALSE(child<QPushButton>(*window, "Button1")->isEnabled());
    EXPECT_TRUE(window->focusWidget() == child(*window, "Button2"));
}

TEST_F(TbildvisTest, BackFromTheSettingsTheRowsWaitOnlyForAnAnswer) {
    f.s.SoundSetting = 0;
    open("FRA21510.DAT");
    // During a pause: the run goes on, the bird button only with sounds on.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    child<QPushButton>(*window, "Button4")->click();
    ASSERT_EQ(opener.opened.back().kind, WindowKind::TStallin);
    EXPECT_TRUE(row("AlternativPanel", 1)->isEnabled());
    EXPECT_FALSE(visible(*window, "Panel1"));
    EXPECT_FALSE(birdButton());
    // After the run: the rows stay disabled and the end panel stays.
    while (window->runState() != ExerciseWindow::RunState::Ended) click(window->rightRow());
    child<QPushButton>(*window, "Button4")->click();
    EXPECT_FALSE(row("AlternativPanel", 1)->isEnabled());
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_FALSE(birdButton());
}

TEST_F(TbildvisTest, TheCoursePicturesAreShownAndAMissingOneIsHidden) {
    f.content.writeRaw("BILD/DJUR/F215201.BMP", "not a picture");
    open("FRA21520.DAT");
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(visible(*window, "Image2")) << "missing or broken: hidden";
        click(window->rightRow());
    }
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(TbildvisTest, TheMouseLightsTheRowItIsOverButNotWhileTheAnswerIsShown) {
    open("FRA21530.DAT");
    auto colour = [this](int r) {
        return child<Panel>(*window, ("AlternativPanel" + std::to_string(r)).c_str())->color();
    };
    auto enter = [this](const char* kind, int r) {
        QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(row(kind, r), &e);
    };
    enter("NrPanel", 2);
    EXPECT_EQ(colour(2), colors::aqua);
    EXPECT_EQ(child<Panel>(*window, "NrPanel2")->color(), colors::aqua);
    enter("AltLabel", 3);
    EXPECT_EQ(colour(3), colors::aqua);
    EXPECT_NE(colour(2), colors::aqua) << "one row at a time";
    const int right = window->rightRow();
    click(wrongRow());
    for (int r = 1; r <= 3; ++r) enter("AlternativPanel", r);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(colour(r) == colors::aqua, r == right) << "only the right row stays lit";
}
