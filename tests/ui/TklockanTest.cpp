// The clock exercise: the clock shows the item's time, typed times are judged against the item's
// answers, a run ends with praise and no picture, and the correction run asks the same times.

#include "ClockFace.h"
#include "TKlockan.h"

#include "ExerciseFixture.h"

#include <fstream>
#include <iterator>

using namespace orvela;
using namespace orvela::testing;

namespace {

// The sample course's clock file, as UTF-8 lines.
std::vector<std::string> sampleClockFile() {
    std::ifstream in(std::string(ORVELA_SOURCE_DIR) + "/content/DATA/FRA54200.DAT",
                     std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(AnsiText(bytes.substr(start, end - start)).toUtf8());
    return lines;
}

struct TklockanTest : ExerciseFixture {
    std::unique_ptr<TKlockan> window;

    void open() {
        prepare("FRA54200.DAT", sampleClockFile());
        ASSERT_EQ(f.s.ItemCount[f.s.CurrentFileIndex], 144);
        window = std::make_unique<TKlockan>(context);
        window->show();
    }
    QLineEdit* edit() { return child<QLineEdit>(*window, "Edit1"); }
    std::string expected() { return f.s.ItemFields[1].toUtf8(); }
    void answer(const std::string& typed) {
        edit()->setText(QString::fromStdString(typed));
        QTest::keyClick(edit(), Qt::Key_Return);
    }
    void answerRight() { answer(expected()); }
    void answerWrong() {
        answer("vingt-quatre heures");
        endWait(*window);
    }
    void run(int n, int wrong) {
        for (int i = 0; i < n; ++i)
            i < wrong ? answerWrong() : answerRight();
    }
};

} // namespace

TEST_F(TklockanTest, TheClockAsksTheTimeOfTheItemDrawn) {
    open();
    EXPECT_EQ(text(*window, "Label1"), "Quelle heure");
    EXPECT_EQ(text(*window, "Label2"), "est-il?");
    EXPECT_EQ(text(*window, "Label3"), "Il est...");
    EXPECT_FALSE(visible(*window, "regelknapp")) << "no rules button";
    EXPECT_TRUE(visible(*window, "lampknapp"));
    EXPECT_TRUE(visible(*window, "Aster1"));
    EXPECT_FALSE(visible(*window, "DiagPanel1"));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window->clockItem(), f.s.CurrentItem);
        EXPECT_EQ(child<ClockFace>(*window, "PaintBox1")->item(), f.s.CurrentItem);
        EXPECT_EQ(f.s.ClockItem, f.s.CurrentItem);
        answerRight();
    }
    shot(*window, "tklockan-question");
}

TEST_F(TklockanTest, JudgesTheAnswerAndItsAlternatives) {
    open();
    struct Case {
        const char* name;
        std::function<std::string(SharedState&)> typed;
        bool right;
    } cases[] = {
        {"the answer", [](SharedState& s) { return s.ItemFields[1].toUtf8(); }, true},
        {"in capitals with a full stop",
         [](SharedState& s) {
             std::string t =
                 QString::fromStdString(s.ItemFields[1].toUtf8()).toUpper().toStdString();
             return t + ".";
         },
         true},
        {"the last alternative",
         [](SharedState& s) { return s.ItemFields[s.ItemFieldCount].toUtf8(); }, true},
        {"another time", [](SharedState&) { return std::string("vingt-quatre heures"); }, false},
        {"nothing", [](SharedState&) { return std::string(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int right = f.s.RightCount;
        const int wrong = f.s.WrongCount;
        const std::string answerText = expected();
        answer(c.typed(f.s));
        EXPECT_EQ(f.s.RightCount, right + (c.right ? 1 : 0));
        EXPECT_EQ(f.s.WrongCount, wrong + (c.right ? 0 : 1));
        if (c.right) {
            EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering) << "next at once";
            EXPECT_FALSE(visible(*window, "Label4"));
            continue;
        }
        EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingAnswer);
        EXPECT_TRUE(visible(*window, "Label4"));
        EXPECT_EQ(text(*window, "Label4"), answerText) << "the right answer is field 1";
        EXPECT_FALSE(edit()->isEnabled());
        shot(*window, "tklockan-wrong");
        // A blank ends the showing at the next tick.
        QTest::keyClick(window.get(), Qt::Key_Space);
        EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingAnswer);
        window->Timer1Timer();
        EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
        EXPECT_FALSE(visible(*window, "Label4"));
        EXPECT_TRUE(edit()->isEnabled());
    }
    EXPECT_EQ(f.s.ErrorCount[f.s.CurrentFileIndex], 2);
}

TEST_F(TklockanTest, EightRightEarnPraiseSevenDoNot) {
    open();
    const std::int32_t pictureCursor = f.s.PictureCursor;
    run(10, 2);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    EXPECT_FALSE(child<QLabel>(*window, "LovordLabel1")->text().isEmpty());
    EXPECT_TRUE(visible(*window, "BildPanelen")) << "the answer row is covered";
    EXPECT_FALSE(visible(*window, "Image1")) << "no reward picture";
    EXPECT_EQ(f.s.PictureCursor, pictureCursor) << "no picture is drawn from the pictures' order";
    EXPECT_FALSE(visible(*window, "LampShape"));
    EXPECT_FALSE(child(*window, "lampknapp")->isEnabled());
    EXPECT_FALSE(edit()->isEnabled());
    EXPECT_TRUE(child(*window, "Button1")->isEnabled()) << "two mistakes to correct";
    EXPECT_EQ(window->focusWidget(), child(*window, "Button2")) << "Enter continues";
    shot(*window, "tklockan-end-praise");

    window->Button2Click();
    EXPECT_EQ(f.s.QuestionNumber, 1);
    EXPECT_FALSE(visible(*window, "LovordPanel"));
    run(10, 3);
    EXPECT_EQ(f.s.RightCount, 7);
    EXPECT_FALSE(visible(*window, "LovordPanel"));
    EXPECT_TRUE(visible(*window, "Panel1"));
}

