// The classification exercise: tiles in character-code order, judging by clicking, the lit right
// tile and the explanation per program, the escape panel, the end of a run and the correction
// run, worksheet lines, and items that cannot be asked.

#include "TPassAkt.h"
#include "TUtskrift.h"

#include "ExerciseFixture.h"
#include "FakePrinting.h"

#include <set>

using namespace orvela;
using namespace orvela::testing;

namespace {

const QColor kYellow(255, 255, 0);

struct PassAktTest : ExerciseFixture {
    std::unique_ptr<TPassAkt> window;

    void open(const std::string& file, const std::vector<std::string>& lines) {
        window.reset();
        prepare(file, lines);
        window = std::make_unique<TPassAkt>(context);
        window->show();
    }
    WordTile* tile(int k) {
        return child<WordTile>(*window, ("Panel" + std::to_string(k + 1)).c_str());
    }
    std::vector<std::string> shownTiles() {
        std::vector<std::string> out;
        for (int k = 1; k <= TPassAkt::kTileControls; ++k)
            if (tile(k)->isVisible()) out.push_back(tile(k)->text().toStdString());
        return out;
    }
    bool lit(int k) { return tile(k)->palette().color(QPalette::Window) == kYellow; }
    int rightTile() { return window->tiles().rightIndex() + 1; }
    int wrongTile() {
        for (int k = 1; k <= static_cast<int>(window->tiles().size()); ++k)
            if (!window->tiles().tiles()[static_cast<std::size_t>(k - 1)].right) return k;
        return 0;
    }
    bool tilesEnabled() { return child(*window, "Panel1")->isEnabled(); }
};

std::vector<std::string> passiveActive() {
    return {"$Passivum", "$Passiv/aktiv", "$§Är meningen aktiv eller passiv?",
            "La maison <est construite> par des ouvriers.#passiv#aktiv",
            "Les ouvriers <construisent> la maison.#aktiv#passiv",
            "Elle <est arrivée> hier soir.#aktiv#passiv",
            "Le voleur <a été arrêté> par la police.#passiv#aktiv",
            "Nous <sommes partis> à huit heures.#aktiv#passiv",
            "La porte <sera fermée> à minuit.#passiv#aktiv",
            "On <ferme> la porte à minuit.#aktiv#passiv",
            "Ce livre <est lu> par beaucoup de jeunes.#passiv#aktiv",
            "Paul <est tombé> dans l'escalier.#aktiv#passiv",
            "La souris <est mangée> par le chat.#passiv#aktiv",
            "Le chat <mange> la souris.#aktiv#passiv",
            "Elle <est née> à Lyon.#aktiv#passiv"};
}

} // namespace

TEST_F(PassAktTest, TilesAreInCharacterCodeOrderAndAPoundSignEndsTheList) {
    open("FRA56410.DAT", {"$Passivum", "La porte <est fermée>.#zebra#Zorro#ärlig#apa#£Bok#été"});
    EXPECT_EQ(shownTiles(), (std::vector<std::string>{"Zorro", "apa", "zebra", "ärlig"}));
    EXPECT_TRUE(lit(1)) << "the first tile is lit as if the mouse were on it";
    QTest::mouseMove(tile(3), QPoint(5, 5));
    EXPECT_TRUE(lit(3)) << "the tile under the mouse";
    EXPECT_FALSE(lit(1));
    EXPECT_EQ(text(*window, "Label4"), "La porte ");
    EXPECT_EQ(text(*window, "Label5"), "est fermée");
    EXPECT_EQ(text(*window, "Label6"), ".");
    EXPECT_NEAR(child(*window, "Label5")->x(),
                child(*window, "Label4")->x() + child(*window, "Label4")->width(), 2)
        << "the group follows its lead-in edge to edge";
}

TEST_F(PassAktTest, AWrongClickLightsTheRightTileAndExplainsPerProgram) {
    struct Case {
        std::string file, line, explanation;
        bool swedish, rules;
    };
    const Case cases[] = {
        {"FRA56410.DAT", "Le repas <a été préparé> par mon père.#passiv#aktiv",
         "Meningen är passiv", true, true},
        {"FRA53100.DAT", "<Heureusement>, il ne pleut pas.#adverb#adjektiv",
         "heureusement är adverb", true, false},
        {"FRA58400.DAT", "Elle donne une pomme <à son Frère>.#dativobjekt#ackusativobjekt#predikatsfyllnad",
         "à son Frère är dativobjekt", false, false},
        {"FRA58400.DAT", "Une phrase sans marque.#predikatsfyllnad#ackusativobjekt",
         "Rätt svar är predikatsfyllnad", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + " " + c.line);
        open(c.file, {"$Rubrik", c.line});
        EXPECT_EQ(child<QPushButton>(*window, "Button1")->text().toStdString(),
                  c.swedish ? "&Rätta felen" : "Corrigez les &fautes");
        EXPECT_EQ(child<QPushButton>(*window, "Button3")->text().toStdString(),
                  c.swedish ? "A&vbryt" : "A&nnuler");
        EXPECT_EQ(visible(*window, "BitBtn2"), c.rules);
        const int wrong = wrongTile(), right = rightTile();
        window->PanelMouseDown(wrong, Qt::LeftButton);
        shot(*window, "passakt-wrong-" + c.file);
        EXPECT_TRUE(visible(*window, "Label7"));
        EXPECT_EQ(text(*window, "Label7"), c.explanation);
        EXPECT_TRUE(lit(right));
        EXPECT_FALSE(lit(wrong));
        EXPECT_FALSE(tilesEnabled());
        EXPECT_EQ(f.s.WrongCount, 1);
        EXPECT_EQ(f.s.ErrorCount[static_cast<std::size_t>(f.s.CurrentFileIndex)], 1);
    }
    open("FRA56410.DAT", passiveActive());
    child<QPushButton>(*window, "BitBtn2")->click();
    ASSERT_FALSE(opener.opened.empty());
    EXPECT_EQ(opener.opened.back().kind, WindowKind::TRegelform);
    EXPECT_EQ(opener.opened.back().ruleNumber, 56410);
}

