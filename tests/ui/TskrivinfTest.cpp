// The fill-in exercise: sentence formats, one and two gaps judged in turn, colours, help,
// closing up punctuation, the article rules of program 51110.

#include "TSkrivinf.h"

#include "ExerciseFixture.h"
#include "TAster.h"

using namespace orvela;
using namespace orvela::testing;

namespace {

struct SkrivinfTest : ExerciseFixture {
    std::unique_ptr<TSkrivinf> window;

    void open(const std::string& file, const std::vector<std::string>& lines) {
        prepare(file, lines);
        window = std::make_unique<TSkrivinf>(context);
        window->show();
    }
    QLineEdit* edit(int n) { return child<QLineEdit>(*window, n == 1 ? "Edit1" : "Edit2"); }
    void type(int gap, const QString& text) {
        edit(gap)->setText(text);
        QTest::keyClick(edit(gap), Qt::Key_Return);
    }
    // The expected words of the item on the screen (from the gap sentence).
    std::vector<QString> expectedWords() {
        std::vector<QString> out;
        const SharedState& s = f.s;
        bool one = TSkrivinf::oneSentenceProgram(s.ProgramNumber) || s.ItemFields[2].empty();
        std::string line = (one ? s.ItemFields[1] : s.ItemFields[2]).toUtf8();
        std::size_t pos = 0;
        while ((pos = line.find('<', pos)) != std::string::npos) {
            std::size_t end = line.find('>', pos);
            out.push_back(QString::fromStdString(line.substr(pos + 1, end - pos - 1)));
            pos = end;
        }
        return out;
    }
};

std::vector<std::string> twoGapItems(int n) {
    std::vector<std::string> lines = {"$Passé composé", "$§Fyll i."};
    for (int i = 1; i <= n; ++i)
        lines.push_back("Jag har <ätit> " + std::to_string(i) + "#J'<ai> <mangé> " +
                        std::to_string(i) + ".#hjälp ett#hjälp två");
    return lines;
}

} // namespace

TEST_F(SkrivinfTest, TwoGapsAreJudgedInTurnAndCountOnceOnlyWhenBothAreRight) {
    open("FRA56911.DAT", twoGapItems(12));
    ASSERT_EQ(expectedWords().size(), 2u);
    EXPECT_TRUE(edit(1)->isEnabled());
    EXPECT_FALSE(edit(2)->isEnabled());
    type(1, QStringLiteral("ai"));
    shot(*window, "skrivinf-first-gap-right");
    EXPECT_FALSE(edit(1)->isVisible());
    EXPECT_EQ(child<QLabel>(*window, "Label14")->palette().color(QPalette::WindowText),
              QColor(0, 128, 0))
        << "a right word stays, in green";
    EXPECT_TRUE(edit(2)->isEnabled());
    EXPECT_EQ(child<QLabel>(*window, "Label14")->text(), QStringLiteral("ai"));
    type(2, QStringLiteral("mangé"));
    EXPECT_EQ(f.s.RightCount, 1) << "both gaps right: one right answer";
    EXPECT_EQ(f.s.QuestionNumber, 2);

    // First gap wrong, second right: the item is wrong, one wrong square, one error entry.
    type(1, QStringLiteral("as"));
    EXPECT_EQ(child<QLabel>(*window, "Label14")->text(), QStringLiteral("ai"))
        << "the expected word replaces the field";
    EXPECT_EQ(child<QLabel>(*window, "Label14")->palette().color(QPalette::WindowText),
              colors::maroon);
    type(2, QStringLiteral("mangé"));
    EXPECT_EQ(f.s.RightCount, 1);
    EXPECT_EQ(f.s.ErrorCount[1], 1);
    EXPECT_EQ(f.s.QuestionNumber, 3);
    auto* squares = dynamic_cast<TAster*>(child(*window, "Aster1"));
    ASSERT_NE(squares, nullptr);
    EXPECT_TRUE(squares->squareRight(1));
    EXPECT_FALSE(squares->squareRight(2)) << "one wrong square for the item";

    // Both wrong: still one error entry for the item.
    type(1, QStringLiteral("x"));
    type(2, QStringLiteral("y"));
    EXPECT_EQ(f.s.ErrorCount[1], 2);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingAnswer);
}

TEST_F(SkrivinfTest, LetterCaseCountsAndPunctuationClosesUp) {
    open("FRA55200.DAT",
         {"$Possessiva", "$§Fyll i.", "C'est <sa> maison.#hans", "Voici <mon> livre.#min"});
    auto words = expectedWords();
    ASSERT_EQ(words.size(), 1u);
    type(1, words[0].toUpper());
    EXPECT_EQ(f.s.RightCount, 0) << "letter case counts in the gaps";
    endWait(*window);
    words = expectedWords();
    type(1, words[0] + QStringLiteral("."));
    EXPECT_EQ(f.s.RightCount, 1) << "an edge punctuation mark is forgiven";
}

TEST_F(SkrivinfTest, HelpButtonShowsOneHelpTextAtATime) {
    open("FRA56911.DAT", twoGapItems(12));
    auto* help = child<QPushButton>(*window, "bitbtn2");
    ASSERT_TRUE(help->isVisible());
    EXPECT_FALSE(visible(*window, "Label16"));
    window->BitBtn2Click();
    EXPECT_TRUE(visible(*window, "Label16"));
    EXPECT_FALSE(visible(*window, "Label17"));
    window->BitBtn2Click();
    EXPECT_TRUE(visible(*window, "Label17"));
    EXPECT_FALSE(help->isVisible());
}

TEST_F(SkrivinfTest, ArticleRuleLinesAfterAWrongAnswerAndALongerWait) {
    std::vector<std::string> lines = {"$Bestämd artikel", "$§Fyll i."};
    for (int i = 0; i < 12; ++i)
        lines.push_back("Jag gillar <kaffe> " + std::to_string(i) + "#J'aime <le> café " +
                        std::to_string(i) + ".#2");
    lines.push_back("Till <Frankrike>#Je vais <en> France.#6");
    open("FRA51110.DAT", lines);
    type(1, QStringLiteral("un"));
    shot(*window, "skrivinf-article-rule");
    EXPECT_TRUE(visible(*window, "Label17"));
    EXPECT_EQ(child<QLabel>(*window, "Label17")->text(),
              QString::fromUtf8("Substantiv i allmän betydelse får bestämd artikel."));
    EXPECT_TRUE(visible(*window, "Label20"));
    EXPECT_EQ(child<QTimer>(*window, "Timer1")->interval(), 300) << "three times as long";
    EXPECT_EQ(TSkrivinf::articleRule(6).size(), 5u) << "rule 6 shows all five lines";
    EXPECT_TRUE(TSkrivinf::articleRule(12).empty());
}

TEST_F(SkrivinfTest, OneSentenceFormatByProgram) {
    EXPECT_TRUE(TSkrivinf::oneSentenceProgram(56930));
    EXPECT_TRUE(TSkrivinf::oneSentenceProgram(117));
    EXPECT_FALSE(TSkrivinf::oneSentenceProgram(114));
    EXPECT_FALSE(TSkrivinf::oneSentenceProgram(51110));
    open("FRA56930.DAT", {"$Futurum", "$§Fyll i.", "Demain, il <fera> beau.#faire#vädret",
                          "Nous <partirons> demain.#partir"});
    EXPECT_EQ(expectedWords().size(), 1u) << "field 1 holds the gaps";
}
