// The vocabulary exercise: choosing a list and a name, a run with right and wrong answers and its
// score from the clock, the answer display, the correction run, pause and continue, the scores
// button, lists that cannot be used, the keys, and worksheet mode.

#include "ExerciseFixture.h"
#include "FakePrinting.h"
#include "TDinaOrd.h"
#include "TUtskrift.h"

#include <QListWidget>
#include <set>

using namespace orvela;
using namespace orvela::testing;

namespace {

std::vector<std::string> wordList(int n, const std::string& heading) {
    std::vector<std::string> lines = {"$Ordförråd", "$" + heading, "$§Översätt orden."};
    for (int i = 1; i <= n; ++i)
        lines.push_back("ord" + std::to_string(i) + "#mot" + std::to_string(i) +
                        std::string(static_cast<std::size_t>(i % 5), 'x'));
    return lines;
}

struct DinaOrdTest : ExerciseFixture {
    std::unique_ptr<TDinaOrd> window;

    DinaOrdTest() {
        f.s.ScoreDir = (f.content.root() / "RESULTAT").string() + "/";
        f.s.ShowAnswerSeconds = 3;
        f.s.PictureSetting = 0;
        f.content.write("DATA/GLOSOR1.fr1", wordList(14, "Mycket lätta"));
        f.content.write("DATA/FRASER.fr1", wordList(30, "Fraser"));
        f.content.write("DATA/KLAEDER.fr2", wordList(12, "Kläder"));
        f.shell.SkapaSlumptal(1, 1000);
    }
    void open(int program = 1001) {
        f.s.ProgramNumber = static_cast<std::uint16_t>(program);
        window = std::make_unique<TDinaOrd>(context);
        window->show();
    }
    QListWidget* list() { return child<QListWidget>(*window, "ListBox1"); }
    QLineEdit* edit() { return child<QLineEdit>(*window, "Edit1"); }
    QLineEdit* nameBox() { return child<QLineEdit>(*window, "Edit2"); }
    std::vector<std::string> entries() {
        std::vector<std::string> out;
        for (int i = 0; i < list()->count(); ++i)
            out.push_back(list()->item(i)->text().toStdString());
        return out;
    }
    void choose(int row) {
        list()->setCurrentRow(row);
        QTest::keyClick(list(), Qt::Key_Return);
    }
    void enterName(const std::string& name) {
        nameBox()->setText(QString::fromStdString(name));
        QTest::keyClick(nameBox(), Qt::Key_Return);
    }
    // Opens the window, chooses a list and starts the exercise.
    void start(int row = 1, const std::string& name = "Eva") {
        open();
        choose(row);
        enterName(name);
    }
    std::string expected() { return f.s.ItemFields[2].toUtf8(); }
    void later(int ms) {
        DateTime& t = f.clock.time;
        int total = ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond + ms;
        t.millisecond = total % 1000;
        t.second = total / 1000 % 60;
        t.minute = total / 60000 % 60;
        t.hour = total / 3600000 % 24;
    }
    void answer(const std::string& typed) {
        edit()->setText(QString::fromStdString(typed));
        QTest::keyClick(edit(), Qt::Key_Return);
    }
    void answerWrong() {
        answer("fel");
        endWait();
    }
    void endWait() {
        QTest::keyClick(window.get(), Qt::Key_Space);
        if (window->runState() == TDinaOrd::RunState::ShowingAnswer)
            window->Timer1Timer();
        else if (window->runState() == TDinaOrd::RunState::ShowingLastAnswer)
            window->Timer2Timer();
    }
    int listErrors() {
        return f.s.WordListErrorCount[static_cast<std::size_t>(f.s.WordListNumber)];
    }
};

} // namespace

TEST_F(DinaOrdTest, TheListShowsTheDisplayNamesOfTheKindAndTheFirstIsSelected) {
    f.content.write("DATA/eget.fr1", wordList(3, "Eget"));
    open(1001);
    EXPECT_EQ(entries(),
              (std::vector<std::string>{"eget", "Nyttiga fraser", "Mycket lätta glosor"}));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::ChoosingList);
    EXPECT_EQ(child<QLabel>(*window, "Overs1Label")->text(), QStringLiteral("Vocabulaire"));
    EXPECT_EQ(child<QLabel>(*window, "Overs2Label")->text(), QStringLiteral("Mots ordinaires"));
    shot(*window, "dinaord-list");

    open(1002);
    EXPECT_EQ(entries(), (std::vector<std::string>{"Kläder"}));
    EXPECT_EQ(child<QLabel>(*window, "Overs2Label")->text(), QString::fromUtf8("Mots spéciaux"));
}

