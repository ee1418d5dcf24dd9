// The translation exercise and the life every exercise shares: runs, judging, the answer display,
// the end with praise and picture, correction runs, pause and continue, the diagnosis modes.

#include "TSKRIV.h"

#include "ExerciseFixture.h"

using namespace orvela;
using namespace orvela::testing;

namespace {

std::vector<std::string> items(int n) {
    std::vector<std::string> lines = {"$Glosor", "$§Översätt till franska."};
    for (int i = 1; i <= n; ++i)
        lines.push_back("ord" + std::to_string(i) + "#mot" + std::to_string(i));
    return lines;
}

struct TskrivTest : ExerciseFixture {
    std::unique_ptr<TSKRIV> window;

    void open(const std::vector<std::string>& lines = items(12)) {
        prepare("FRA99001.DAT", lines);
        window = std::make_unique<TSKRIV>(context);
        window->show();
    }
    QLineEdit* edit() { return child<QLineEdit>(*window, "Edit1"); }
    std::string expected() { return f.s.ItemFields[2].toUtf8(); }
    void answer(const std::string& typed) {
        edit()->setText(QString::fromStdString(typed));
        QTest::keyClick(edit(), Qt::Key_Return);
    }
    void answerRight() { answer(expected()); }
    void answerWrong(bool endTheWait = true) {
        answer("fel");
        if (endTheWait) endWait(*window);
    }
    // Answers n questions, the first `wrong` of them wrongly.
    void run(int n, int wrong) {
        for (int i = 0; i < n; ++i)
            i < wrong ? answerWrong() : answerRight();
    }
};

} // namespace

TEST_F(TskrivTest, AllRightNeverShowsTheAnswerAndEndsWithPraise) {
    open();
    std::set<std::string> asked;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
        asked.insert(expected());
        answerRight();
        EXPECT_FALSE(visible(*window, "Label5"));
        EXPECT_FALSE(child<QTimer>(*window, "Timer1")->isActive()) << "no wait for an answer";
    }
    EXPECT_EQ(asked.size(), 10u) << "no item repeats within a run";
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_EQ(f.s.RightCount, 10);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    EXPECT_EQ(child<QLabel>(*window, "LovordLabel1")->text(), QStringLiteral("Beröm 9001 !"))
        << "the praise for all right";
    EXPECT_FALSE(child(*window, "Button1")->isEnabled()) << "nothing to correct";
}

TEST_F(TskrivTest, PraiseWithEightRightButNotWithSeven) {
    open();
    run(10, 2);
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    shot(*window, "tskriv-end-praise");
    window->Button2Click();
    run(10, 3);
    EXPECT_EQ(f.s.RightCount, 7);
    shot(*window, "tskriv-end-seven-right");
    EXPECT_FALSE(visible(*window, "LovordPanel"));
    EXPECT_TRUE(child(*window, "Button1")->isEnabled()) << "mistakes can be corrected";
}

TEST_F(TskrivTest, AWrongAnswerShowsTheAnswerUntilTheWaitEnds) {
    open();
    f.s.ShowAnswerSeconds = 3;
    std::string first = expected();
    answerWrong(false);
    EXPECT_TRUE(visible(*window, "Label5"));
    EXPECT_EQ(child<QLabel>(*window, "Label5")->text().toStdString(), first);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingAnswer);
    EXPECT_FALSE(edit()->isEnabled());
    for (int tick = 1; tick < 30; ++tick)
        window->Timer1Timer();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingAnswer)
        << "29 ticks are not 3 s";
    window->Timer1Timer();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
    EXPECT_FALSE(visible(*window, "Label5"));
    EXPECT_EQ(f.s.WrongCount, 1);
    EXPECT_EQ(f.s.ErrorCount[1], 1);
}

TEST_F(TskrivTest, AWrongLastAnswerWaitsBeforeTheEndAndSpaceCutsIt) {
    open();
    run(9, 0);
    answerWrong(false);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingLastAnswer);
    EXPECT_FALSE(visible(*window, "Panel1"));
    QTest::keyClick(window.get(), Qt::Key_Space);
    window->Timer3Timer();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(visible(*window, "LovordPanel")) << "nine right earns praise";
}

TEST_F(TskrivTest, CorrectionRunTakesTheMistakes) {
    open();
    std::vector<std::string> wrongOnes;
    for (int i = 0; i < 10; ++i) {
        if (i % 3 == 0) {
            wrongOnes.push_back(expected());
            answerWrong();
        } else {
            answerRight();
        }
    }
    ASSERT_EQ(f.s.ErrorCount[1], 4);
    window->Button1Click();
    EXPECT_EQ(f.s.CorrectionRun, 1);
    EXPECT_EQ(f.s.RunLength, 4);
    EXPECT_EQ(expected(), wrongOnes[0]) << "the oldest mistake comes first";
    answerWrong(); // wrong again: back to the end of the list
    EXPECT_EQ(f.s.ErrorCount[1], 4);
    EXPECT_EQ(expected(), wrongOnes[1]);
    answerRight();
    answerRight();
    EXPECT_EQ(expected(), wrongOnes[3]);
    answerRight();
    EXPECT_EQ(f.s.ErrorCount[1], 1) << "only the mistake made again is left";
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_FALSE(visible(*window, "LovordPanel")) << "no praise after a correction run";
}

