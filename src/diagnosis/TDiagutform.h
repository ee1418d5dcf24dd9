#pragma once
// The printed diagnosis protocol: a copy of the protocol grid, printed as a table under a title
// through the program's printer (a printer or a PDF file). Positions are millimetres on an A4
// page; the table is 180 mm wide from 15 mm, its column boundaries given in percent of that width
// (PrintColumns, taken from the protocol on the screen). Where a column's texts would run over
// its boundary on paper, every column is made as wide as its texts and the room left widens the
// narrow columns towards their share on the screen, the rest going to the programme names; when
// even the texts alone do not fit, the table's font is made smaller, down to 8 points.

#include "OneBased.h"
#include "Printing.h"
#include "WorksheetPrintout.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvela {

using PrintColumnTable = OneBased<std::int32_t, 4>;

class TDiagutform {
public:
    static constexpr int kColumns = 5;
    static constexpr int kTitlePoints = 12;
    static constexpr int kSmallestPoints = 8;
    static constexpr std::size_t kTitleMax = 75;

    // The column boundaries of the printed protocol from the protocol on the screen: `unit` is
    // LayoutUnit, `screenWidth` the screen's width and `dateWidth` the width of the sample date
    // text, all in screen pixels.
    static PrintColumnTable PrintColumnsFor(int unit, int screenWidth, int dateWidth);

    // The copy of the protocol grid: its size, then its cells.
    void setGridSize(int columns, int rows);
    void setCell(int column, int row, const AnsiText& text);
    const AnsiText& cell(int column, int row) const;
    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }

    // Prints the copied grid for the pupil after the print dialog.
    PrintOutcome SkrivutDiaggen(Printing& printer, const AnsiText& pupilName,
                                const PrintColumnTable& printColumns);

    // The title line: Enregistrement des résultats de "Orvela" pour NAME. (at most 75 characters)
    static AnsiText titleText(const AnsiText& pupilName);

    // How the last printout laid the table out: the left edge of each column in pixels from the
    // table's left edge (offsets[5] is the table's width), and the table's font size.
    struct Layout {
        std::array<int, kColumns + 1> offsets{};
        int points = kTitlePoints;
    };
    const Layout& lastLayout() const { return layout_; }

    // The share p (percent) of the 180 mm printed width, in pixels of a page `pageWidth` wide.
    static int ProcentTillPixel(double p, int pageWidth);

private:
    int columns_ = 0;
    int rows_ = 0;
    std::vector<AnsiText> cells_;
    Layout layout_;

    Layout fitColumns(Printing& printer, const PageScale& scale,
                      const PrintColumnTable& printColumns) const;
    bool printCopy(Printing& printer, const PageScale& scale, const AnsiText& pupilName) const;
};

} // namespace orvela