TEST_F(DinaOrdTest, OnlyTheGlosorFileSpelledSoSetsItsOwnProgramNumber) {
    f.content.write("DATA/glosor_1.fr1", wordList(3, "Egna"));
    open(1001);
    EXPECT_EQ(entries(),
              (std::vector<std::string>{"Nyttiga fraser", "Mycket lätta glosor", "glosor_1"}));
    choose(2);
    EXPECT_EQ(f.s.ProgramNumber, 1001);
    EXPECT_EQ(f.s.WordListTitle, A("glosor_1"));
    EXPECT_EQ(f.s.RecordFile, f.s.ScoreDir + "glosor_1.FNR");
    QTest::keyClick(nameBox(), Qt::Key_Escape);
    choose(1);
    EXPECT_EQ(f.s.ProgramNumber, 1000);
}

TEST_F(DinaOrdTest, ARunWithRightAndWrongAnswersScoresByLengthAndSpeed) {
    f.s.PupilName = A("Kalle");
    open();
    choose(1);
    EXPECT_EQ(f.s.WordListTitle, A("Mycket lätta glosor"));
    EXPECT_EQ(f.s.ProgramNumber, 1000);
    EXPECT_EQ(f.s.RecordFile, f.s.ScoreDir + "GLOSOR1.FNR");
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Naming);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("Kalle")) << "the name of last time is offered";
    shot(*window, "dinaord-name");
    enterName("Eva");
    EXPECT_EQ(f.s.PupilName, A("Eva"));
    EXPECT_TRUE(visible(*window, "DiagPanel1"));
    EXPECT_EQ(child<QLabel>(*window, "InstruktionsLabel")->text(),
              QString::fromUtf8("Översätt orden."));

    double points = 0;
    std::set<std::string> asked;
    for (int q = 1; q <= 10; ++q) {
        EXPECT_EQ(window->runState(), TDinaOrd::RunState::Answering);
        EXPECT_EQ(text(*window, "DiagLabel3"), std::to_string(q) + "/10");
        asked.insert(expected());
        if (q == 3 || q == 7) {
            answerWrong();
            continue;
        }
        later(3500);
        points += static_cast<double>(expected().size()) + 100 - 7;
        answer(expected());
        if (q < 10) {
            EXPECT_EQ(text(*window, "DiagLabel5"), std::to_string(std::lround(points)));
        }
    }
    EXPECT_EQ(asked.size(), 10u);
    EXPECT_DOUBLE_EQ(window->score(), points);
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Ended);
    EXPECT_EQ(f.s.RightCount, 8);
    EXPECT_EQ(listErrors(), 2);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_TRUE(child(*window, "Button3")->isEnabled());
    EXPECT_EQ(window->focusWidget(), child(*window, "Button1")) << "mistakes to correct";
    shot(*window, "dinaord-end");

    window->Button3Click();
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].kind, WindowKind::TRekord);
    EXPECT_EQ(f.s.NewRecord.name, A("Eva"));
    EXPECT_EQ(f.s.NewRecord.score, std::lround(points));
    EXPECT_FALSE(child(*window, "Button3")->isEnabled()) << "one entry per run";
    window->Button3Click();
    EXPECT_EQ(opener.opened.size(), 1u);
}

TEST_F(DinaOrdTest, SlowAnswersAndTheLampCostPointsAndWrongAnswersNone) {
    start();
    later(60000);
    const double length = static_cast<double>(expected().size());
    answer(expected());
    EXPECT_DOUBLE_EQ(window->score(), length + 100 - 120) << "a minute costs 120 points";
    window->LampknappClick();
    EXPECT_TRUE(visible(*window, "LampShape"));
    later(1000);
    const double second = static_cast<double>(expected().size());
    answer(expected());
    EXPECT_DOUBLE_EQ(window->score(), length - 20 + (second + 100 - 2) / 2);
    const double before = window->score();
    later(1000);
    answerWrong();
    EXPECT_DOUBLE_EQ(window->score(), before);
}

