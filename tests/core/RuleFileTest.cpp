// Rule files: names, the page table, reading whole, truncated and broken files, cell commands
// and the layout of a page.

#include "Fakes.h"
#include "RuleFile.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace orvela;
using namespace orvela::testing;

namespace {

// The 162 lines of a rule file with every cell empty, as a list to change before joining.
std::vector<std::string> emptyRuleLines() {
    std::vector<std::string> lines = {"Titel", "Sida", "N"};
    for (int i = 0; i < kRuleCells; ++i) {
        lines.push_back("");
        lines.push_back("0");
        lines.push_back("N");
    }
    for (int i = 0; i < kRuleRows; ++i) lines.push_back("N");
    for (int i = 0; i < kRuleSpareNumbers; ++i) lines.push_back("0");
    return lines;
}
// Line numbers (1-based) of a cell's three lines.
int textLine(int cell) { return 4 + 3 * (cell - 1); }
int xLine(int cell) { return textLine(cell) + 1; }
int colourLine(int cell) { return textLine(cell) + 2; }
int rowFlagLine(int row) { return 3 + 3 * kRuleCells + row; }

std::string join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string s;
    for (const std::string& l : lines) s += l + end;
    return s;
}

RulePage read(const std::string& bytes, std::vector<std::string>* problems = nullptr) {
    std::istringstream in(bytes);
    return readRulePage(in, problems);
}

bool mentions(const std::vector<std::string>& problems, const std::string& part) {
    for (const std::string& p : problems)
        if (p.find(part) != std::string::npos) return true;
    return false;
}

RuleCell& cell(RulePage& page, int i) { return page.cells[static_cast<std::size_t>(i)]; }

} // namespace

// ---- names and the page table ----

TEST(RuleFileName, PageBelowTenHasALeadingZero) {
    EXPECT_EQ(ruleFileName(51120, 2), "R51120.R02");
    EXPECT_EQ(ruleFileName(51120, 9), "R51120.R09");
    EXPECT_EQ(ruleFileName(51120, 10), "R51120.R10");
    EXPECT_EQ(ruleFileName(57000, 1), "R57000.R01");
}

TEST(RulePageCount, FollowsTheCourseTable) {
    struct Row {
        int program, pages;
    } rows[] = {
        {3110, 1},  {31100, 1}, {31200, 1}, {31300, 1}, {31301, 0}, {51110, 5}, {51120, 3},
        {51210, 1}, {51220, 1}, {51230, 0}, {51310, 4}, {51320, 4}, {51400, 3}, {51500, 2},
        {52110, 3}, {52120, 3}, {52200, 3}, {52299, 3}, {52300, 4}, {52301, 3}, {52400, 3},
        {53200, 3}, {53201, 0}, {55180, 1}, {55500, 1}, {56600, 1}, {56130, 3}, {56410, 4},
        {56420, 0}, {56700, 3}, {56810, 4}, {56820, 0}, {57000, 5}, {63110, 4}, {63111, 0},
        {0, 0},     {-5, 0},
    };
    for (const Row& r : rows) EXPECT_EQ(rulePageCount(r.program), r.pages) << r.program;
}

TEST(RuleFileLookup, FindsFilesWithoutRegardToLetterCaseAndCountsPages) {
    TempContent content;
    content.writeRaw("DATA/r70000.r01", join(emptyRuleLines()));
    content.writeRaw("DATA/R70000.R02", join(emptyRuleLines()));
    content.writeRaw("DATA/R70000.R04", join(emptyRuleLines()));
    ContentPaths paths(content.root());
    EXPECT_TRUE(findRuleFile(paths, 70000, 1).has_value());
    EXPECT_TRUE(findRuleFile(paths, 70000, 2).has_value());
    EXPECT_FALSE(findRuleFile(paths, 70000, 3).has_value());
    EXPECT_EQ(countRuleFiles(paths, 70000), 2) << "counting stops at the first missing page";
    EXPECT_EQ(countRuleFiles(paths, 70001), 0);
}

// ---- reading ----

