// The graded-level exercise: levels up and down with the level box and gauge, its own pauses,
// the panel with the level store behind the name box, the diploma and its printout, bad data
// files, and worksheet lines.

#include "TStegran.h"

#include "DiplomaPrintout.h"
#include "ExerciseFixture.h"
#include "FakePrinting.h"
#include "LevelStore.h"
#include "PdfPrinting.h"
#include "TUtskrift.h"

#include <QImage>
#include <QProgressBar>

using namespace orvela;
using namespace orvela::testing;

namespace {

using RunState = ExerciseWindow::RunState;

// Three levels of two items each: "1 q1b#a1b" asks "q1b" and wants "a1b".
std::vector<std::string> levels(int count) {
    std::vector<std::string> lines = {"$Räkneord", "$§Skriv med bokstäver."};
    for (int level = 1; level <= count; ++level)
        for (const char* k : {"a", "b"}) {
            const std::string l = std::to_string(level) + k;
            lines.push_back(std::to_string(level) + " q" + l + "#a" + l + "#&alt" + l);
        }
    return lines;
}

struct TstegranTest : ExerciseFixture {
    std::unique_ptr<TStegran> window;

    void open(const std::vector<std::string>& lines = levels(3),
              const std::string& name = "FRA54110.DAT") {
        prepare(name, lines);
        window = std::make_unique<TStegran>(context);
        window->show();
    }
    AnswerEdit* edit1() { return child<AnswerEdit>(*window, "Edit1"); }
    std::string field(int k) { return f.s.ItemFields[static_cast<std::size_t>(k)].toUtf8(); }
    int gauge() { return child<QProgressBar>(*window, "Gauge1")->value(); }
    int shownLevel() { return std::stoi(text(*window, "NivLabel2")); }
    int levelPoints() { return child<QLabel>(*window, "NivLabel2")->font().pointSize(); }
    // Answers the item on the screen and ends the pause.
    void answer(bool right) {
        edit1()->setText(QString::fromStdString(right ? field(2) : "fel"));
        QTest::keyClick(edit1(), Qt::Key_Return);
        endPause();
    }
    void endPause() {
        for (int tick = 0; window->runState() == RunState::ShowingAnswer && tick < 99; ++tick)
            window->Timer1Timer();
    }
    void nameBox(const char* button, const std::string& name) {
        QTest::keyClick(edit1(), Qt::Key_Escape);
        child<QPushButton>(*window, button)->click();
        ASSERT_TRUE(visible(*window, "namnruta"));
        typeAndEnter(child<QLineEdit>(*window, "Edit2"), QString::fromStdString(name));
    }
    fs::path store() { return f.content.root() / "RESULTAT" / "FXACT.STE"; }
};

} // namespace

TEST_F(TstegranTest, ThreeRightRaiseTheLevelAndOneWrongLowersIt) {
    open();
    EXPECT_EQ(window->levelCount(), 3);
    EXPECT_EQ(window->level(), 1);
    EXPECT_EQ(text(*window, "NivLabel1"), "Niveau");
    EXPECT_EQ(child<QProgressBar>(*window, "Gauge1")->maximum(), 3);
    EXPECT_EQ(gauge(), 1);
    EXPECT_FALSE(visible(*window, "Aster1") || visible(*window, "Panel1"));
    EXPECT_TRUE(field(1).starts_with("q1")) << "the items of level 1 come first";

    // The level number grows with the right answers in a row.
    std::vector<int> points = {levelPoints()};
    answer(true);
    points.push_back(levelPoints());
    answer(true);
    points.push_back(levelPoints());
    EXPECT_EQ(points, (std::vector<int>{18, 24, 30}));
    EXPECT_EQ(window->level(), 1);
    answer(true);
    EXPECT_EQ(window->level(), 2);
    EXPECT_EQ(shownLevel(), 2);
    EXPECT_EQ(gauge(), 2);
    EXPECT_EQ(levelPoints(), 18);
    EXPECT_TRUE(field(1).starts_with("q2"));

    // A wrong answer lowers the level and starts the run of right answers again.
    answer(true);
    answer(true);
    answer(false);
    EXPECT_EQ(window->level(), 1);
    EXPECT_EQ(gauge(), 1);
    EXPECT_EQ(f.s.RightCount, 0);
    answer(true);
    answer(true);
    EXPECT_EQ(window->level(), 1) << "two right after a wrong one are not three in a row";
    answer(false);
    answer(false);
    EXPECT_EQ(window->level(), 1) << "never below 1";
    EXPECT_EQ(f.s.WrongCount, 3);
    // An alternative answer is right too.
    edit1()->setText(QString::fromStdString("alt" + field(1).substr(1)));
    QTest::keyClick(edit1(), Qt::Key_Return);
    EXPECT_EQ(f.s.LastAnswerRight, 1);
}

