// The class overview of the diagnosis: the state of each cell, the order of the pupils, averages
// and counts, the text table, and the landscape printout with its pages.

#include "ClassOverview.h"
#include "ClassOverviewPrintout.h"
#include "Diagnoses.h"
#include "FakePrinting.h"
#include "Scrambling.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace orvela;
using namespace orvela::testing;

namespace {

DiagnosisRecord withResult(DiagnosisRecord r, int programme, int result, int status) {
    r.result[static_cast<std::size_t>(programme)] = result;
    r.status[static_cast<std::size_t>(programme)] = static_cast<std::uint8_t>(status);
    return r;
}

// Anna has done programme 1 in every way the file can hold; Bo only programme 1; Cia nothing.
std::vector<DiagnosisRecord> classInEveryState() {
    DiagnosisRecord anna = pupil("Anna");
    anna = withResult(anna, 1, 17, StatusTester);  // passed
    anna = withResult(anna, 2, 12, StatusExercer); // below the pass mark
    anna = withResult(anna, 3, 11, StatusTester);  // passed after the follow-up exercise
    anna = withResult(anna, 4, 0, StatusExercer);  // broken off after an earlier result
    anna = withResult(anna, 5, 0, StatusTester);   // waits no more, not done
    anna = withResult(anna, 6, 15, StatusTester);  // exactly the pass mark
    anna = withResult(anna, 7, 14, StatusCommencer);
    anna = withResult(anna, 8, 99, StatusExercer); // damaged: above 20 counts as 20
    anna = withResult(anna, 9, -4, 7);             // damaged: below 0 counts as 0
    DiagnosisRecord bo = withResult(pupil("Bo"), 1, 8, StatusExercer);
    DiagnosisRecord cia = pupil("Cia");
    return {cia, bo, anna};
}

struct OverviewPrinting : ::testing::Test {
    FakePrinting printer;
    DateTime date{2026, 12, 6, 10, 30, 0, 0};

    static std::string pupilName(int i) {
        return "Elev " + std::string(i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i);
    }
    static std::vector<DiagnosisRecord> manyPupils(int n) {
        std::vector<DiagnosisRecord> records;
        for (int i = n - 1; i >= 0; --i) {
            DiagnosisRecord r = pupil(pupilName(i));
            r = withResult(r, 1 + i % 18, 5 + i % 16, i % 3 == 0 ? StatusTester : StatusExercer);
            records.push_back(r);
        }
        return records;
    }
};

} // namespace