TEST_F(TklockanTest, AWrongLastAnswerStaysUntilTheWaitEnds) {
    open();
    run(9, 0);
    answer("vingt-quatre heures");
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingLastAnswer);
    EXPECT_TRUE(visible(*window, "Label4"));
    EXPECT_FALSE(visible(*window, "Panel1"));
    EXPECT_TRUE(child<QTimer>(*window, "Timer2")->isActive());
    for (int tick = 1; tick < 10 * f.s.ShowAnswerSeconds; ++tick)
        window->Timer3Timer();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingLastAnswer);
    window->Timer3Timer();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(visible(*window, "LovordPanel")) << "nine right";
    EXPECT_EQ(window->focusWidget(), child(*window, "Button2"));
}

TEST_F(TklockanTest, TheCorrectionRunAsksTheSameTimes) {
    open();
    std::vector<int> wrongTimes;
    for (int i = 0; i < 10; ++i) {
        if (i % 4 == 1) {
            wrongTimes.push_back(window->clockItem());
            answerWrong();
        } else {
            answerRight();
        }
    }
    ASSERT_EQ(wrongTimes.size(), 3u);
    const int lastRandom = window->clockItem();
    window->Button1Click();
    EXPECT_EQ(f.s.CorrectionRun, 1);
    EXPECT_EQ(f.s.RunLength, 3);
    EXPECT_EQ(window->clockItem(), wrongTimes[0]) << "the oldest mistake's time";
    EXPECT_NE(window->clockItem(), lastRandom);
    EXPECT_EQ(f.s.ClockItem, wrongTimes[0]);
    shot(*window, "tklockan-correction");

    answerWrong(); // wrong again: back to the end of the list
    EXPECT_EQ(window->clockItem(), wrongTimes[1]);
    answerRight();
    EXPECT_EQ(window->clockItem(), wrongTimes[2]);
    answerRight();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_EQ(f.s.ErrorCount[f.s.CurrentFileIndex], 1) << "the time missed again is left";
    EXPECT_FALSE(visible(*window, "LovordPanel")) << "no praise after a correction run";

    window->Button1Click();
    EXPECT_EQ(window->clockItem(), wrongTimes[0]);
    answerRight();
    EXPECT_EQ(f.s.ErrorCount[f.s.CurrentFileIndex], 0);
    EXPECT_FALSE(child(*window, "Button1")->isEnabled()) << "nothing left to correct";
}

TEST_F(TklockanTest, EscapeShowsTheEndPanelAndContinueKeepsTheLamp) {
    open();
    window->LampknappClick();
    EXPECT_TRUE(visible(*window, "LampShape"));
    answerRight();
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Paused);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_FALSE(child(*window, "Button1")->isEnabled()) << "no mistakes in the error list";
    EXPECT_FALSE(edit()->isEnabled());
    EXPECT_FALSE(visible(*window, "LampShape"));
    window->Button2Click();
    EXPECT_EQ(f.s.QuestionNumber, 2);
    EXPECT_TRUE(edit()->isEnabled());
    EXPECT_TRUE(visible(*window, "LampShape")) << "the lamp left on comes back";
    EXPECT_FALSE(visible(*window, "Panel1"));
}

TEST_F(TklockanTest, TheLampFollowsWhatIsTyped) {
    open();
    window->LampknappClick();
    auto lamp = [this] { return child<Shape>(*window, "LampShape")->brushColor(); };
    EXPECT_EQ(lamp(), colors::red) << "nothing typed yet";
    const QString answerText = QString::fromStdString(expected());
    QTest::keyClicks(edit(), answerText.left(3));
    EXPECT_EQ(lamp(), colors::lime);
    QTest::keyClicks(edit(), QStringLiteral("qq"));
    EXPECT_EQ(lamp(), colors::red);
    window->LampShapeMouseDown();
    EXPECT_FALSE(visible(*window, "LampShape"));
    EXPECT_TRUE(visible(*window, "lampknapp"));
}

TEST_F(TklockanTest, TheControlsStandApart) {
    open();
    auto box = [this](const char* name) { return child(*window, name)->geometry(); };
    const int u = f.s.LayoutUnit;
    EXPECT_EQ(box("PaintBox1").left(), box("Shape1").right() + 1 + 2 * u);
    EXPECT_EQ(box("PaintBox1").width(), box("PaintBox1").height() + 8);
    EXPECT_LT(box("PaintBox1").right(), box("Aster1").left());
    EXPECT_LT(box("lampknapp").right(), box("Aster1").left());
    EXPECT_LE(box("PaintBox1").bottom(), box("Edit1").top());
    EXPECT_EQ(box("Label3").top(), box("Edit1").top());
    EXPECT_LT(box("Label3").right(), box("Edit1").left());
    EXPECT_LT(box("Edit1").bottom(), box("Label4").top());
    EXPECT_LT(box("Label4").top() + box("Label4").height(), box("LovordPanel").top());
    EXPECT_LT(box("LovordPanel").bottom(), box("Panel1").top());
    EXPECT_FALSE(visible(*window, "TestLabel1"));
    EXPECT_FALSE(visible(*window, "Testlabel2"));
}