TEST_F(TstegranTest, ItsOwnPausesAndEnterOncePerItem) {
    f.s.ShowAnswerSeconds = 7;
    open();
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    const std::string first = field(1);
    edit1()->setText(QString::fromStdString(field(2)));
    QTest::keyClick(edit1(), Qt::Key_Return);
    QTest::keyClick(edit1(), Qt::Key_Return);
    EXPECT_EQ(f.s.RightCount, 1) << "Enter during the pause does not count the item again";
    EXPECT_EQ(timer->interval(), 10);
    int ticks = 0;
    for (; window->runState() == RunState::ShowingAnswer && ticks < 99; ++ticks)
        window->Timer1Timer();
    EXPECT_EQ(ticks, 30) << "0.3 s in ticks of 10 ms";

    edit1()->setText(QStringLiteral("fel"));
    QTest::keyClick(edit1(), Qt::Key_Return);
    EXPECT_TRUE(visible(*window, "Label6"));
    EXPECT_EQ(text(*window, "Label6"), field(2));
    EXPECT_EQ(timer->interval(), 100);
    for (ticks = 0; window->runState() == RunState::ShowingAnswer && ticks < 99; ++ticks)
        window->Timer1Timer();
    EXPECT_EQ(ticks, 30) << "3 s in ticks of 100 ms";
    EXPECT_EQ(f.s.ShowAnswerSeconds, 7) << "the pupil's setting is left alone";

    // Space cuts a pause short.
    edit1()->setText(QStringLiteral("fel"));
    QTest::keyClick(edit1(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Space);
    window->Timer1Timer();
    EXPECT_EQ(window->runState(), RunState::Answering);
    EXPECT_TRUE(edit1()->isEnabled());
    (void)first;
}

TEST_F(TstegranTest, TheLevelIsKeptAndFetchedUnderTheName) {
    // A diagnosis directory that takes no file: the pupil is told, the level store goes to
    // RESULTAT.
    f.s.DiagnosisDir = (f.content.root() / "no" / "such" / "directory").string();
    open();
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_TRUE(f.messages.shown[0].starts_with("Diagnosen kan inte sparas i katalogen"));
    EXPECT_EQ(f.s.DiagnosisDir, f.shell.resultDir());
    for (int k = 0; k < 6; ++k) answer(true);
    ASSERT_EQ(window->level(), 3);
    nameBox("Button2", "Eva");
    EXPECT_EQ(f.s.PupilName, A("Eva"));
    EXPECT_FALSE(visible(*window, "namnruta") || visible(*window, "Panel1"));
    EXPECT_TRUE(edit1()->isEnabled() && window->focusWidget() == edit1());
    LevelStoreContents stored = LevelStore(f.content.root() / "RESULTAT").read();
    ASSERT_EQ(stored.records.size(), 1u);
    EXPECT_EQ(stored.records[0], (LevelRecord{A("Eva"), 3}));

    answer(false);
    answer(false);
    EXPECT_EQ(window->level(), 1);
    nameBox("HaemtaNivaa2", "EVA");
    EXPECT_EQ(window->level(), 3) << "the stored top level is restored, in any letter case";
    EXPECT_EQ(gauge(), 3);
    EXPECT_EQ(shownLevel(), 3);

    // Keeping a lower level replaces the record; there is never a second one.
    answer(false);
    nameBox("Button2", "eva");
    stored = LevelStore(f.content.root() / "RESULTAT").read();
    ASSERT_EQ(stored.records.size(), 1u);
    EXPECT_EQ(stored.records[0].level, 2);

    // A name with no level leaves the level; a store that cannot be read is left alone.
    f.messages.shown.clear();
    nameBox("HaemtaNivaa2", "Bo");
    EXPECT_EQ(window->level(), 2);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Ingen nivå är sparad under namnet Bo.");
    fs::remove(store());
    fs::create_directories(store());
    f.messages.shown.clear();
    nameBox("Button2", "Eva");
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("kan inte läsas. Den lämnas som den är"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(store()));
}

TEST_F(TstegranTest, TheTopLevelMasteredGivesTheDiplomaWhichPrints) {
    FakePrinting printing;
    context.printing = &printing;
    f.clock.time = DateTime{2026, 12, 6, 23, 0, 0, 0};
    f.content.writeRaw("BILD/DIPLOMA.BMP", "not a picture");
    const fs::path picture = f.content.root() / "BILD" / "DIPLOMA.BMP";
    f.s.PupilName = A("Åsa");
    open(levels(2));
    for (int k = 0; k < 5; ++k) answer(true);
    EXPECT_EQ(window->level(), 2);
    EXPECT_FALSE(window->diplomaShown());
    answer(true);
    EXPECT_TRUE(window->diplomaShown());
    EXPECT_TRUE(visible(*window, "DiplomPanel") && visible(*window, "Panel1"));
    EXPECT_TRUE(visible(*window, "PrintButton"));
    EXPECT_FALSE(visible(*window, "Image1")) << "a picture that cannot be read is not shown";
    EXPECT_EQ(window->level(), 2);

    child<QPushButton>(*window, "PrintButton")->click();
    ASSERT_EQ(printing.pages.size(), 1u);
    std::vector<std::string> texts;
    for (const auto& t : printing.pages[0].texts) texts.push_back(t.text);
    for (const char* wanted : {"DIPLÔME", "Räkneord", "Åsa", "a atteint le niveau 2 sur 2",
                               "Le 6 décembre 2026"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), wanted), texts.end()) << wanted;

    // With a picture that can be read it is shown, and printed at the top of the page.
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    ASSERT_TRUE(image.save(QString::fromStdString(picture.string()), "BMP"));
    child<QPushButton>(*window, "Button1")->click();
    for (int k = 0; k < 3; ++k) answer(true);
    ASSERT_TRUE(window->diplomaShown());
    EXPECT_TRUE(visible(*window, "Image1"));
    shot(*window, "tstegran-diploma");
    child<QPushButton>(*window, "PrintButton")->click();
    ASSERT_EQ(printing.pages.size(), 2u);
    ASSERT_EQ(printing.pages[1].pictures.size(), 1u);
    EXPECT_EQ(printing.pages[1].pictures[0].file, picture.string());
    EXPECT_LT(printing.pages[1].pictures[0].y2, printing.pages[1].texts[0].y);

    // Continuing goes on at the top level.
    child<QPushButton>(*window, "Button1")->click();
    EXPECT_FALSE(window->diplomaShown() || visible(*window, "DiplomPanel"));
    EXPECT_TRUE(field(1).starts_with("q2"));
    EXPECT_EQ(DiplomaPrintout::dateText(2027, 5, 1), A("Le 1er mai 2027"));

    // The same page in a PDF file.
    const fs::path pdf = f.content.root() / "diplome.pdf";
    {
        PdfPrinting out(QString::fromStdString(pdf.string()));
        const Diploma d{A("X-ACT"), A("Åsa Öberg"), 13, 13, 2026, 12, 6, picture};
        EXPECT_EQ(DiplomaPrintout::print(out, d), PrintOutcome::Printed);
    }
    EXPECT_GT(fs::file_size(pdf), 1000u);
    if (!qgetenv("ORVELA_SHOT_DIR").isEmpty())
        fs::copy_file(pdf, qgetenv("ORVELA_SHOT_DIR").toStdString() + "/tstegran-diploma.pdf",
                      fs::copy_options::overwrite_existing);
}

