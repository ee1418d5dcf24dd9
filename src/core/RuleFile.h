#pragma once
// Rule pages: the grammar rules that belong to an exercise, one small text file per page in DATA.
// "R51120.R02" is page 2 of the rules of program 51120 (page 10 and later: "R51120.R10").
//
// A rule file has 162 lines: the left title, the right title, a flag line, 44 cells of three
// lines each (the text, an x position, a colour flag "S" = blue), eleven row flags ("S" frames
// the first cell of the row) and sixteen numbers that are read and not used. The cells form
// eleven rows of four. Inside a cell text these characters are commands and are not drawn:
//   "<"  the following characters in blue      ">"  the following characters in black
//   "#"  the small font (size 10) from here     "¤"  the normal font (size 14) from here
//   "%"  followed by digits: drawing continues at that x position (in the first cell of a row
//        the row's frame also starts there); a "%" without digits is drawn as it stands.
// Positions are given for a page 640 pixels wide; the layout scales them to the screen.

#include "AnsiText.h"
#include "ContentPaths.h"
#include "OneBased.h"
#include "Services.h"

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace orvela {

inline constexpr int kRuleColumns = 4;
inline constexpr int kRuleRows = 11;
inline constexpr int kRuleCells = kRuleColumns * kRuleRows;
inline constexpr int kRuleSpareNumbers = 16;
inline constexpr int kRuleFileLines = 3 + 3 * kRuleCells + kRuleRows + kRuleSpareNumbers; // 162
// Only the first 100 characters of a cell text (and of a title) count.
inline constexpr std::size_t kRuleTextMax = 100;
// The largest x position a file can ask for; larger ones are cut to it.
inline constexpr int kRuleMaxX = 2000;
// The width and height of the page the positions are given for.
inline constexpr int kRulePageWidth = 640;
inline constexpr int kRulePageHeight = 480;

struct RuleCell {
    AnsiText text;     // commands included, at most kRuleTextMax bytes
    int x = 0;         // where the cell starts; 0 = right after the previous cell
    bool blue = false; // the cell starts in blue instead of black
};

struct RulePage {
    AnsiText leftTitle;
    AnsiText rightTitle;
    bool flag = false; // read, not used
    OneBased<RuleCell, kRuleCells> cells;
    OneBased<bool, kRuleRows> rowFrames;
    std::array<int, kRuleSpareNumbers> spare{}; // read, not used
};

// The file name of one page: "R" + number + ".R0" + page below 10, ".R" + page from 10 on.
std::string ruleFileName(int programNumber, int page);

// The number of rule pages of a program, from the course's table; 0 for a program that is not in
// the table.
int rulePageCount(int programNumber);

// The rule file of a page in the content's DATA directory, found without regard to letter case.
std::optional<std::filesystem::path> findRuleFile(const ContentPaths& paths, int programNumber,
                                                  int page);
// The largest page number a rule file can have.
inline constexpr int kRuleMaxPages = 99;
// The pages of a program whose files are in DATA, in order: among the pages of the course's
// table, or among pages 1 to 99 for a program that is not in the table. A missing page leaves a
// gap in the numbers, and the pages after it are still found.
std::vector<int> existingRulePages(const ContentPaths& paths, int programNumber);

// Reads a rule page. Whatever the file holds, a page comes back: missing lines leave their
// cells empty, a value that is not a number counts as 0, NUL bytes are dropped and over-long
// lines cut. Each such problem adds a line (Swedish, with the line number) to `problems`.
RulePage readRulePage(std::istream& in, std::vector<std::string>* problems = nullptr);
// nullopt when the file cannot be opened.
std::optional<RulePage> readRuleFile(const std::filesystem::path& file,
                                     std::vector<std::string>* problems = nullptr);

// A cell text taken apart: runs of text to draw and jumps to an x position.
struct RulePiece {
    enum class Kind { Text, Jump };
    Kind kind = Kind::Text;
    AnsiText text;      // Text: the characters to draw
    bool blue = false;  // Text: blue or black
    bool small = false; // Text: font size 10 instead of 14
    int x = 0;          // Jump: the x position, in page pixels
};

// Takes a cell text apart. `blue` is the colour the cell starts in; `small` is the font size in
// force when the cell starts, and is left as the cell leaves it (a "#" holds into later cells).
// A "%" without digits becomes text and adds a line to `problems`.
std::vector<RulePiece> parseRuleCell(const AnsiText& text, bool blue, bool& small,
                                     std::vector<std::string>* problems = nullptr);

// The fonts of a rule page.
enum class RuleFont { Title, Normal, Small };
// "Arial Black" 20 for the titles, "Arial" bold 14 and 10 for the cells (sizes in points on a
// page 640 pixels wide).
FontSpec ruleFontSpec(RuleFont font);

// A rule page laid out for drawing, in pixels of the picture it is drawn on.
struct RuleLayout {
    struct Text {
        int x = 0, y = 0; // top left of the text
        int width = 0;
        AnsiText text;
        bool blue = false;
        RuleFont font = RuleFont::Normal;
    };
    struct Frame {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    std::vector<Text> texts;
    std::vector<Frame> frames; // rounded rectangles, blue pen
    int right = 0;             // the right end of the widest row
    int bottom = 0;            // the bottom of the last row that holds text or a frame
};

// Lays a page out: titles at (20, 10) and (490, 10), cells from (40, 70) with rows 30 apart and
// a gap of 10 after each cell that is not empty; a frame around the first cell of each row
// whose flag is set. Every position is multiplied by `scale` (rounded); text widths come from
// `measure`, which must measure in the fonts of ruleFontSpec scaled the same way.
RuleLayout layoutRulePage(const RulePage& page, TextMeasure& measure, double scale);

} // namespace orvela
