// The word-tile exercise: the tiles collected from the file, rows, hover preview, judging by
// clicking, the escape panel, praise from the count of right answers.

#include "TFLERBAR.h"

#include "ExerciseFixture.h"

using namespace orvela;
using namespace orvela::testing;

namespace {

struct FlerbarTest : ExerciseFixture {
    std::unique_ptr<TFLERBAR> window;
    void open(const std::string& file, const std::vector<std::string>& lines) {
        prepare(file, lines);
        window = std::make_unique<TFLERBAR>(context);
        window->show();
    }
    int tileOf(const QString& word) {
        for (int k = 1; k <= 12; ++k) {
            auto* t = window->findChild<QLabel*>(QStringLiteral("Panel%1").arg(k + 1));
            if (t && t->isVisible() && t->text() == word) return k;
        }
        return 0;
    }
    QString rightWord() {
        std::string line = f.s.ItemFields[1].toUtf8();
        std::size_t a = line.find('<'), b = line.find('>');
        return QString::fromStdString(line.substr(a + 1, b - a - 1));
    }
    int wrongTile() {
        for (int k = 1; k <= static_cast<int>(window->choices().size()); ++k) {
            auto* t = window->findChild<QLabel*>(QStringLiteral("Panel%1").arg(k + 1));
            if (t->text() != rightWord()) return k;
        }
        return 0;
    }
};

std::vector<std::string> partitive() {
    return {"$Partitiv artikel",
            "$§Klicka på rätt ord.",
            "Je mange <du> pain.#bröd",
            "Elle boit <de la> bière.#öl",
            "Il y a <des> pommes.#äpplen",
            "Nous mangeons <de l'>ananas.#ananas",
            "<Du> pain, s'il vous plaît.#bröd",
            "Tu veux <du> fromage ?#ost",
            "Je bois <de l'>eau.#vatten",
            "Il mange <des> frites.#pommes frites",
            "Elle prend <de la> soupe.#soppa",
            "Il achète <du> lait.#mjölk",
            "On mange <des> gâteaux.#kakor"};
}

} // namespace

TEST_F(FlerbarTest, TilesAreTheDistinctGapWordsInLowerCase) {
    open("FRA51220.DAT", partitive());
    std::vector<std::string> words;
    for (const AnsiText& c : window->choices())
        words.push_back(c.toUtf8());
    EXPECT_EQ(words, (std::vector<std::string>{"du", "de la", "des", "de l'"}))
        << "Du and du give one tile";
    EXPECT_EQ(TFLERBAR::alternativesLine(window->choices()).toUtf8(),
              "Du, de la, des eller de l' ?");
}

TEST_F(FlerbarTest, ThirteenWordsGiveTwelveTilesInTwoRows) {
    std::vector<std::string> lines = {"$Ord", "$§Klicka."};
    for (int i = 0; i < 13; ++i)
        lines.push_back("Le mot <w" + std::to_string(i) + "> ici.#x");
    open("FRA99002.DAT", lines);
    EXPECT_EQ(window->choices().size(), 12u);
    auto* t1 = window->findChild<QLabel*>(QStringLiteral("Panel2"));
    auto* t7 = window->findChild<QLabel*>(QStringLiteral("Panel8"));
    auto* t6 = window->findChild<QLabel*>(QStringLiteral("Panel7"));
    EXPECT_EQ(t1->y(), t6->y());
    EXPECT_GT(t7->y(), t1->y()) << "twelve tiles: two rows of six";
}

TEST_F(FlerbarTest, HoverPreviewsClicksJudgeAndTheRightButtonCountsAQuestion) {
    open("FRA51220.DAT", partitive());
    int right = tileOf(rightWord());
    ASSERT_GT(right, 0);
    window->PanelMouseMove(right);
    shot(*window, "flerbar-hover");
    EXPECT_EQ(child<QLabel>(*window, "Label5")->text(), rightWord());
    window->PanelMouseDown(right, Qt::LeftButton);
    EXPECT_EQ(f.s.RightCount, 1);
    EXPECT_EQ(f.s.QuestionNumber, 2);

    int wrong = wrongTile();
    QString answer = rightWord();
    window->PanelMouseDown(wrong, Qt::LeftButton);
    EXPECT_TRUE(visible(*window, "KorrektSvarLabel"));
    shot(*window, "flerbar-wrong");
    EXPECT_EQ(child<QLabel>(*window, "KorrektSvarLabel")->text(), answer);
    EXPECT_FALSE(visible(*window, "Panel1")) << "the tiles are hidden while the answer shows";
    EXPECT_EQ(f.s.ErrorCount[1], 1);
    window->Timer1Timer();
    QTest::keyClick(window.get(), Qt::Key_Space);
    window->Timer1Timer();
    EXPECT_TRUE(visible(*window, "Panel1"));

    window->PanelMouseDown(1, Qt::RightButton);
    EXPECT_TRUE(visible(*window, "EscapePanel")) << "the right button opens the escape panel";
    EXPECT_EQ(f.s.QuestionNumber, 4) << "and counts a question";
}

TEST_F(FlerbarTest, PraiseFollowsTheRealCount) {
    // 8 right of 10 earns praise, as in every kind; 7 does not; the count is never made up.
    for (int wrongAnswers : {0, 2, 3}) {
        SCOPED_TRACE(wrongAnswers);
        open("FRA51220.DAT", partitive());
        for (int i = 0; i < 10; ++i) {
            ASSERT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
            window->PanelMouseDown(i < wrongAnswers ? wrongTile() : tileOf(rightWord()),
                                   Qt::LeftButton);
            if (i < wrongAnswers) endWait(*window);
        }
        EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
        EXPECT_EQ(f.s.RightCount, 10 - wrongAnswers);
        EXPECT_EQ(visible(*window, "LovordPanel"), wrongAnswers <= 2);
    }
}

TEST_F(FlerbarTest, ASentenceStartingWithTheGapOffersCapitalisedTiles) {
    open("FRA51220.DAT", {"$P", "$§K.", "<Du> pain, s'il vous plaît.#bröd", "<du> pain ?#bröd"});
    for (int i = 0; i < 2; ++i) {
        bool capital = rightWord().at(0).isUpper();
        EXPECT_EQ(tileOf(QStringLiteral("Du")) != 0, capital);
        EXPECT_EQ(tileOf(QStringLiteral("du")) != 0, !capital);
        window->PanelMouseDown(tileOf(rightWord()), Qt::LeftButton);
    }
}

TEST_F(FlerbarTest, SevenChoicesInOneRowEightAndNineInTwo) {
    struct Case {
        int words, firstRow;
    } cases[] = {{7, 7}, {8, 4}, {9, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        std::vector<std::string> lines = {"$Ord", "$§Klicka."};
        for (int i = 0; i < c.words; ++i)
            lines.push_back("Le mot <w" + std::to_string(i) + "> ici.#x");
        prepare("FRA9900" + std::to_string(c.words) + ".DAT", lines);
        TFLERBAR w(context);
        w.show();
        const int firstTop = w.findChild<QLabel*>(QStringLiteral("Panel2"))->y();
        int inFirstRow = 0;
        for (int k = 1; k <= c.words; ++k)
            if (w.findChild<QLabel*>(QStringLiteral("Panel%1").arg(k + 1))->y() == firstTop)
                ++inFirstRow;
        EXPECT_EQ(inFirstRow, c.firstRow);
    }
}
