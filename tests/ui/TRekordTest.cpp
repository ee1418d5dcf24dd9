// The record table window: the new score in its place among the stored ones, storing with Enter
// and leaving with Esc, a full table, damaged files and a score directory that cannot be used.

#include "ExerciseFixture.h"
#include "ScoreTableFile.h"
#include "TRekord.h"

using namespace orvela;
using namespace orvela::testing;

namespace {

ScoreRecord rec(const std::string& name, std::int32_t score) {
    ScoreRecord r;
    r.name = A(name);
    r.year = 2025;
    r.month = 11;
    r.day = 2;
    r.hour = 8;
    r.minute = 5;
    r.score = score;
    return r;
}

struct RekordTest : ExerciseFixture {
    std::unique_ptr<TRekord> window;
    fs::path file = f.content.root() / "RESULTAT" / "GLOSOR1.FNR";

    RekordTest() {
        f.s.WordListTitle = A("Mycket lätta glosor");
        f.s.RecordFile = file.string();
        f.s.NewRecord = ScoreRecord{};
        f.s.NewRecord.name = A("Eva");
        f.clock.time = DateTime{2026, 12, 6, 10, 30, 15, 250};
    }
    void store(const std::vector<ScoreRecord>& records) {
        f.content.writeRaw("RESULTAT/GLOSOR1.FNR", encodeScoreRecords(records));
    }
    void open(std::int32_t score) {
        f.s.NewRecord.score = score;
        window = std::make_unique<TRekord>(context);
        window->show();
    }
    std::string cell(int row, int column) { return window->cellText(row, column).toStdString(); }
    std::string bytes() { return readWholeFile(file).value_or("<missing>"); }
    std::vector<ScoreRecord> stored() {
        std::size_t stray = 0;
        return decodeScoreRecords(bytes(), stray);
    }
};

} // namespace

TEST_F(RekordTest, TheNewScoreShowsInItsPlaceAndEnterStoresIt) {
    store({rec("Ola", 900), rec("Kim", 400), rec("Lisa", 400), rec("Bo", 12)});
    open(400);
    EXPECT_EQ(text(*window, "Label2"), "Rekordtabell för ");
    EXPECT_EQ(text(*window, "Label3"), "Mycket lätta glosor");
    EXPECT_EQ(cell(0, 1), "       Namn");
    EXPECT_EQ(window->newRow(), 4) << "after the equal scores";
    EXPECT_EQ(cell(4, 0), "    4");
    EXPECT_EQ(cell(4, 1), "   Eva");
    EXPECT_EQ(cell(4, 2), " 261206 10:30");
    EXPECT_EQ(cell(4, 3), "      400");
    EXPECT_EQ(cell(5, 1), "   Bo");
    EXPECT_EQ(cell(5, 3), "        12");
    EXPECT_EQ(window->topRow(), 1);
    shot(*window, "rekord-table");

    f.clock.time.minute = 31;
    QTest::keyClick(child(*window, "StringGrid1"), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    const auto records = stored();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[3].name, A("Eva"));
    EXPECT_EQ(records[3].minute, 31) << "dated when stored";
    EXPECT_EQ(records[3].year, 2026);
    EXPECT_EQ(records[4].name, A("Bo"));
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(RekordTest, EscLeavesTheFileAsItWas) {
    store({rec("Ola", 900)});
    const std::string before = bytes();
    open(1000);
    EXPECT_EQ(window->newRow(), 1);
    QTest::keyClick(child(*window, "StringGrid1"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(bytes(), before);
}

TEST_F(RekordTest, TheFirstTableOfAListIsCreatedEmptyAndAnEmptyNameIsStored) {
    f.s.NewRecord.name = AnsiText();
    open(-15);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(window->newRow(), 1);
    EXPECT_EQ(cell(1, 3), "       -15") << "a negative score shows as a number";
    window->Button1Click();
    const auto records = stored();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].score, -15);
    EXPECT_TRUE(records[0].name.empty());
}

TEST_F(RekordTest, AFullTableShowsALowScoreMarkedAndNeverStoresIt) {
    std::vector<ScoreRecord> full;
    for (int i = 0; i < 100; ++i)
        full.push_back(rec("E" + std::to_string(i), 5000 - 10 * i));
    store(full);
    const std::string before = bytes();
    open(4010); // equal to the hundredth
    EXPECT_EQ(window->newRow(), kExtraRow);
    EXPECT_EQ(cell(kExtraRow, 0), "  X");
    EXPECT_EQ(cell(kExtraRow, 1), "   Eva");
    EXPECT_EQ(cell(100, 1), "   E99");
    EXPECT_GT(window->topRow(), 60) << "the marked row is scrolled into view";
    shot(*window, "rekord-full");
    window->Button1Click();
    EXPECT_EQ(bytes(), before);

    open(4505);
    EXPECT_EQ(window->newRow(), 51);
    EXPECT_GT(window->topRow(), 30);
    EXPECT_LT(window->topRow(), 51);
    window->Button1Click();
    const auto records = stored();
    ASSERT_EQ(records.size(), 100u);
    EXPECT_EQ(records[50].name, A("Eva"));
    EXPECT_EQ(records[99].name, A("E98")) << "the old hundredth dropped out";

    open(4085); // between E91 (4090) and E92 (4080), one row lower for Eva above them
    EXPECT_EQ(window->newRow(), 94);
    EXPECT_LE(window->topRow(), 90) << "scrolled as far down as the table goes";
    EXPECT_GT(window->topRow(), 60);
}

TEST_F(RekordTest, ADamagedFileIsShownAndKeptAsideWhenTheNextScoreIsStored) {
    const std::string damaged = encodeScoreRecords({rec("Ola", 300)}) + "\x09trasig";
    f.content.writeRaw("RESULTAT/GLOSOR1.FNR", damaged);
    open(500);
    EXPECT_EQ(window->newRow(), 1);
    EXPECT_EQ(cell(2, 1), "   Ola");
    window->Button1Click();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("GLOSOR1-2612061030.BAD"), std::string::npos)
        << f.messages.shown[0];
    EXPECT_EQ(readWholeFile(file.parent_path() / "GLOSOR1-2612061030.BAD"), damaged);
    EXPECT_EQ(stored().size(), 2u);
}

TEST_F(RekordTest, AScoreDirectoryThatCannotBeUsedIsToldAndTheWindowNotShown) {
    f.content.writeRaw("RESULTAT/fil", "x");
    f.s.RecordFile = (f.content.root() / "RESULTAT" / "fil" / "GLOSOR1.FNR").string();
    f.s.NewRecord.score = 300;
    TRekord w(context);
    EXPECT_TRUE(w.failed());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("Rekordtabellen kan inte sparas i katalogen"),
              std::string::npos)
        << f.messages.shown[0];
    EXPECT_EQ(w.exec(), QDialog::Rejected) << "returns at once";
}

TEST_F(RekordTest, AStoreThatFailsIsToldAndNothingIsLost) {
    store({rec("Ola", 300)});
    open(500);
    // The directory becomes unusable between showing and storing.
    fs::remove(file);
    fs::create_directories(file);
    window->Button1Click();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("Resultatet kunde inte sparas"), std::string::npos);
    EXPECT_FALSE(window->isVisible());
}
