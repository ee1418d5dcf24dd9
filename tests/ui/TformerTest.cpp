// The verb-form table exercise: the asked form, judging it, the right form shown in its place, the
// asked form kept for the correction run of program 56510, help buttons, worksheet lines, and the
// diagnosis test on the course's own files.

#include "TFormer.h"

#include "ExerciseFixture.h"
#include "FakePrinting.h"
#include "TUtskrift.h"


using namespace orvela;
using namespace orvela::testing;

namespace {

struct TformerTest : ExerciseFixture {
    std::unique_ptr<TFormer> window;

    void open(const std::string& name, std::vector<std::string> lines = {}) {
        prepare(name, lines.empty() ? courseFile(name) : lines);
        window = std::make_unique<TFormer>(context);
        window->show();
    }
    QLineEdit* edit() { return child<QLineEdit>(*window, "Edit1"); }
    int asked() { return window->askedForm(); }
    std::string form(int k) { return f.s.ItemFields[static_cast<std::size_t>(k + 1)].toUtf8(); }
    std::string expected() { return form(asked()); }
    void answer(const std::string& typed) {
        edit()->setText(QString::fromStdString(typed));
        QTest::keyClick(edit(), Qt::Key_Return);
    }
    void wait() {
        QTest::keyClick(window.get(), Qt::Key_Space);
        if (window->runState() == ExerciseWindow::RunState::ShowingAnswer) window->Timer1Timer();
        if (window->runState() == ExerciseWindow::RunState::ShowingLastAnswer)
            window->Timer3Timer();
    }
    QWidget* formLabel(int k) {
        return child(*window, ("FormLabel" + std::to_string(k)).c_str());
    }
};

} // namespace

TEST_F(TformerTest, AWholeRunWithRightAndWrongAnswers) {
    open("FRA56510.DAT");
    EXPECT_EQ(text(*window, "FrageTeckenLabel"), "???");
    shot(*window, "tformer-item");
    for (int i = 0; i < 10; ++i) {
        const int k = asked();
        EXPECT_EQ(text(*window, "FrageLabel1"), f.s.ItemFields[1].toUtf8());
        for (int j = 1; j <= 5; ++j) {
            EXPECT_EQ(child<QLabel>(*window, ("FormLabel" + std::to_string(j)).c_str())
                          ->text().toStdString(), form(j));
            EXPECT_EQ(formLabel(j)->isVisible(), j != k) << "only the asked form is hidden";
        }
        EXPECT_TRUE(visible(*window, "FrageTeckenLabel"));
        EXPECT_EQ(child(*window, "FrageTeckenLabel")->pos(), formLabel(k)->pos());
        EXPECT_FALSE(visible(*window, "SvaretLabel"));
        if (i != 1 && i != 6) {
            answer(expected());
            continue;
        }
        const std::string right = expected();
        answer("je ne sais pas");
        EXPECT_FALSE(visible(*window, "FrageTeckenLabel"));
        EXPECT_TRUE(visible(*window, "SvaretLabel")) << "the right form where \"???\" stood";
        EXPECT_EQ(text(*window, "SvaretLabel"), right);
        EXPECT_EQ(child(*window, "SvaretLabel")->pos(), formLabel(k)->pos());
        if (i == 1) shot(*window, "tformer-wrong");
        wait();
    }
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_EQ(f.s.RightCount, 8);
    EXPECT_EQ(f.s.WrongCount, 2);
    EXPECT_EQ(f.s.ErrorCount[static_cast<std::size_t>(f.s.CurrentFileIndex)], 2);
    EXPECT_TRUE(visible(*window, "LovordPanel"));
    shot(*window, "tformer-end");
}

TEST_F(TformerTest, TheAskedFormIsOneToFourWithEqualChancesNeverFive) {
    open("FRA56510.DAT");
    std::map<int, int> times;
    for (int run = 0; run < 40; ++run) {
        for (int i = 0; i < 10; ++i) {
            ++times[asked()];
            EXPECT_TRUE(formLabel(5)->isVisible());
            answer(expected());
        }
        f.clock.time.millisecond = run; // a new run reseeds the generator from the clock
        window->Button2Click();
    }
    ASSERT_EQ(times.size(), 4u);
    for (int k = 1; k <= 4; ++k) EXPECT_GT(times[k], 60) << "form " << k << " of 400";
}

TEST_F(TformerTest, AnItemWithFewerFormsAsksOnlyFormsItHas) {
    open("FRA99001.DAT", {"$Verb", "avoir#j'ai#nous avons", "être#je suis#nous sommes"});
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(asked() == 1 || asked() == 2);
        answer(expected());
    }
}

TEST_F(TformerTest, LetterCaseAndEdgePunctuationAreForgiven) {
    struct Case {
        const char* name;
        std::string (*typed)(const std::string& form);
        bool right;
    };
    const Case cases[] = {
        {"as given", [](const std::string& s) { return s; }, true},
        {"capitals",
         [](const std::string& s) { return toUpper(AnsiText::fromUtf8(s)).toUtf8(); }, true},
        {"full stop after", [](const std::string& s) { return s + "."; }, true},
        {"a letter missing", [](const std::string& s) { return s.substr(0, s.size() - 1); }, false},
        {"nothing typed", [](const std::string&) { return std::string(); }, false},
        {"another form", [](const std::string&) { return std::string("il a eu"); }, false},
    };
    open("FRA56510.DAT");
    for (const Case& c : cases) {
        const int right = f.s.RightCount;
        answer(c.typed(expected()));
        EXPECT_EQ(f.s.RightCount - right, c.right ? 1 : 0) << c.name;
        wait();
    }
}