TEST_F(DinaOrdTest, AWrongAnswerShowsTheAnswerForTheSetTime) {
    start();
    const std::string first = expected();
    answer("  fel  ");
    EXPECT_TRUE(visible(*window, "SvarsLabel"));
    EXPECT_EQ(text(*window, "SvarsLabel"), first);
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::ShowingAnswer);
    EXPECT_FALSE(edit()->isEnabled());
    for (int tick = 1; tick < 30; ++tick)
        window->Timer1Timer();
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::ShowingAnswer);
    window->Timer1Timer();
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Answering);
    EXPECT_FALSE(visible(*window, "SvarsLabel"));
    EXPECT_EQ(listErrors(), 1);
}

TEST_F(DinaOrdTest, ACorrectionRunAsksTheMistakesAndEarnsNothing) {
    start();
    std::vector<std::string> wrong;
    for (int q = 1; q <= 10; ++q) {
        if (q % 4 == 1) {
            wrong.push_back(expected());
            answerWrong();
        } else {
            answer(expected());
        }
    }
    ASSERT_EQ(listErrors(), 3);
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Ended)
        << "the wait after a wrong last answer";
    window->Button1Click();
    EXPECT_EQ(f.s.CorrectionRun, 1);
    EXPECT_EQ(f.s.RunLength, 3);
    EXPECT_EQ(window->score(), 0);
    EXPECT_TRUE(visible(*window, "Panel13"));
    EXPECT_FALSE(visible(*window, "DiagPanel1"));
    EXPECT_EQ(text(*window, "Label17"), "3");
    EXPECT_EQ(expected(), wrong[0]) << "the oldest mistake first";
    shot(*window, "dinaord-correction");
    answerWrong();
    EXPECT_EQ(expected(), wrong[1]);
    later(2000);
    answer(expected());
    EXPECT_EQ(text(*window, "Label17"), "2");
    answer(expected());
    EXPECT_EQ(listErrors(), 1) << "the mistake made again is left";
    EXPECT_EQ(window->score(), 0);
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Ended);
    EXPECT_FALSE(child(*window, "Button3")->isEnabled()) << "a correction run has no score";

    window->Button2Click();
    EXPECT_EQ(f.s.CorrectionRun, 0);
    EXPECT_EQ(f.s.RunLength, 10);
    EXPECT_EQ(f.s.QuestionNumber, 1);
    EXPECT_TRUE(visible(*window, "DiagPanel1"));
}

TEST_F(DinaOrdTest, PauseKeepsTheQuestionAndTheScoreButtonStaysOff) {
    start();
    answer(expected());
    const double score = window->score();
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Paused);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_FALSE(child(*window, "Button3")->isEnabled());
    EXPECT_EQ(window->focusWidget(), child(*window, "Button2")) << "nothing to correct";
    window->Button2Click();
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Answering);
    EXPECT_EQ(f.s.QuestionNumber, 2);
    EXPECT_DOUBLE_EQ(window->score(), score);
    EXPECT_TRUE(edit()->isEnabled());
}

TEST_F(DinaOrdTest, ItemsDoNotRepeatAcrossRunsAndOpeningsUntilTheListIsDone) {
    std::vector<std::string> asked;
    start(1);
    for (int q = 0; q < 10; ++q) {
        asked.push_back(expected());
        answer(expected());
    }
    window->Button4Click();
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Closed);
    start(1);
    for (int q = 0; q < 4; ++q) {
        asked.push_back(expected());
        answer(expected());
    }
    EXPECT_EQ(std::set<std::string>(asked.begin(), asked.end()).size(), 14u);
}

TEST_F(DinaOrdTest, GeneralAndSpecialListsKeepTheirOwnCountsAndMistakes) {
    start(1);
    answerWrong();
    const int general = f.s.WordListNumber;
    window->Button4Click();
    open(1002);
    choose(0);
    enterName("Eva");
    EXPECT_NE(f.s.WordListNumber, general);
    EXPECT_EQ(f.s.WordListItemCount[static_cast<std::size_t>(f.s.WordListNumber)], 12);
    EXPECT_EQ(f.s.WordListItemCount[static_cast<std::size_t>(general)], 14);
    EXPECT_EQ(listErrors(), 0);
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_FALSE(child(*window, "Button1")->isEnabled());
}

TEST_F(DinaOrdTest, EscAndTheArrowKeysFollowWhereThePupilIs) {
    open();
    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(list()->currentRow(), 0) << "not above the first";
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(list()->currentRow(), 1) << "not below the last";
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(window->nameBoxState(), 1);
    QTest::keyClick(nameBox(), Qt::Key_Escape);
    EXPECT_EQ(window->nameBoxState(), 0);
    EXPECT_TRUE(visible(*window, "Panel2"));
    EXPECT_FALSE(visible(*window, "namnruta"));
    QTest::keyClick(list(), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Closed);
}

