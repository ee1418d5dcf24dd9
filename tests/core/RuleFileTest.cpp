// Rule files: names, the page table, reading whole, truncated and broken files, cell commands
// and the layout of a page.

#include "RuleFile.h"

#include "Fakes.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace orvela;
using namespace orvela::testing;

namespace {

// The 162 lines of a rule file with every cell empty; `set` puts texts on lines (numbered from 1).
std::string ruleFile(const std::vector<std::pair<int, std::string>>& set = {},
                     int lineCount = kRuleFileLines) {
    std::vector<std::string> lines = {"Titel", "Sida", "N"};
    for (int i = 0; i < kRuleCells; ++i)
        lines.insert(lines.end(), {"", "0", "N"});
    lines.insert(lines.end(), kRuleRows, "N");
    lines.insert(lines.end(), kRuleSpareNumbers, "0");
    for (const auto& [line, text] : set)
        lines[static_cast<std::size_t>(line - 1)] = text;
    lines.resize(static_cast<std::size_t>(lineCount));
    std::string s;
    for (const std::string& l : lines)
        s += l + "\r\n";
    return s;
}
// Line numbers of a cell's three lines and of a row's frame flag.
const auto textLine = [](int cell) { return 4 + 3 * (cell - 1); };
const auto xLine = [](int cell) { return textLine(cell) + 1; };
const auto colourLine = [](int cell) { return textLine(cell) + 2; };
const auto rowFlagLine = [](int row) { return 3 + 3 * kRuleCells + row; };
const auto atLine = [](int line) { return "Rad " + std::to_string(line) + ":"; };

RulePage read(const std::string& bytes, std::vector<std::string>& problems) {
    std::istringstream in(bytes);
    return readRulePage(in, &problems);
}

bool mentions(const std::vector<std::string>& problems, const std::string& part) {
    for (const std::string& p : problems)
        if (p.find(part) != std::string::npos) return true;
    return false;
}

} // namespace

// ---- names and the page table ----

TEST(RuleFiles, NamesPageCountsAndLookupWithoutRegardToLetterCase) {
    EXPECT_EQ(ruleFileName(51120, 9), "R51120.R09");
    EXPECT_EQ(ruleFileName(51120, 10), "R51120.R10");
    for (auto [program, pages] :
         {std::pair{51110, 5}, {51230, 0}, {63110, 4}, {63111, 0}, {0, 0}, {-5, 0}})
        EXPECT_EQ(rulePageCount(program), pages) << program;

    TempContent content;
    for (const char* name : {"DATA/r70000.r01", "DATA/R70000.R02", "DATA/R70000.R04"})
        content.writeRaw(name, ruleFile());
    ContentPaths paths(content.root());
    EXPECT_TRUE(findRuleFile(paths, 70000, 1).has_value());
    EXPECT_FALSE(findRuleFile(paths, 70000, 3).has_value());
    EXPECT_EQ(existingRulePages(paths, 70000), (std::vector<int>{1, 2, 4}))
        << "a missing page does not hide the pages after it";
    EXPECT_TRUE(existingRulePages(paths, 70001).empty());
    content.writeRaw("DATA/R51120.R01", ruleFile());
    content.writeRaw("DATA/R51120.R03", ruleFile());
    content.writeRaw("DATA/R51120.R04", ruleFile());
    EXPECT_EQ(existingRulePages(paths, 51120), (std::vector<int>{1, 3}))
        << "a program in the table has no pages beyond its count";
}

// ---- reading ----