TEST(RuleFileReading, AWholeFileFillsEveryField) {
    std::vector<std::string> lines = emptyRuleLines();
    lines[0] = "Genus";
    lines[1] = "1 (3)";
    lines[2] = "S";
    lines[textLine(1) - 1] = "Regel 1";
    lines[xLine(1) - 1] = "40";
    lines[textLine(2) - 1] = "le livre";
    lines[xLine(2) - 1] = "160";
    lines[colourLine(2) - 1] = "S";
    lines[textLine(44) - 1] = "sista";
    lines[rowFlagLine(1) - 1] = "S";
    lines[rowFlagLine(11) - 1] = "S";
    lines[kRuleFileLines - 1] = "-7";
    std::vector<std::string> problems;
    RulePage page = read(join(lines), &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(page.leftTitle.toUtf8(), "Genus");
    EXPECT_EQ(page.rightTitle.toUtf8(), "1 (3)");
    EXPECT_TRUE(page.flag);
    EXPECT_EQ(cell(page, 1).text.toUtf8(), "Regel 1");
    EXPECT_EQ(cell(page, 1).x, 40);
    EXPECT_FALSE(cell(page, 1).blue);
    EXPECT_EQ(cell(page, 2).x, 160);
    EXPECT_TRUE(cell(page, 2).blue);
    EXPECT_EQ(cell(page, 44).text.toUtf8(), "sista");
    EXPECT_TRUE(page.rowFrames[1]);
    EXPECT_FALSE(page.rowFrames[2]);
    EXPECT_TRUE(page.rowFrames[11]);
    EXPECT_EQ(page.spare[15], -7);
}

TEST(RuleFileReading, LineEndsAndFlagsAreReadLeniently) {
    std::vector<std::string> lines = emptyRuleLines();
    lines[colourLine(1) - 1] = "s";
    lines[colourLine(2) - 1] = " S ";
    lines[colourLine(3) - 1] = "Svart";
    lines[xLine(1) - 1] = " 120 ";
    std::vector<std::string> problems;
    RulePage page = read(join(lines, "\n"), &problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_TRUE(cell(page, 1).blue);
    EXPECT_TRUE(cell(page, 2).blue);
    EXPECT_FALSE(cell(page, 3).blue);
    EXPECT_EQ(cell(page, 1).x, 120);
}

TEST(RuleFileReading, ATruncatedFileLeavesTheRestEmpty) {
    std::vector<std::string> lines = emptyRuleLines();
    lines[textLine(1) - 1] = "Regel 1";
    lines[textLine(20) - 1] = "finns inte med";
    lines.resize(50);
    std::vector<std::string> problems;
    RulePage page = read(join(lines), &problems);
    EXPECT_EQ(cell(page, 1).text.toUtf8(), "Regel 1");
    EXPECT_TRUE(cell(page, 20).text.empty());
    EXPECT_FALSE(page.rowFrames[1]);
    EXPECT_TRUE(mentions(problems, "bara 50 rader av 162")) << problems.size();

    problems.clear();
    RulePage empty = read("", &problems);
    EXPECT_TRUE(empty.leftTitle.empty());
    EXPECT_TRUE(mentions(problems, "bara 0 rader"));
}

TEST(RuleFileReading, ANonNumberCountsAsZeroAndIsReported) {
    std::vector<std::string> lines = emptyRuleLines();
    lines[xLine(3) - 1] = "tjugo";
    lines[xLine(4) - 1] = "12x";
    lines[xLine(5) - 1] = "";
    lines[kRuleFileLines - 2] = "9999999999999999999999";
    lines[xLine(6) - 1] = "99999";
    std::vector<std::string> problems;
    RulePage page = read(join(lines), &problems);
    EXPECT_EQ(cell(page, 3).x, 0);
    EXPECT_EQ(cell(page, 4).x, 0);
    EXPECT_EQ(cell(page, 5).x, 0);
    EXPECT_EQ(cell(page, 6).x, kRuleMaxX) << "a huge position is cut, not wrapped";
    EXPECT_EQ(page.spare[14], 1000000000);
    EXPECT_TRUE(
        mentions(problems, "Rad " + std::to_string(xLine(3)) + ": \"tjugo\" är inget tal"));
    EXPECT_TRUE(mentions(problems, "Rad " + std::to_string(xLine(4)) + ":"));
    EXPECT_TRUE(mentions(problems, "Rad " + std::to_string(xLine(6)) + ":"));
}

TEST(RuleFileReading, OnlyTheFirstHundredCharactersOfATextCount) {
    std::vector<std::string> lines = emptyRuleLines();
    lines[textLine(1) - 1] = std::string(100, 'a');
    lines[textLine(2) - 1] = std::string(150, 'b');
    lines[0] = std::string(120, 'T');
    std::vector<std::string> problems;
    RulePage page = read(join(lines), &problems);
    EXPECT_EQ(cell(page, 1).text.size(), 100u);
    EXPECT_EQ(cell(page, 2).text.size(), 100u);
    EXPECT_EQ(page.leftTitle.size(), 100u);
    EXPECT_FALSE(mentions(problems, "Rad " + std::to_string(textLine(1)) + ":"));
    EXPECT_TRUE(mentions(problems, "Rad " + std::to_string(textLine(2)) + ":"));
}

TEST(RuleFileReading, NulBytesAreDroppedAndOverLongLinesCut) {
    std::vector<std::string> lines = emptyRuleLines();
    lines[textLine(1) - 1] = std::string("le\0 livre", 9);
    lines[textLine(2) - 1] = std::string(3'000'000, 'x'); // longer than any line kept
    lines[textLine(3) - 1] = "efter";
    std::vector<std::string> problems;
    RulePage page = read(join(lines), &problems);
    EXPECT_EQ(cell(page, 1).text.toUtf8(), "le livre");
    EXPECT_TRUE(mentions(problems, "NUL"));
    EXPECT_EQ(cell(page, 2).text.size(), 100u);
    // The over-long line eats the whole reading budget: the rest of the file counts as missing.
    EXPECT_TRUE(cell(page, 3).text.empty());
    EXPECT_TRUE(mentions(problems, "för stor"));
}

TEST(RuleFileReading, ALongLineWithinTheBudgetLeavesTheFollowingLinesInPlace) {
    std::vector<std::string> lines = emptyRuleLines();
    lines[textLine(2) - 1] = std::string(20'000, 'x');
    lines[textLine(3) - 1] = "efter";
    lines[xLine(3) - 1] = "77";
    std::vector<std::string> problems;
    RulePage page = read(join(lines), &problems);
    EXPECT_EQ(cell(page, 3).text.toUtf8(), "efter");
    EXPECT_EQ(cell(page, 3).x, 77);
    EXPECT_TRUE(mentions(problems, "för lång"));
}

TEST(RuleFileReading, GarbageAndExtraLinesDoNotBreakTheReader) {
    std::string garbage;
    for (int i = 0; i < 50'000; ++i) garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    std::vector<std::string> problems;
    RulePage page = read(garbage, &problems);
    EXPECT_FALSE(problems.empty());
    for (const RuleCell& c : page.cells) EXPECT_LE(c.text.size(), kRuleTextMax);

    std::vector<std::string> lines = emptyRuleLines();
    lines.push_back("");
    problems.clear();
    read(join(lines), &problems);
    EXPECT_TRUE(problems.empty()) << "an empty line at the end is no problem";
    lines.push_back("mer text");
    read(join(lines), &problems);
    EXPECT_TRUE(mentions(problems, "fler än 162 rader"));
}

TEST(RuleFileReading, AMissingFileOrADirectoryIsNotAPage) {
    TempContent content;
    EXPECT_FALSE(readRuleFile(content.root() / "DATA" / "R1.R01").has_value());
    EXPECT_FALSE(readRuleFile(content.root()).has_value());
    EXPECT_FALSE(readRuleFile({}).has_value());
    auto file = content.write("DATA/R1.R01", {"Titel", "ÅÄÖ é"});
    std::optional<RulePage> page = readRuleFile(file);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->rightTitle.toUtf8(), "ÅÄÖ é");
}

// ---- cell commands ----

TEST(RuleCellCommands, ColourAndSizeSwitchesAreNotDrawn) {
    bool small = false;
    auto pieces = parseRuleCell(AnsiText::fromUtf8("a<b>c#d¤e"), false, small);
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].text.toUtf8(), "a");
    EXPECT_FALSE(pieces[0].blue);
    EXPECT_EQ(pieces[1].text.toUtf8(), "b");
    EXPECT_TRUE(pieces[1].blue);
    EXPECT_EQ(pieces[2].text.toUtf8(), "c");
    EXPECT_FALSE(pieces[2].blue);
    EXPECT_TRUE(pieces[3].small);
    EXPECT_FALSE(pieces[4].small);
    EXPECT_FALSE(small);
}

TEST(RuleCellCommands, TheSmallFontHoldsIntoLaterCells) {
    bool small = false;
    parseRuleCell(AnsiText::ascii("#liten"), false, small);
    EXPECT_TRUE(small);
    auto pieces = parseRuleCell(AnsiText::ascii("fortfarande"), true, small);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_TRUE(pieces[0].small);
    EXPECT_TRUE(pieces[0].blue) << "the cell starts in its own colour";
}

TEST(RuleCellCommands, PercentAndDigitsJumpAndTheBlankIsKept) {
    bool small = false;
    std::vector<std::string> problems;
    auto pieces = parseRuleCell(AnsiText::ascii("%300 abc"), false, small, &problems);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].kind, RulePiece::Kind::Jump);
    EXPECT_EQ(pieces[0].x, 300);
    EXPECT_EQ(pieces[1].text.toUtf8(), " abc");
    EXPECT_TRUE(problems.empty());

    pieces = parseRuleCell(AnsiText::ascii("slut%250"), false, small, &problems);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1].kind, RulePiece::Kind::Jump);
    EXPECT_EQ(pieces[1].x, 250);
    EXPECT_TRUE(problems.empty()) << "a cell may end in a position";

    pieces = parseRuleCell(AnsiText::ascii("%99999999999999 x"), false, small);
    EXPECT_EQ(pieces[0].x, kRuleMaxX);
}