TEST(ClassOverviewRules, EachCellFollowsTheResultAndTheStoredStatus) {
    const ClassOverview o = ClassOverview::fromRecords(classInEveryState());
    ASSERT_EQ(o.rows().size(), 3u);
    const OverviewRow& anna = o.rows()[0];
    EXPECT_EQ(anna.name.toUtf8(), "Anna");
    EXPECT_EQ(anna.record, 2u) << "the row knows its record's place in the file";
    struct Case {
        int programme;
        OverviewState state;
        int percent;
        const char* text;
    } cases[] = {
        {1, OverviewState::Passed, 85, "85"},
        {2, OverviewState::BelowPassMark, 60, "60!"},
        {3, OverviewState::PassedAfterFollowUp, 55, "55*"},
        {4, OverviewState::BelowPassMark, 0, "0!"},
        {5, OverviewState::NotDone, 0, "-"},
        {6, OverviewState::Passed, 75, "75"},
        {7, OverviewState::BelowPassMark, 70, "70!"},
        {8, OverviewState::Passed, 100, "100"},
        {9, OverviewState::NotDone, 0, "-"},
        {18, OverviewState::NotDone, 0, "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(anna.cell(c.programme).state, c.state) << "programme " << c.programme;
        EXPECT_EQ(anna.cell(c.programme).percent, c.percent) << "programme " << c.programme;
        EXPECT_EQ(ClassOverview::cellText(anna.cell(c.programme)), c.text)
            << "programme " << c.programme;
    }
    EXPECT_EQ(anna.passed, 4) << "1, 3, 6 and 8";
    EXPECT_EQ(o.rows()[1].passed, 0);

    // Each state has its own colour.
    std::set<std::tuple<int, int, int>> colours;
    for (OverviewState s : kLegendOrder) {
        const OverviewColour c = ClassOverview::stateColour(s);
        colours.insert({c.red, c.green, c.blue});
    }
    EXPECT_EQ(colours.size(), 4u);
}

TEST(ClassOverviewRules, PupilsAreInTheOrderOfTheNameListWithStoredNamesUnscrambled) {
    std::vector<DiagnosisRecord> records;
    // Letter case and accents ignored, Å Ä Ö after Z; ties by character code.
    for (const char* name : {"Örjan", "bo", "Åsa", "Anna", "Émile", "Bo"})
        records.push_back(pupil(name));
    records.push_back(pupil(""));
    DiagnosisRecord scrambled = pupil("x");
    scrambled.name = kryptrad(A("Zoé"));
    records.push_back(scrambled);
    std::vector<std::string> order;
    const ClassOverview o = ClassOverview::fromRecords(records);
    for (const OverviewRow& r : o.rows())
        order.push_back(ClassOverview::displayName(r.name).toUtf8());
    EXPECT_EQ(order, (std::vector<std::string>{"(namn saknas)", "Anna", "Bo", "bo", "Émile",
                                               "Zoé", "Åsa", "Örjan"}));
    EXPECT_EQ(ClassOverview::displayName(A("Li\nsa\x7f")).toUtf8(), "Li?sa?");
}

TEST(ClassOverviewRules, AveragesCountOnlyThePupilsWhoHaveDoneTheProgramme) {
    std::vector<DiagnosisRecord> records = classInEveryState();
    records.push_back(withResult(pupil("Dan"), 1, 20, StatusTester));
    records.push_back(withResult(pupil("Eva"), 2, 19, StatusTester));
    const ClassOverview o = ClassOverview::fromRecords(records);

    // Programme 1: Anna 85, Bo 40, Dan 100; Cia and Eva have not done it.
    const OverviewColumn& one = o.column(1);
    EXPECT_EQ(one.average, 75);
    EXPECT_EQ(one.done(), 3);
    EXPECT_EQ(one.passed(), 2);
    EXPECT_EQ(one.of(OverviewState::BelowPassMark), 1);
    EXPECT_EQ(one.of(OverviewState::NotDone), 2);
    // Programme 2: Anna 60, Eva 95: 77.5 rounds to 78.
    EXPECT_EQ(o.column(2).average, 78);
    // Programme 4: a test broken off counts with 0 %.
    EXPECT_EQ(o.column(4).average, 0);
    EXPECT_EQ(o.column(4).done(), 1);
    // Nobody has done programme 18.
    EXPECT_FALSE(o.column(18).average.has_value());
    EXPECT_EQ(ClassOverview::averageText(o.column(18)), "-");
    EXPECT_EQ(ClassOverview::averageText(one), "75 %");
    std::vector<std::string> summary;
    for (int s = 0; s < ClassOverview::kSummaryRows; ++s)
        summary.push_back(std::string(ClassOverview::summaryHeading(s)) + "=" +
                          ClassOverview::summaryText(one, s));
    EXPECT_EQ(summary, (std::vector<std::string>{"Medelvärde=75 %", "Godkända=2", "Ska öva=1",
                                                 "Inte gjort=2"}));

    const ClassOverview none = ClassOverview::fromRecords({});
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(none.column(1).average.has_value());
}

TEST(ClassOverviewRules, TheTextTableHasALinePerPupilAndAColumnPerProgramme) {
    std::vector<DiagnosisRecord> records = classInEveryState();
    DiagnosisRecord longName = pupil("x");
    longName.name = A(std::string(100, 'L')); // only a record in memory can hold it
    records.push_back(longName);
    const std::string text = ClassOverview::fromRecords(records).textTable(24);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    // A name column as wide as the widest name as the name list shows it (21 characters at
    // most), a column of 6 per programme, the count of passed programmes.
    auto line = [](std::string name, std::size_t nameBytes, std::vector<std::string> cells,
                   const std::string& passed) {
        name += std::string(21 - nameBytes, ' ');
        cells.resize(18, "-");
        for (const std::string& c : cells)
            name += std::string(6 - c.size(), ' ') + c;
        return passed.empty() ? name : name + std::string(10 - passed.size(), ' ') + passed;
    };
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[0], line("Namn", 4, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11",
                                         "12", "13", "14", "15", "16", "17", "18"},
                             "") + "  Godkända");
    EXPECT_EQ(lines[1], line("Anna", 4, {"85", "60!", "55*", "0!", "-", "75", "70!", "100"}, "4"));
    EXPECT_EQ(lines[2], line("Bo", 2, {"40!"}, "0"));
    EXPECT_EQ(lines[3], line("Cia", 3, {}, "0"));
    EXPECT_EQ(lines[4], line(std::string(21, 'L'), 21, {}, "0"));
    EXPECT_EQ(lines[5].substr(0, 21 + 1 + 12), "Medelvärde" + std::string(11, ' ') + "  63 %  60 %")
        << "the average of 85 and 40, rounded";
    EXPECT_NE(text.find("\n 12  Verbtema  Oregelbundna verb, tema\n"), std::string::npos);
    EXPECT_NE(text.find("85 godkänt, 60* godkänt efter övning, 60! under godkäntgränsen, - inte "
                        "gjort."),
              std::string::npos)
        << text;
}

