// The second translation exercise: an item right only when both its answers are, the display of
// the correct answers, pause inside an item, the rules of program 52110, worksheet lines, and the
// course's comparison files in practice, follow-up and a diagnosis test that reports its result.

#include "Tskriv2.h"

#include "ExerciseFixture.h"
#include "FakePrinting.h"
#include "TUtskrift.h"

#include <fstream>
#include <sstream>

using namespace orvela;
using namespace orvela::testing;

namespace {

using RunState = ExerciseWindow::RunState;

std::vector<std::string> items(int n) {
    std::vector<std::string> lines = {"$Komparation", "$§Skriv två former."};
    for (int i = 1; i <= n; ++i) {
        const std::string k = std::to_string(i);
        lines.push_back("fråga" + k + "#svar" + k + "#andra" + k + "#svenska" + k);
    }
    return lines;
}

struct RecordingProtocol : ProtocolLink {
    int enabled = 0;
    void setProtocolEnabled(bool on) override { enabled += on ? 1 : 0; }
    void setStatusCell(int, const QString&) override {}
    void hideInfoPanel() override {}
};

struct Tskriv2Test : ExerciseFixture {
    RecordingProtocol recording;
    std::unique_ptr<Tskriv2> window;

    Tskriv2Test() { context.protocol = &recording; }
    // Opens the window on a file of these lines, or on the sample course's file of that name.
    void open(const std::string& name, const std::vector<std::string>& lines = items(12)) {
        prepare(name, lines.empty() ? std::vector<std::string>{"-#-#-#-"} : lines);
        if (lines.empty()) {
            std::ifstream in(std::string(ORVELA_SOURCE_DIR) + "/content/DATA/" + name);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            f.content.writeRaw("DATA/" + name, bytes.str());
            f.s.ItemCount[static_cast<std::size_t>(f.s.CurrentFileIndex)] = 0;
            ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile)) << name;
        }
        window = std::make_unique<Tskriv2>(context);
        window->show();
    }
    QLineEdit* edit(int n) { return child<QLineEdit>(*window, n == 1 ? "Edit1" : "Edit2"); }
    std::string field(int k) { return f.s.ItemFields[static_cast<std::size_t>(k)].toUtf8(); }
    bool shown(const char* name) { return visible(*window, name); }
    int errorCount() { return f.s.ErrorCount[static_cast<std::size_t>(f.s.CurrentFileIndex)]; }
    void type(int n, const std::string& text) {
        edit(n)->setText(QString::fromStdString(text));
        QTest::keyClick(edit(n), Qt::Key_Return);
    }
    void answerItem(bool firstRight, bool secondRight) {
        type(1, firstRight ? field(2) : "fel");
        type(2, secondRight ? field(3) : "fel");
    }
    // Ticks of the answer display until the next item or the end.
    int ticksToEnd() {
        int ticks = 0;
        for (; window->runState() == RunState::ShowingAnswer && ticks < 999; ++ticks)
            window->Timer1Timer();
        for (; window->runState() == RunState::ShowingLastAnswer && ticks < 999; ++ticks)
            window->Timer3Timer();
        return ticks;
    }
};

} // namespace

TEST_F(Tskriv2Test, AnItemCountsRightOnlyWhenBothAnswersAreRight) {
    open("FRA99001.DAT");
    const struct {
        bool first, second, label1, label2;
    } cases[] = {{true, true, false, false},
                 {false, true, true, false},
                 {true, false, false, true},
                 {false, false, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.first << c.second);
        const int right = f.s.RightCount, wrong = f.s.WrongCount, errors = errorCount();
        answerItem(c.first, c.second);
        const int itemWrong = c.first && c.second ? 0 : 1;
        EXPECT_EQ(f.s.RightCount - right, 1 - itemWrong);
        EXPECT_EQ(f.s.WrongCount - wrong, itemWrong);
        EXPECT_EQ(errorCount() - errors, itemWrong) << "a wrong item is kept for correction once";
        EXPECT_EQ(shown("SvarsLabel1"), c.label1);
        EXPECT_EQ(shown("SvarsLabel2"), c.label2);
        ticksToEnd();
        EXPECT_TRUE(window->answerIndex() == 1 && edit(1)->isEnabled() && !shown("Edit2"));
    }
    EXPECT_EQ(f.s.QuestionNumber, 5);
}

TEST_F(Tskriv2Test, TheCorrectAnswersAreShownOnceForTheDisplayTime) {
    f.s.ShowAnswerSeconds = 8;
    open("FRA99001.DAT");
    EXPECT_EQ(f.s.ShowAnswerSeconds, 8) << "three seconds here, but the setting is left alone";
    const std::string question = field(1);
    type(1, "fel");
    EXPECT_EQ(window->runState(), RunState::Answering) << "the second answer can be typed at once";
    for (int tick = 0; tick < 30; ++tick)
        window->Timer1Timer();
    EXPECT_EQ(field(1), question) << "the first answer's display ends inside the item";
    EXPECT_TRUE(shown("SvarsLabel1") && window->focusWidget() == edit(2));
    type(2, "fel");
    EXPECT_EQ(ticksToEnd(), 30);

    type(1, "fel");
    for (int tick = 0; tick < 25; ++tick)
        window->Timer1Timer();
    type(2, "fel");
    shot(*window, "tskriv2-both-wrong");
    EXPECT_EQ(ticksToEnd(), 30) << "the wait is counted from the end of the item";
}