TEST(RuleCellCommands, APercentWithoutDigitsIsDrawn) {
    bool small = false;
    std::vector<std::string> problems;
    auto pieces = parseRuleCell(AnsiText::ascii("50 % av alla%"), false, small, &problems);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].text.toUtf8(), "50 % av alla%");
    EXPECT_EQ(problems.size(), 2u);

    problems.clear();
    pieces = parseRuleCell(AnsiText::ascii("%30abc"), false, small, &problems);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].x, 30);
    EXPECT_EQ(pieces[1].text.toUtf8(), "abc");
    EXPECT_EQ(problems.size(), 1u) << "the missing blank is reported";
}

// ---- layout ----

namespace {

struct RulePageLayout : ::testing::Test {
    FakeMeasure measure; // 10 pixels a character
    RulePage page;
    void set(int i, const char* text, int x = 0, bool blue = false) {
        cell(page, i) = RuleCell{AnsiText::fromUtf8(text), x, blue};
    }
    const orvela::RuleLayout::Text* find(const orvela::RuleLayout& l, const char* text) {
        for (const auto& t : l.texts)
            if (t.text.toUtf8() == text) return &t;
        return nullptr;
    }
};

} // namespace

TEST_F(RulePageLayout, TitlesAndCellsStartWhereThePageSays) {
    page.leftTitle = AnsiText::ascii("Genus");
    page.rightTitle = AnsiText::ascii("1");
    set(1, "ab");
    set(2, "c");
    orvela::RuleLayout l = layoutRulePage(page, measure, 1.0);
    ASSERT_NE(find(l, "Genus"), nullptr);
    EXPECT_EQ(find(l, "Genus")->x, 20);
    EXPECT_EQ(find(l, "Genus")->y, 10);
    EXPECT_EQ(find(l, "Genus")->font, RuleFont::Title);
    EXPECT_EQ(find(l, "1")->x, 490);
    EXPECT_EQ(find(l, "ab")->x, 40);
    EXPECT_EQ(find(l, "ab")->y, 70);
    EXPECT_EQ(find(l, "c")->x, 40 + 20 + 10) << "the cell gap follows each cell";
}