TEST_F(TformerTest, ACorrectionRunOf56510AsksTheSameFormAgain) {
    open("FRA56510.DAT");
    std::vector<std::pair<std::string, int>> mistakes;
    for (int i = 0; i < 10; ++i) {
        if (i % 3) {
            answer(expected());
            continue;
        }
        mistakes.emplace_back(f.s.ItemFields[1].toUtf8(), asked());
        answer("fel");
        wait();
    }
    auto expectMistake = [this](const std::pair<std::string, int>& m) {
        EXPECT_EQ(f.s.ItemFields[1].toUtf8(), m.first);
        EXPECT_EQ(asked(), m.second) << m.first;
    };
    window->Button1Click();
    ASSERT_EQ(f.s.RunLength, 4);
    expectMistake(mistakes[0]);
    answer("fel"); // wrong again: back to the end of the list, with its form
    wait();
    for (std::size_t m = 1; m < mistakes.size(); ++m) {
        expectMistake(mistakes[m]);
        answer(expected());
    }
    window->Button1Click();
    ASSERT_EQ(f.s.RunLength, 1);
    expectMistake(mistakes[0]);
}

TEST_F(TformerTest, TheHelpButtonOnlyForTablesWithOneOrTwoFollowingForms) {
    const struct {
        std::string line;
        bool help;
        bool moreHelp;
    } cases[] = {
        {"être#je suis#nous sommes#ils sont#il a été#je serai", false, false},
        {"être#je suis#nous sommes#ils sont#il a été", false, false},
        {"être#je suis#nous sommes#ils sont", true, true},
        {"être#je suis#nous sommes", true, false},
    };
    f.s.ExerciseMode = Mode::FollowUp1;
    for (const auto& c : cases) {
        open("FRA99001.DAT", {"$Verb", c.line});
        EXPECT_EQ(visible(*window, "BitBtn2"), c.help) << c.line;
        if (c.help) {
            auto* help = child<QPushButton>(*window, "BitBtn2");
            EXPECT_EQ(help->text(), QString::fromUtf8("Hjälp"));
            help->click();
            EXPECT_EQ(visible(*window, "BitBtn3"), c.moreHelp) << c.line;
            answer(expected());
            EXPECT_EQ(f.s.RightCount, 0) << "help was taken";
        }
    }
}

TEST_F(TformerTest, WorksheetLinesGiveThePromptAndTheFirstForm) {
    FakePrinting printing;
    context.printing = &printing;
    TUtskrift utskrift(context);
    context.worksheet = &utskrift;
    f.s.ExerciseMode = Mode::Worksheet;
    open("FRA56510.DAT");
    EXPECT_FALSE(visible(*window, "Edit1"));
    shot(*window, "tformer-worksheet");
    const std::string first = f.s.ItemFields[1].toUtf8();
    const std::string answer = form(1);
    child<QPushButton>(*window, "ValjaUtButton")->click();
    child<QPushButton>(*window, "SkrivutSkickaButton")->click();
    auto lines = [&](Sheet sheet) {
        std::vector<std::string> out;
        for (const WorksheetLine& l : utskrift.worksheet().lines(sheet))
            out.push_back(l.text.toUtf8());
        return out;
    };
    const std::vector<std::string> heading = {"1.  Oregelbundna verb Tema",
                                              "      Skriv je-formen i presens av verbet:"};
    std::vector<std::string> q = heading, a = heading;
    q.insert(q.end(), {"   1. " + first, "       " + std::string(57, '_')});
    a.insert(a.end(), {"   1. " + first, "       " + answer});
    EXPECT_EQ(lines(Sheet::Questions), q);
    EXPECT_EQ(lines(Sheet::Answers), a);
    window.reset();
    EXPECT_EQ(f.s.WorksheetNote.toUtf8(), "Skriv je-formen i presens av verbet")
        << "the note of the data file is left as it was";
}

TEST_F(TformerTest, ADiagnosisTestOfTwentyReportsItsResult) {
    f.s.ExerciseMode = Mode::DiagnosisTest;
    f.s.CurrentProgramme = 12;
    open("FRDI12.DAT");
    EXPECT_EQ(text(*window, "DiagLabel1"), "Diagnostic");
    EXPECT_FALSE(visible(*window, "lampknapp"));
    shot(*window, "tformer-diagnosis");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(text(*window, "DiagLabel3"), std::to_string(i + 1) + "/20");
        answer(i < 3 ? "fel" : expected());
        wait();
    }
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Closed);
    EXPECT_EQ(f.s.CurrentPupil.result[12], 17);
}

TEST_F(TformerTest, TheFollowUpFileWorksWithTheLamp) {
    f.s.ExerciseMode = Mode::FollowUp1;
    open("FROVN112.DAT");
    EXPECT_EQ(f.s.RunLength, 20);
    window->LampknappClick();
    auto* lamp = child<Shape>(*window, "LampShape");
    EXPECT_TRUE(lamp->isVisible());
    EXPECT_LT(std::abs(lamp->geometry().center().y() - edit()->geometry().center().y()), 2)
        << "the lamp stands on the row of the asked form";
    const QString right = QString::fromStdString(expected());
    QTest::keyClicks(edit(), right.left(3));
    EXPECT_EQ(lamp->brushColor(), colors::lime);
    QTest::keyClicks(edit(), QStringLiteral("qq"));
    EXPECT_EQ(lamp->brushColor(), colors::red);
    shot(*window, "tformer-follow-up-lamp");
}