TEST_F(TstegranTest, BadDataFilesAreReportedAndNothingBreaks) {
    std::vector<std::string> lines = levels(2);
    lines.push_back("123 trois chiffres#x");
    for (int k = 0; k < 200; ++k) lines.push_back("1 many" + std::to_string(k) + "#x");
    lines.push_back("4 q4#a4");
    open(lines);
    EXPECT_EQ(window->levelCount(), 2);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    const std::string& m = f.messages.shown[0];
    EXPECT_NE(m.find("nivån 123 har fler än två siffror"), std::string::npos) << m;
    EXPECT_NE(m.find("Nivå 1 har 202 uppgifter; bara de första 120 används."), std::string::npos);
    EXPECT_NE(m.find("Nivå 3 saknas"), std::string::npos);
    EXPECT_TRUE(edit1()->isEnabled());

    f.messages.shown.clear();
    open({"$Räkneord", "inga nivåer#x"}, "FRA54111.DAT");
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_EQ(f.messages.shown[0], "Filen FRA54111.DAT finns inte eller är felaktig");
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_FALSE(child<QPushButton>(*window, "Button1")->isEnabled());
    EXPECT_FALSE(edit1()->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(window->runState(), RunState::Closed);
}

TEST_F(TstegranTest, WorksheetLinesUnderTheFallbackHeading) {
    FakePrinting printing;
    context.printing = &printing;
    TUtskrift utskrift(context);
    context.worksheet = &utskrift;
    f.s.ExerciseMode = Mode::Worksheet;
    open({"1 douze#tolv#&douze"});
    EXPECT_FALSE(visible(*window, "Edit1") || visible(*window, "NivPanel"));
    EXPECT_EQ(text(*window, "Label5"), "douze") << "the level digits are no part of the question";
    child<QPushButton>(*window, "ValjaUtButton")->click();
    child<QPushButton>(*window, "SkrivutSkickaButton")->click();
    std::vector<std::string> lines;
    for (const WorksheetLine& l : utskrift.worksheet().lines(Sheet::Answers))
        lines.push_back(l.text.toUtf8());
    EXPECT_EQ(lines, (std::vector<std::string>{"1.  X-ACT", "   1. douze",
                                               "       tolv eller douze."}));
}