TEST_F(PassAktTest, NoItemIsAnsweredTwiceWhileTheRightAnswerShows) {
    open("FRA56410.DAT", passiveActive());
    window->PanelMouseDown(wrongTile(), Qt::LeftButton);
    EXPECT_EQ(f.s.QuestionNumber, 2);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingAnswer);

    // Esc and "Fortsätta" during the display leave the tiles closed.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(visible(*window, "Panel9"));
    child<QPushButton>(*window, "Button2")->click();
    EXPECT_FALSE(visible(*window, "Panel9"));
    EXPECT_FALSE(tilesEnabled());
    window->PanelMouseDown(rightTile(), Qt::LeftButton);
    EXPECT_EQ(f.s.QuestionNumber, 2);
    EXPECT_EQ(f.s.RightCount, 0);
    // So do the settings.
    window->BitBtn1Click();
    EXPECT_FALSE(tilesEnabled());

    endWait(*window);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
    EXPECT_TRUE(tilesEnabled());
    EXPECT_FALSE(visible(*window, "Label7"));

    // The right button opens the escape panel and counts nothing.
    QTest::mouseClick(tile(1), Qt::RightButton);
    EXPECT_TRUE(visible(*window, "Panel9"));
    EXPECT_EQ(f.s.QuestionNumber, 2);
    EXPECT_TRUE(child<QPushButton>(*window, "Button1")->isEnabled()) << "one item to correct";
    child<QPushButton>(*window, "Button2")->click();
    EXPECT_EQ(f.s.QuestionNumber, 2) << "the run goes on";
    QTest::mouseClick(tile(rightTile()), Qt::LeftButton);
    EXPECT_EQ(f.s.RightCount, 1);
    EXPECT_EQ(f.s.QuestionNumber, 3);
}

TEST_F(PassAktTest, ARunEndsWithPraiseAndTheCorrectionRunStartsOnACleanScreen) {
    open("FRA56410.DAT", passiveActive());
    for (int q = 1; q <= 10; ++q) {
        ASSERT_EQ(window->runState(), ExerciseWindow::RunState::Answering) << q;
        window->PanelMouseDown(q == 4 || q == 10 ? wrongTile() : rightTile(), Qt::LeftButton);
        if (q == 4) endWait(*window);
    }
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::ShowingLastAnswer);
    EXPECT_FALSE(tilesEnabled());
    endWait(*window);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_EQ(f.s.RightCount, 8);
    EXPECT_TRUE(visible(*window, "LovordPanel")) << "8 of 10 earns praise";
    EXPECT_TRUE(visible(*window, "BildPanelen"));
    EXPECT_TRUE(visible(*window, "Panel9"));
    EXPECT_FALSE(tilesEnabled());
    shot(*window, "passakt-end");

    child<QPushButton>(*window, "Button1")->click();
    EXPECT_FALSE(visible(*window, "LovordPanel"));
    EXPECT_FALSE(visible(*window, "BildPanelen"));
    EXPECT_EQ(f.s.CorrectionRun, 1);
    EXPECT_EQ(f.s.RunLength, 2);
    EXPECT_TRUE(tilesEnabled());
    window->PanelMouseDown(rightTile(), Qt::LeftButton);
    window->PanelMouseDown(rightTile(), Qt::LeftButton);
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Ended);
    EXPECT_EQ(f.s.ErrorCount[static_cast<std::size_t>(f.s.CurrentFileIndex)], 0);
    EXPECT_FALSE(visible(*window, "LovordPanel")) << "no praise after a correction run";

    child<QPushButton>(*window, "Button2")->click();
    EXPECT_EQ(f.s.QuestionNumber, 1);
    EXPECT_EQ(f.s.RunLength, 10);
    EXPECT_EQ(f.s.CorrectionRun, 0);
    EXPECT_TRUE(tilesEnabled());
    EXPECT_TRUE(visible(*window, "InstruktionsLabel")) << "the new run shows its instruction";
}