TEST_F(RulePageLayout, AnEmptyCellAddsNoGap) {
    set(1, "ab");
    set(3, "c");
    orvela::RuleLayout l = layoutRulePage(page, measure, 1.0);
    EXPECT_EQ(find(l, "c")->x, 70);
}

TEST_F(RulePageLayout, ANewRowMovesDownButKeepsX) {
    set(4, "abc", 100);
    set(5, "d");
    set(9, "e", 40);
    orvela::RuleLayout l = layoutRulePage(page, measure, 1.0);
    EXPECT_EQ(find(l, "d")->y, 100);
    EXPECT_EQ(find(l, "d")->x, 100 + 30 + 10);
    EXPECT_EQ(find(l, "e")->y, 130);
    EXPECT_EQ(find(l, "e")->x, 40);
}

TEST_F(RulePageLayout, APercentPositionPlacesTheBlankThere) {
    set(1, "%300 abc", 40);
    orvela::RuleLayout l = layoutRulePage(page, measure, 1.0);
    ASSERT_NE(find(l, " abc"), nullptr);
    EXPECT_EQ(find(l, " abc")->x, 300);
}

TEST_F(RulePageLayout, ColoursFollowTheFlagAndTheCommands) {
    set(1, "fr", 40, true);
    set(2, "sv<fr>sv");
    orvela::RuleLayout l = layoutRulePage(page, measure, 1.0);
    ASSERT_EQ(l.texts.size(), 4u);
    EXPECT_TRUE(l.texts[0].blue);
    EXPECT_FALSE(l.texts[1].blue);
    EXPECT_TRUE(l.texts[2].blue);
    EXPECT_FALSE(l.texts[3].blue);
}