TEST_F(OverviewPrinting, TheOverviewIsPrintedAcrossTheFittedPageWithColoursAndLegend) {
    const ClassOverview o = ClassOverview::fromRecords(classInEveryState());
    ClassOverviewPrintout printout(o, date);
    EXPECT_EQ(printout.print(printer), PrintOutcome::Printed);
    EXPECT_EQ(printer.orientation, PageOrientation::Landscape);
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].ended);
    EXPECT_EQ(printer.jobs[0].name, "Klassöversikt");

    ASSERT_NE(printer.find(0, "Klassöversikt, diagnosen (3 elever)"), nullptr);
    const FakePrinting::Text* right = printer.find(0, "Utskriven 2026-12-06    Sida 1 av 1");
    ASSERT_NE(right, nullptr);
    EXPECT_LE(right->x + 2 * right->font.pointSize * 35, 2970) << "inside the page across";
    for (const char* heading : {"Namn", "Godkända", "Glosor", "Imperativ", "Verbtema",
                                "Medelvärde", "Ska öva", "Inte gjort", "Anna", "Bo", "Cia"})
        EXPECT_NE(printer.findExact(0, heading), nullptr) << heading;

    // Every cell of a pupil is filled in its state's colour; the widest line stays on the page.
    const ClassOverviewPrintout::Layout& l = printout.lastLayout();
    EXPECT_LE(l.tableWidth(), 2970 - 2 * 100) << "fitted between the margins";
    EXPECT_GT(l.tableWidth(), 2970 - 2 * 100 - 400) << "at the largest font that fits";
    EXPECT_EQ(l.points, 8);
    std::map<std::tuple<int, int, int>, int> fills;
    int rightmost = 0;
    for (const FakePrinting::Shape& s : printer.pages[0].shapes) {
        rightmost = std::max(rightmost, std::max(s.x1, s.x2));
        if (s.filled) ++fills[{s.colour.red, s.colour.green, s.colour.blue}];
    }
    EXPECT_LE(rightmost, 2970 - 100);
    auto filled = [&](OverviewState s) {
        const OverviewColour c = ClassOverview::stateColour(s);
        return fills[{c.red, c.green, c.blue}];
    };
    // 3 pupils x 18 cells, plus one swatch per state in the legend.
    EXPECT_EQ(filled(OverviewState::Passed), 3 + 1);
    EXPECT_EQ(filled(OverviewState::BelowPassMark), 4 + 1);
    EXPECT_EQ(filled(OverviewState::PassedAfterFollowUp), 1 + 1);
    EXPECT_EQ(filled(OverviewState::NotDone), 54 - 8 + 1);
    for (const std::string& line : ClassOverview::legendLines())
        EXPECT_NE(printer.findExact(0, line), nullptr) << line;
    EXPECT_NE(printer.findExact(0, "Godkänt efter övning"), nullptr);

    // Cancelled: nothing printed.
    FakePrinting cancelled;
    cancelled.answer.accepted = false;
    EXPECT_EQ(ClassOverviewPrintout(o, date).print(cancelled), PrintOutcome::Cancelled);
    EXPECT_TRUE(cancelled.pages.empty());
    // The next printout of the same printer is upright again unless it asks.
    cancelled.choose("x");
    EXPECT_EQ(cancelled.orientation, PageOrientation::Portrait);
}