TEST_F(PassAktTest, WorksheetLinesReadBack) {
    FakePrinting printing;
    context.printing = &printing;
    TUtskrift utskrift(context);
    context.worksheet = &utskrift;
    f.s.ExerciseMode = Mode::Worksheet;
    open("FRA58400.DAT", {"$Satsdelar", "$Ao/do/pf", "$%Ackusativobjekt, dativobjekt eller predikatsfyllnad ?",
                          "Mon père est <médecin>.#PRED.F.#Ack.#Dat.",
                          "Elle est <française>.#predikatsfyllnad#ackusativobjekt"});
    EXPECT_FALSE(visible(*window, "Panel1")) << "no tiles on a worksheet";
    EXPECT_FALSE(visible(*window, "Panel9"));
    child<QPushButton>(*window, "SkrivutAntalButton")->click();
    child<QAbstractButton>(*window, "SkrivutSpinButtonUp")->click();
    child<QPushButton>(*window, "SkrivutKlartButton")->click();
    auto lines = [&](Sheet sheet) {
        std::vector<std::string> out;
        for (const WorksheetLine& l : utskrift.worksheet().lines(sheet)) out.push_back(l.text.toUtf8());
        return out;
    };
    const std::vector<std::string> q = lines(Sheet::Questions), a = lines(Sheet::Answers);
    ASSERT_EQ(q.size(), 6u);
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(q[0], "1.  Satsdelar Ao/do/pf");
    EXPECT_EQ(q[1], "      Ackusativobjekt, dativobjekt eller predikatsfyllnad ?");
    EXPECT_EQ(q[3], "       " + std::string(28, '_'));
    EXPECT_EQ(q[5], "       " + std::string(28, '_'));
    // Both items, numbered in the order drawn; each answer written out with a capital.
    EXPECT_TRUE(q[2].starts_with("   1. ")) << q[2];
    EXPECT_TRUE(q[4].starts_with("   2. ")) << q[4];
    std::set<std::pair<std::string, std::string>> items = {{q[2].substr(6), a[3]}, {q[4].substr(6), a[5]}};
    EXPECT_EQ(items, (std::set<std::pair<std::string, std::string>>{
                         {"Mon père est <médecin>.", "       Predikatsfyllnad"},
                         {"Elle est <française>.", "       Predikatsfyllnad"}}));
    EXPECT_EQ(a[2], q[2]);
    EXPECT_EQ(a[4], q[4]);
}

TEST_F(PassAktTest, ItemsThatCannotBeAskedAreSkippedAndOddOnesShownAsWellAsTheyCan) {
    const std::string longSentence = [] {
        std::string s;
        while (s.size() < 2000) s += "Le chat <mange> la souris dans la grande cuisine. ";
        return s.substr(0, 2000);
    }();
    const std::string longAnswer = "ackusativobjekt, som är mycket långt";
    open("FRA58400.DAT", {"$Satsdelar", "Une phrase sans réponse.##aktiv#passiv",
                          "Une phrase avec £.#£passiv#aktiv", "Il <lit>.#predikat",
                          longSentence + "#aktiv#passiv",
                          "Je lis <un livre>.#" + longAnswer + "#dativobjekt"});
    std::set<std::string> seen;
    for (int q = 1; q <= 10 && window->runState() == ExerciseWindow::RunState::Answering; ++q) {
        const std::string first = f.s.ItemFields[1].toUtf8();
        seen.insert(first.substr(0, 20));
        ASSERT_FALSE(f.s.ItemFields[2].empty()) << "an item without a right answer is never asked";
        ASSERT_FALSE(window->tiles().empty());
        if (first == "Il <lit>.") {
            EXPECT_EQ(shownTiles(), (std::vector<std::string>{"predikat"}));
        }
        if (first.size() == 2000) {
            // Two lines, the second ending where the text was cut.
            EXPECT_TRUE(text(*window, "Label3").ends_with(" ...")) << text(*window, "Label3");
        }
        if (first.starts_with("Je lis")) {
            EXPECT_EQ(shownTiles()[0], "ackusativobjekt, som är mycket") << "cut to 30 characters";
            window->PanelMouseDown(rightTile(), Qt::LeftButton);
            EXPECT_TRUE(f.s.LastAnswerRight) << "the cut right answer is right by its tile";
            continue;
        }
        window->PanelMouseDown(rightTile(), Qt::LeftButton);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(f.messages.shown.empty());

    // A file where no item can be asked: the pupil is told and can leave.
    open("FRA53100.DAT", {"$Adverb", "Il parle <lentement>.##adverb", "Elle chante.#£adverb"});
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("FRA53100.DAT finns inte eller är felaktig"), std::string::npos);
    EXPECT_TRUE(visible(*window, "Panel9"));
    EXPECT_FALSE(visible(*window, "Panel1"));
    child<QPushButton>(*window, "Button3")->click();
    EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Closed);
}
