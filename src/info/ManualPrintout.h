#pragma once
// The printed manual: lines of text in Arial 12 on A4 pages, each page sent to the printer as a
// print job of its own, its number at the top right. Positions are millimetres on the A4 page:
// the text stands 15 mm from the left edge and begins 10 mm from the top (5 mm for a selection)
// on the first page and 4 mm from the top on the pages after it; each line takes the height of
// the text "Hej" and 1 mm more, and a line that would begin below 256 mm begins the next page.
// A line too wide for the page is broken between words and goes on below, as far in as it began
// (a list line "- …" goes on under its text).

#include "Printing.h"
#include "WorksheetPrintout.h"

#include <string_view>
#include <vector>

namespace orvela {

class ManualPrintout {
public:
    static constexpr int kPoints = 12;
    static constexpr int kTextLeftMm = 15;
    static constexpr int kTextRightMm = 200;
    static constexpr int kPageNumberXMm = 200;
    static constexpr int kPageNumberYMm = 2;
    static constexpr int kFirstTopMm = 10;
    static constexpr int kFirstTopSelectionMm = 5;
    static constexpr int kNextTopMm = 4;
    static constexpr int kLowestLineMm = 256;

    // Where the printed text comes from: the whole manual or a selection of it.
    enum class Source { WholeText, Selection };

    // Prints the lines after the print dialog (named `documentName`), as many copies as chosen.
    // Nothing is printed, and no dialog shown, when there are no lines.
    PrintOutcome print(Printing& printer, const std::vector<AnsiText>& lines, Source source,
                       std::string_view documentName);

    // The text split into lines as a text box holds it: at line ends (LF or CR LF), with no line
    // after a line end that ends the text.
    static std::vector<AnsiText> splitLines(const AnsiText& text);

    // `line` as printed in a column `width` pixels wide, in the printer's current font: the line
    // itself when it fits, else broken after the last space that lets a part fit (a word wider
    // than the column is cut), the parts after the first indented as the line is.
    static std::vector<AnsiText> fitToWidth(Printing& printer, const AnsiText& line, int width);

    // The line height in millimetres used by the last printout.
    int lineHeightMm() const { return lineMm_; }

private:
    int lineMm_ = 0;

    bool printCopy(Printing& printer, const PageScale& scale, const std::vector<AnsiText>& lines,
                   Source source) const;
    static void pageNumber(Printing& printer, const PageScale& scale, int page);
};

} // namespace orvela