TEST_F(DinaOrdTest, AListWithoutItemsIsReportedAndAnotherCanBeChosen) {
    f.content.write("DATA/TOM.fr1", {"$Tom", "bara text", "; kommentar"});
    open();
    const auto names = entries();
    ASSERT_EQ(names.back(), "TOM");
    choose(static_cast<int>(names.size()) - 1);
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_NE(f.messages.shown.back().find("TOM.fr1 finns inte eller är felaktig"),
              std::string::npos);
    EXPECT_EQ(f.messages.shown.size(), 1u) << "told once";
    EXPECT_FALSE(window->listReady());
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::ChoosingList);
    EXPECT_TRUE(visible(*window, "Panel2"));
    choose(1);
    EXPECT_TRUE(window->listReady());
}

TEST_F(DinaOrdTest, WorksheetModeCollectsTheListsWordsUnderItsOwnHeading) {
    FakePrinting printing;
    context.printing = &printing;
    TUtskrift utskrift(context);
    context.worksheet = &utskrift;
    f.s.ExerciseMode = Mode::Worksheet;
    open();
    EXPECT_FALSE(visible(*window, "DiagPanel1"));
    EXPECT_FALSE(visible(*window, "namnruta"));
    choose(1);
    EXPECT_EQ(window->runState(), TDinaOrd::RunState::Collecting);
    EXPECT_TRUE(visible(*window, "SkrivutHelaPanelen"));
    EXPECT_TRUE(visible(*window, "SvarsLabel"));
    EXPECT_FALSE(visible(*window, "Edit1"));
    EXPECT_EQ(f.s.RunLength, 14);

    child<QPushButton>(*window, "SkrivutAntalButton")->click();
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(window.get(), Qt::Key_Up);
    EXPECT_EQ(child<QLabel>(*window, "SkrivutAntalLabel")->text(), QStringLiteral("14"))
        << "up to the list's number of words";
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(child<QLabel>(*window, "SkrivutAntalLabel")->text(), QStringLiteral("2"));
    const std::string word = f.s.ItemFields[1].toUtf8();
    const std::string answer = f.s.ItemFields[2].toUtf8();
    shot(*window, "dinaord-worksheet");
    child<QPushButton>(*window, "SkrivutKlartButton")->click();

    auto lines = [&](Sheet sheet) {
        std::vector<std::string> out;
        for (const WorksheetLine& l : utskrift.worksheet().lines(sheet))
            out.push_back(l.text.toUtf8());
        return out;
    };
    const auto q = lines(Sheet::Questions);
    const auto a = lines(Sheet::Answers);
    ASSERT_EQ(q.size(), 2u + 2 * 2);
    EXPECT_EQ(q[0], "1.  Ordförrådet ---Mycket lätta glosor");
    EXPECT_EQ(a[0], "1.  Ordförrådet ---Mycket lätta glosor. Facit.");
    EXPECT_EQ(q[1], "     Översätt följande ord:");
    EXPECT_EQ(a[1], q[1]);
    EXPECT_EQ(q[2], "   1. " + word);
    EXPECT_EQ(q[3], "       " + std::string(37, '_'));
    EXPECT_EQ(a[2], q[2]);
    EXPECT_EQ(a[3], "       " + answer);
}

TEST_F(DinaOrdTest, EveryListShowsItsOwnInstructionWithinTheWindow) {
    f.s.InstructionText = A("Complétez avec le bon article.");
    f.content.write("DATA/LANG.fr1", {"$R", "$§" + std::string(120, 'm'), "a#b"});
    f.content.write("DATA/UTAN.fr1", {"$R", "a#b"});
    open();
    const auto names = entries();
    choose(static_cast<int>(std::find(names.begin(), names.end(), "UTAN") - names.begin()));
    EXPECT_EQ(text(*window, "InstruktionsLabel"), "Traduisez.") << "not another exercise's";
    QTest::keyClick(nameBox(), Qt::Key_Escape);
    choose(static_cast<int>(std::find(names.begin(), names.end(), "LANG") - names.begin()));
    enterName("Eva");
    QWidget* label = child(*window, "InstruktionsLabel");
    EXPECT_LE(label->x() + label->width(), window->width());
}