TEST_F(TskrivTest, PauseAndContinue) {
    open();
    answerRight();
    answerWrong();
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Paused);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(child(*window, "Button1")->isEnabled());
    window->Button2Click();
    EXPECT_EQ(f.s.QuestionNumber, 3) << "an early pause keeps the question number";
    EXPECT_EQ(f.s.RightCount, 0);
    EXPECT_EQ(f.s.WrongCount, 0);
    while (f.s.QuestionNumber < 10)
        answerRight();
    QTest::keyClick(edit(), Qt::Key_Escape);
    window->Button2Click();
    EXPECT_EQ(f.s.QuestionNumber, 1) << "a pause on the last question starts a new run";
}

TEST_F(TskrivTest, HelpTextsAndHelpButton) {
    open({"$H", "a#b#hjälp ett", "c#d#h1#h2", "e#f#h1#h2#h3", "g#h#&hh#hjälp"});
    std::map<std::string, int> helpByAnswer;
    for (int i = 0; i < 4; ++i) {
        bool helpButton = visible(*window, "regelknapp");
        helpByAnswer[expected()] = helpButton ? (visible(*window, "Label7") ? 2 : 1) : 0;
        answerRight();
    }
    EXPECT_EQ(helpByAnswer["b"], 1);
    EXPECT_EQ(helpByAnswer["d"], 2);
    EXPECT_EQ(helpByAnswer["f"], 0) << "three help texts: no help button";
    EXPECT_EQ(helpByAnswer["h"], 0) << "the alternative is no help";
}

TEST_F(TskrivTest, FollowUpCountsNothingAfterHelpOrLamp) {
    f.s.ExerciseMode = Mode::FollowUp1;
    open(items(30));
    EXPECT_TRUE(visible(*window, "DiagPanel1"));
    EXPECT_EQ(f.s.RunLength, 20);
    answerRight();
    EXPECT_EQ(f.s.RightCount, 1);
    window->LampknappClick();
    answerRight();
    answerRight();
    EXPECT_EQ(f.s.RightCount, 1) << "a lamp left on counts for every item";
    window->LampShapeMouseDown();
    answerRight();
    EXPECT_EQ(f.s.RightCount, 1) << "the item shown with the lamp on still had help";
    answerRight();
    EXPECT_EQ(f.s.RightCount, 2);
}

TEST_F(TskrivTest, FollowUpsPassedChangeTheMode) {
    f.s.ExerciseMode = Mode::FollowUp1;
    f.s.CurrentProgramme = 3;
    f.s.CurrentPupil.name = AnsiText::ascii("Anna");
    open(items(30));
    run(20, 0);
    EXPECT_EQ(f.s.ExerciseMode, Mode::FollowUp2) << "the first follow-up passed";
    window->Button2Click();
    EXPECT_EQ(child<QLabel>(*window, "DiagLabel1")->text(), QStringLiteral("Exercice 2"));
    run(20, 0);
    EXPECT_EQ(f.s.ExerciseMode, Mode::DiagnosisTest) << "the second follow-up passed";
    EXPECT_EQ(f.s.DiagnosisReturnMarker, 5);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Closed);
    ASSERT_EQ(protocol.cells.size(), 1u);
    EXPECT_EQ(protocol.cells[0].first, 3);
    EXPECT_TRUE(protocol.cells[0].second.startsWith(QStringLiteral("    ")));
}

TEST_F(TskrivTest, ADiagnosisTestReportsItsRightCountWhenItEndsOrIsBrokenOff) {
    f.s.ExerciseMode = Mode::DiagnosisTest;
    f.s.CurrentProgramme = 2;
    open(items(25));
    EXPECT_FALSE(visible(*window, "lampknapp"));
    run(20, 4);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Closed);
    EXPECT_EQ(f.s.CurrentPupil.result[2], 16) << "RightCount reaches diagnosback";

    f.s.ExerciseMode = Mode::DiagnosisTest;
    f.s.CurrentProgramme = 4;
    open(items(25));
    run(2, 0);
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Closed);
    EXPECT_EQ(f.s.CurrentPupil.result[4], 2) << "Escape stores what was done";
}

TEST_F(TskrivTest, SpecialCharactersAndTheLamp) {
    open();
    QTest::keyClick(edit(), Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(edit(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(edit()->text(), QStringLiteral("ßß"));
    edit()->clear();
    window->LampknappClick();
    EXPECT_TRUE(visible(*window, "LampShape"));
    QString answer = QString::fromStdString(expected());
    QTest::keyClicks(edit(), answer.left(2));
    EXPECT_EQ(child<Shape>(*window, "LampShape")->brushColor(), colors::lime);
    QTest::keyClicks(edit(), QStringLiteral("zz"));
    EXPECT_EQ(child<Shape>(*window, "LampShape")->brushColor(), colors::red);
}

TEST_F(TskrivTest, WithPicturesOffTheEndShowsNothingWhereThePictureWouldBe) {
    for (int setting : {0, 1}) {
        SCOPED_TRACE(setting);
        f.s.PictureSetting = setting;
        open();
        run(10, 0);
        ASSERT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
        EXPECT_FALSE(visible(*window, "InstruktionsLabel"))
            << "no half-covered instruction above the picture panel";
        EXPECT_EQ(visible(*window, "Image1"), false) << "the course in this test has no pictures";
        child<QPushButton>(*window, "Button2")->click();
        EXPECT_TRUE(visible(*window, "InstruktionsLabel")) << "back with the next run";
        EXPECT_FALSE(visible(*window, "BildPanelen"));
    }
}