TEST_F(OverviewPrinting, AClassOf300IsPaginatedWithHeadingsOnEveryPageAndTheSummaryAtTheEnd) {
    const ClassOverview o = ClassOverview::fromRecords(manyPupils(300));
    ClassOverviewPrintout printout(o, date);
    printer.answer.copies = 2;
    ASSERT_EQ(printout.print(printer), PrintOutcome::Printed);
    const ClassOverviewPrintout::Layout& l = printout.lastLayout();
    ASSERT_GT(l.pages, 5);
    ASSERT_EQ(printer.pages.size(), static_cast<std::size_t>(2 * l.pages)) << "two copies";
    EXPECT_EQ(printer.jobs.size(), 2u) << "a job per copy";

    std::map<std::string, int> seen;
    for (int p = 0; p < l.pages; ++p) {
        const auto page = static_cast<std::size_t>(p);
        const std::string number =
            "Sida " + std::to_string(p + 1) + " av " + std::to_string(l.pages);
        EXPECT_NE(printer.find(page, "Utskriven 2026-12-06    " + number), nullptr) << number;
        EXPECT_NE(printer.findExact(page, "Namn"), nullptr) << number;
        EXPECT_NE(printer.findExact(page, "Futurum"), nullptr) << number;
        EXPECT_NE(printer.findExact(page, ClassOverview::legendLines()[0]), nullptr) << number;
        EXPECT_EQ(printer.findExact(page, "Medelvärde") != nullptr, p == l.pages - 1) << number;
        int lowest = 0;
        for (const FakePrinting::Text& t : printer.pages[page].texts) {
            if (t.text.rfind("Elev ", 0) == 0) ++seen[t.text];
            lowest = std::max(lowest, t.y);
        }
        EXPECT_LE(lowest, 2100 - 100) << "nothing below the bottom margin on " << number;
    }
    EXPECT_EQ(seen.size(), 300u);
    for (const auto& [name, count] : seen)
        EXPECT_EQ(count, 1) << name;
    // The order of the name list runs on from page to page.
    EXPECT_EQ(printer.find(1, "Elev ")->text, pupilName(l.rowsPerPage));
}

TEST_F(OverviewPrinting, ALongNameIsPrintedAsTheNameListShowsItAndAnEmptyClassSaysSo) {
    DiagnosisRecord longName = pupil("x");
    longName.name = A(std::string(100, 'W'));
    const ClassOverview o = ClassOverview::fromRecords({longName, pupil("Bo")});
    ClassOverviewPrintout printout(o, date);
    ASSERT_EQ(printout.print(printer), PrintOutcome::Printed);
    const FakePrinting::Text* name = printer.find(0, "WWW");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text, std::string(21, 'W'));
    EXPECT_LE(printer.textWidth(A(name->text)), printout.lastLayout().nameWidth);
    EXPECT_LE(printout.lastLayout().tableWidth(), 2970 - 200);

    FakePrinting empty;
    const ClassOverview none = ClassOverview::fromRecords({});
    ASSERT_EQ(ClassOverviewPrintout(none, date).print(empty), PrintOutcome::Printed);
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_NE(empty.findExact(0, "Inga diagnoser har sparats."), nullptr);
    EXPECT_NE(empty.find(0, "Klassöversikt, diagnosen (0 elever)"), nullptr);

    FakePrinting broken;
    broken.failFromJob = 1;
    EXPECT_EQ(ClassOverviewPrintout(o, date).print(broken), PrintOutcome::Failed);
}