TEST(RuleFileReading, AWholeFileFillsEveryFieldAndIsReadLeniently) {
    std::vector<std::string> problems;
    RulePage page = read(ruleFile({{1, "Genus"},
                                   {2, "1 (3)"},
                                   {3, "S"},
                                   {textLine(1), "Regel 1"},
                                   {xLine(1), " 120 "},
                                   {colourLine(1), "s"},
                                   {colourLine(2), " S "},
                                   {colourLine(3), "Svart"},
                                   {textLine(44), "sista"},
                                   {rowFlagLine(1), "S"},
                                   {rowFlagLine(11), "S"},
                                   {kRuleFileLines - 1, "9999999999999999999999"},
                                   {kRuleFileLines, "-7"}}),
                         problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(page.leftTitle.toUtf8(), "Genus");
    EXPECT_EQ(page.rightTitle.toUtf8(), "1 (3)");
    EXPECT_TRUE(page.flag);
    EXPECT_EQ(page.cells[1].text.toUtf8(), "Regel 1");
    EXPECT_EQ(page.cells[1].x, 120);
    EXPECT_TRUE(page.cells[1].blue && page.cells[2].blue);
    EXPECT_FALSE(page.cells[3].blue);
    EXPECT_EQ(page.cells[44].text.toUtf8(), "sista");
    EXPECT_TRUE(page.rowFrames[1] && page.rowFrames[11]);
    EXPECT_FALSE(page.rowFrames[2]);
    EXPECT_EQ(page.spare[15], -7);
    EXPECT_EQ(page.spare[14], 1000000000) << "a huge number is held";

    std::string lf = ruleFile({{textLine(1), "x"}});
    std::erase(lf, '\r');
    EXPECT_EQ(read(lf, problems).cells[1].text.toUtf8(), "x") << "lines ended by LF alone";
    EXPECT_TRUE(problems.empty());
}

TEST(RuleFileReading, BadValuesAreReadAsFarAsTheyGoAndReportedWithTheirLine) {
    struct Case {
        const char* what;
        std::string bytes;
        int cell;            // the cell to look at
        std::string text;    // its text
        int x;               // and its x
        std::string problem; // a part of the report, empty for none
    } cases[] = {
        {"a truncated file is read as far as it goes", ruleFile({{textLine(1), "R"}}, 50), 1, "R",
         0, "bara 50 rader av 162"},
        {"an empty file", "", 1, "", 0, "bara 0 rader"},
        {"a word is no number", ruleFile({{xLine(3), "tjugo"}}), 3, "", 0,
         atLine(xLine(3)) + " \"tjugo\" är inget tal"},
        {"digits and letters", ruleFile({{xLine(4), "12x"}}), 4, "", 0, atLine(xLine(4))},
        {"an empty number", ruleFile({{xLine(5), ""}}), 5, "", 0, atLine(xLine(5))},
        {"a huge position is cut, not wrapped", ruleFile({{xLine(6), "99999"}}), 6, "", kRuleMaxX,
         atLine(xLine(6))},
        {"100 characters count", ruleFile({{textLine(1), std::string(100, 'a')}}), 1,
         std::string(100, 'a'), 0, ""},
        {"more are cut", ruleFile({{textLine(2), std::string(150, 'b')}}), 2, std::string(100, 'b'),
         0, atLine(textLine(2))},
        {"NUL bytes are dropped", ruleFile({{textLine(1), std::string("le\0 livre", 9)}}), 1,
         "le livre", 0, "NUL"},
        {"a line over the reading budget: the rest counts as missing",
         ruleFile({{textLine(2), std::string(3'000'000, 'x')}, {textLine(3), "efter"}}), 3, "", 0,
         "för stor"},
        {"a long line within the budget leaves the next lines in place",
         ruleFile(
             {{textLine(2), std::string(20'000, 'x')}, {textLine(3), "efter"}, {xLine(3), "7"}}),
         3, "efter", 7, "för lång"},
        {"an empty line at the end is no problem", ruleFile() + "\r\n", 1, "", 0, ""},
        {"more lines", ruleFile() + "\r\nmer text\r\n", 1, "", 0, "fler än 162 rader"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> problems;
        const RulePage page = read(c.bytes, problems);
        EXPECT_EQ(page.cells[static_cast<std::size_t>(c.cell)].text.toUtf8(), c.text);
        EXPECT_EQ(page.cells[static_cast<std::size_t>(c.cell)].x, c.x);
        if (c.problem.empty()) {
            EXPECT_TRUE(problems.empty()) << problems.front();
        } else {
            EXPECT_TRUE(mentions(problems, c.problem)) << problems.size();
        }
    }
    std::vector<std::string> problems;
    EXPECT_EQ(read(ruleFile({{1, std::string(120, 'T')}}), problems).leftTitle.size(), 100u);
}

TEST(RuleFileReading, MissingFilesAndDirectoriesAreNoPage) {
    TempContent content;
    EXPECT_FALSE(readRuleFile(content.root() / "DATA" / "R1.R01").has_value());
    EXPECT_FALSE(readRuleFile(content.root()).has_value());
    std::optional<RulePage> read = readRuleFile(content.write("DATA/R1.R01", {"Titel", "ÅÄÖ é"}));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->rightTitle.toUtf8(), "ÅÄÖ é");
}

// ---- cell commands ----

TEST(RuleCellCommands, PercentAndDigitsJumpAndOtherwiseAreDrawn) {
    struct Case {
        const char* cell;
        std::vector<std::string> pieces; // "@x" for a jump
        std::size_t problems;
    } cases[] = {
        {"%300 abc", {"@300", " abc"}, 0},
        {"slut%250", {"slut", "@250"}, 0},
        {"%99999999999999 x", {"@2000", " x"}, 0},
        {"50 % av alla%", {"50 % av alla%"}, 2},
        {"%30abc", {"@30", "abc"}, 1},
    };
    for (const Case& c : cases) {
        bool small = false;
        std::vector<std::string> problems;
        std::vector<std::string> got;
        for (const RulePiece& p : parseRuleCell(A(c.cell), false, small, &problems))
            got.push_back(p.kind == RulePiece::Kind::Jump ? "@" + std::to_string(p.x)
                                                          : p.text.toUtf8());
        EXPECT_EQ(got, c.pieces) << c.cell;
        EXPECT_EQ(problems.size(), c.problems) << c.cell;
    }
}

// ---- layout ----

namespace {

struct RulePageLayout : ::testing::Test {
    FakeMeasure measure; // 10 pixels a character
    RulePage page;
    void set(int i, const char* text, int x = 0, bool blue = false) {
        page.cells[static_cast<std::size_t>(i)] = {A(text), x, blue};
    }
    // The position of a text: "x,y".
    static std::string at(const RuleLayout& l, const char* text) {
        for (const auto& t : l.texts)
            if (t.text.toUtf8() == text) return std::to_string(t.x) + "," + std::to_string(t.y);
        return "missing";
    }
};

} // namespace

TEST_F(RulePageLayout, TitlesCellsGapsRowsAndPercentPositions) {
    page.leftTitle = A("Genus");
    page.rightTitle = A("1");
    set(1, "ab");
    set(3, "c"); // cell 2 is empty: no gap for it
    set(4, "abc", 100);
    set(5, "d"); // a new row moves down but keeps x
    set(9, "e", 40);
    set(10, "%300 f");
    RuleLayout l = layoutRulePage(page, measure, 1.0);
    EXPECT_EQ(at(l, "Genus"), "20,10");
    EXPECT_EQ(l.texts[0].font, RuleFont::Title);
    EXPECT_EQ(at(l, "1"), "490,10");
    EXPECT_EQ(at(l, "ab"), "40,70");
    EXPECT_EQ(at(l, "c"), "70,70") << "the cell gap follows each cell";
    EXPECT_EQ(at(l, "abc"), "100,70");
    EXPECT_EQ(at(l, "d"), std::to_string(100 + 30 + 10) + ",100");
    EXPECT_EQ(at(l, "e"), "40,130");
    EXPECT_EQ(at(l, " f"), "300,130") << "the blank after a % position is kept";
}

TEST_F(RulePageLayout, ColoursAndFontsFollowTheFlagsAndTheCommands) {
    set(1, "fr", 40, true);
    set(2, "sv<fr>sv");
    set(3, "#a");
    set(4, "b");
    set(5, "\xC2\xA4"
           "c");
    RuleLayout l = layoutRulePage(page, measure, 1.0);
    std::string got;
    for (const auto& t : l.texts)
        got += t.text.toUtf8() + (t.blue ? "B" : "") + (t.font == RuleFont::Small ? "S" : "") + "|";
    EXPECT_EQ(got, "frB|sv|frB|sv|aS|bS|c|");
}

TEST_F(RulePageLayout, AFlaggedRowFramesItsFirstCellAndEverythingScales) {
    set(1, "Regel", 40);
    set(2, "text");
    set(5, "%60 2");
    page.rowFrames[1] = true;
    page.rowFrames[2] = true;
    RuleLayout l = layoutRulePage(page, measure, 1.0);
    ASSERT_EQ(l.frames.size(), 2u);
    // Around "Regel": from 40 - 12 to the end of the cell and its gap + 8.
    EXPECT_EQ(std::vector<int>(
                  {l.frames[0].left, l.frames[0].top, l.frames[0].right, l.frames[0].bottom}),
              std::vector<int>({28, 68, 40 + 50 + 10 + 8, 98}));
    // In a row's first cell a "%" position also starts the frame.
    EXPECT_EQ(std::vector<int>({l.frames[1].left, l.frames[1].top, l.frames[1].right}),
              std::vector<int>({48, 98, 60 + 20 + 10 + 8}));

    page = RulePage();
    page.rightTitle = A("x");
    set(1, "ab", 40);
    set(5, "c", 100);
    page.rowFrames[1] = true;
    l = layoutRulePage(page, measure, 2.0);
    EXPECT_EQ(at(l, "x"), "980,20");
    EXPECT_EQ(at(l, "ab"), "80,140");
    EXPECT_EQ(at(l, "c"), "200,200");
    ASSERT_EQ(l.frames.size(), 1u);
    EXPECT_EQ(l.frames[0].left, 80 - 24);
    EXPECT_EQ(l.frames[0].right, 80 + 20 + 20 + 16) << "the measure's widths are not scaled";
    EXPECT_EQ(l.bottom, 200 + 56);
}

// Every rule number an exercise of the course opens its rules window with has its pages, and
// each page reads without a problem.
TEST(SampleCourseRules, EveryRuleNumberHasItsPagesAndEachPageReadsCleanly) {
    ContentPaths paths(std::filesystem::path(ORVELA_SOURCE_DIR) / "content");
    for (int number : {31100, 31200, 31300, 51110, 51120, 51210, 51220, 51310, 51320,
                       51400, 51500, 52110, 52120, 52200, 52300, 52400, 53200, 55180,
                       55500, 56130, 56410, 56600, 56700, 56810, 57000, 63110}) {
        const int pages = rulePageCount(number);
        ASSERT_GT(pages, 0) << number;
        EXPECT_EQ(existingRulePages(paths, number).size(), static_cast<std::size_t>(pages))
            << number;
        for (int page = 1; page <= pages; ++page) {
            SCOPED_TRACE(ruleFileName(number, page));
            std::vector<std::string> problems;
            std::optional<RulePage> read =
                readRuleFile(findRuleFile(paths, number, page).value(), &problems);
            ASSERT_TRUE(read.has_value());
            EXPECT_TRUE(problems.empty()) << problems.front();
            EXPECT_FALSE(read->leftTitle.empty());
        }
    }
}