TEST_F(Tskriv2Test, AWholeRunWithPauseInsideAnItemAndACorrectionRun) {
    open("FRA99001.DAT");
    type(1, field(2));
    const std::string question = field(1);
    QTest::keyClick(edit(2), Qt::Key_Escape);
    EXPECT_TRUE(window->runState() == RunState::Paused && shown("Panel1"));
    window->Button2Click();
    EXPECT_EQ(field(1), question) << "the item goes on in the second field";
    EXPECT_EQ(window->focusWidget(), edit(2));
    type(2, field(3));
    while (f.s.QuestionNumber < 10) {
        answerItem(true, f.s.QuestionNumber != 5);
        ticksToEnd();
    }
    answerItem(false, true);
    EXPECT_EQ(window->runState(), RunState::ShowingLastAnswer);
    EXPECT_EQ(ticksToEnd(), 30);
    EXPECT_EQ(window->runState(), RunState::Ended);
    EXPECT_EQ(f.s.RightCount, 8);
    EXPECT_TRUE(shown("Panel1") && shown("LovordPanel") && !shown("lampknapp"));
    EXPECT_FALSE(edit(1)->isEnabled() || edit(2)->isEnabled());
    window->Button1Click();
    EXPECT_EQ(f.s.RunLength, 2);
    answerItem(true, true);
    answerItem(true, true);
    EXPECT_EQ(errorCount(), 0);
}

TEST_F(Tskriv2Test, Program52110OpensItsRules) {
    open("FRA52110.DAT");
    type(1, field(2));
    child<QPushButton>(*window, "Regelknapp")->click();
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].kind, WindowKind::TRegelform);
    EXPECT_EQ(opener.opened[0].ruleNumber, 52110);
    EXPECT_TRUE(shown("Regelknapp") && window->focusWidget() == edit(2));
    open("FRA52111.DAT");
    EXPECT_FALSE(shown("Regelknapp"));
}

TEST_F(Tskriv2Test, WorksheetLines) {
    FakePrinting printing;
    context.printing = &printing;
    TUtskrift utskrift(context);
    context.worksheet = &utskrift;
    f.s.ExerciseMode = Mode::Worksheet;
    const std::string x60(60, 'x');
    open("FRA52110.DAT", {"$Komparation", x60 + " yyyy zzzz#plus grand#le plus grand#större"});
    shot(*window, "tskriv2-worksheet");
    EXPECT_TRUE(shown("SvarsLabel1") && shown("SvarsLabel2"));
    EXPECT_FALSE(shown("SvenskaLabel") || shown("Edit1") || shown("Regelknapp"));
    child<QPushButton>(*window, "ValjaUtButton")->click();
    child<QPushButton>(*window, "SkrivutSkickaButton")->click();
    for (Sheet sheet : {Sheet::Questions, Sheet::Answers}) {
        std::vector<std::string> lines;
        for (const WorksheetLine& l : utskrift.worksheet().lines(sheet))
            lines.push_back(l.text.toUtf8());
        const std::string last =
            sheet == Sheet::Questions ? std::string(57, '_') : "plus grand, le plus grand (större)";
        EXPECT_EQ(lines, (std::vector<std::string>{"1.  Komparation", "   1. " + x60 + " yyyy ",
                                                   "      zzzz", "       " + last}));
    }
}

TEST_F(Tskriv2Test, TheCourseFilesInTheirModes) {
    const struct {
        const char* file;
        Mode mode, modeAfter;
    } cases[] = {{"FRA52110.DAT", Mode::Practice, Mode::Practice},
                 {"FROVN108.DAT", Mode::FollowUp1, Mode::FollowUp2},
                 {"FRDI08.DAT", Mode::DiagnosisTest, Mode::DiagnosisTest}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        f.s.ExerciseMode = c.mode;
        f.s.CurrentProgramme = 8;
        open(c.file, {});
        const int count = f.s.ItemCount[static_cast<std::size_t>(f.s.CurrentFileIndex)];
        EXPECT_GE(count, 25);
        for (int n = 1; n <= count; ++n) {
            f.shell.haemtaord(f.s.CurrentDataFile, static_cast<std::uint16_t>(n));
            f.shell.str_postarray(f.s.CurrentLine);
            for (std::size_t k = 1; k <= 4; ++k)
                EXPECT_FALSE(f.s.ItemFields[k].empty()) << n;
        }
        EXPECT_EQ(shown("Regelknapp"), c.mode == Mode::Practice);
        // The diagnosis test gets 8 of its 20 items wrong, the others are answered right.
        const bool mixed = c.mode == Mode::DiagnosisTest;
        for (int i = 1; window->runState() == RunState::Answering; ++i) {
            EXPECT_TRUE(shown("SvenskaLabel"));
            answerItem(!mixed || i % 4 != 0, !mixed || i % 5 != 0);
            ticksToEnd();
        }
        EXPECT_EQ(window->runState(), mixed ? RunState::Closed : RunState::Ended);
        EXPECT_EQ(f.s.ExerciseMode, c.modeAfter);
    }
    EXPECT_EQ(f.s.CurrentPupil.result[8], 12) << "the diagnosis test reported its right answers";

    open("FRDI08.DAT", {});
    answerItem(true, true);
    type(1, field(2));
    QTest::keyClick(edit(2), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), RunState::Closed) << "Esc ends the test";
    EXPECT_EQ(f.s.CurrentPupil.result[8], 1);
    EXPECT_GE(recording.enabled, 1) << "the protocol is enabled again";
}