TEST_F(RulePageLayout, AFlaggedRowFramesItsFirstCell) {
    set(1, "Regel", 40);
    set(2, "text");
    set(5, "%60 2");
    page.rowFrames[1] = true;
    page.rowFrames[2] = true;
    orvela::RuleLayout l = layoutRulePage(page, measure, 1.0);
    ASSERT_EQ(l.frames.size(), 2u);
    // Around "Regel": from 40 - 12 to the end of the cell and its gap + 8.
    EXPECT_EQ(l.frames[0].left, 28);
    EXPECT_EQ(l.frames[0].top, 68);
    EXPECT_EQ(l.frames[0].right, 40 + 50 + 10 + 8);
    EXPECT_EQ(l.frames[0].bottom, 98);
    // In a row's first cell a "%" position also starts the frame.
    EXPECT_EQ(l.frames[1].left, 48);
    EXPECT_EQ(l.frames[1].top, 98);
    EXPECT_EQ(l.frames[1].right, 60 + 20 + 10 + 8);
}

TEST_F(RulePageLayout, TheSmallFontHoldsUntilTheNormalOneIsAskedFor) {
    set(1, "#a", 40);
    set(2, "b");
    set(3, "\xC2\xA4" "c");
    orvela::RuleLayout l = layoutRulePage(page, measure, 1.0);
    EXPECT_EQ(find(l, "a")->font, RuleFont::Small);
    EXPECT_EQ(find(l, "b")->font, RuleFont::Small);
    EXPECT_EQ(find(l, "c")->font, RuleFont::Normal);
}

TEST_F(RulePageLayout, EveryPositionGrowsWithTheScale) {
    page.rightTitle = AnsiText::ascii("x");
    set(1, "ab", 40);
    set(5, "c", 100);
    page.rowFrames[1] = true;
    orvela::RuleLayout l = layoutRulePage(page, measure, 2.0);
    EXPECT_EQ(find(l, "x")->x, 980);
    EXPECT_EQ(find(l, "ab")->x, 80);
    EXPECT_EQ(find(l, "ab")->y, 140);
    EXPECT_EQ(find(l, "c")->x, 200);
    EXPECT_EQ(find(l, "c")->y, 200);
    ASSERT_EQ(l.frames.size(), 1u);
    EXPECT_EQ(l.frames[0].left, 80 - 24);
    EXPECT_EQ(l.frames[0].right, 80 + 20 + 20 + 16); // the measure's widths are not scaled
    EXPECT_EQ(l.bottom, 200 + 56);
}

// ---- the sample course ----

namespace {
// Every rule number an exercise of the course opens its rules window with.
const int kCourseRuleNumbers[] = {31100, 31200, 31300, 51110, 51120, 51210, 51220, 51310, 51320,
                                  51400, 51500, 52110, 52120, 52200, 52300, 52400, 53200, 55180,
                                  55500, 56130, 56410, 56600, 56700, 56810, 57000, 63110};
} // namespace

TEST(SampleCourseRules, EveryRuleNumberHasItsPagesAndEachPageReadsCleanly) {
    ContentPaths paths(std::filesystem::path(ORVELA_SOURCE_DIR) / "content");
    for (int number : kCourseRuleNumbers) {
        const int pages = rulePageCount(number);
        ASSERT_GT(pages, 0) << number;
        EXPECT_EQ(countRuleFiles(paths, number), pages) << number;
        for (int page = 1; page <= pages; ++page) {
            std::optional<std::filesystem::path> file = findRuleFile(paths, number, page);
            ASSERT_TRUE(file.has_value()) << ruleFileName(number, page);
            std::vector<std::string> problems;
            std::optional<RulePage> read = readRuleFile(*file, &problems);
            ASSERT_TRUE(read.has_value()) << ruleFileName(number, page);
            EXPECT_TRUE(problems.empty()) << ruleFileName(number, page) << ": " << problems.front();
            EXPECT_FALSE(read->leftTitle.empty()) << ruleFileName(number, page);
        }
    }
}
