#pragma once
// The printed class overview: on landscape pages, a title with the number of pupils, the date and
// the page number; a table of the pupils (rows) against the eighteen diagnosis programmes
// (columns) whose cells are filled in their state's colour and carry the percentage with the
// state's mark (so that a black-and-white print reads as well); the summary rows (average and
// counts) after the last pupil; and the legend at the foot of every page.
//
// The table is fitted to the page's width: the largest font from 10 points down to 5 at which the
// names, the eighteen programme columns (each as wide as its heading's longest word or its widest
// cell) and the count of passed programmes fit. A name wider than
// a third of the table is cut with "...". The column headings (number and short name, a word a
// line) are repeated on every page. The summary rows go on the page of the last pupil, or on a
// page of their own when they do not fit there.

#include "ClassOverview.h"
#include "Printing.h"
#include "Services.h"
#include "WorksheetPrintout.h"

#include <array>
#include <string>

namespace orvela {

class ClassOverviewPrintout {
public:
    static constexpr int kTitlePoints = 14;
    static constexpr int kLegendPoints = 8;
    static constexpr int kLargestPoints = 10;
    static constexpr int kSmallestPoints = 5;
    static constexpr double kMarginMm = 10.0;

    ClassOverviewPrintout(const ClassOverview& overview, const DateTime& printed);

    // Asks for the printer (the pages turned to landscape) and prints the overview, as many
    // copies as chosen.
    PrintOutcome print(Printing& printer);
    // Prints on a printer already chosen and begun nothing on (a PDF file): one copy.
    bool printChosen(Printing& printer);

    // "Klassöversikt, diagnosen (N elever)"
    std::string titleText() const;
    // "Utskriven YYYY-MM-DD"
    std::string dateText() const;

    // How the last printout laid the table out, in page pixels.
    struct Layout {
        int points = kLargestPoints;
        int nameWidth = 0;
        std::array<int, kDiagnosisProgrammesInUse> cellWidth{}; // programme n at n - 1
        int passedWidth = 0;
        int rowHeight = 0;
        int headerHeight = 0;
        int rowsPerPage = 0; // pupil rows on a page
        int pages = 0;
        bool summaryPageOfItsOwn = false;

        // The left edge of programme n's column from the table's left edge (n = 19: the count
        // of passed programmes); the table's width.
        int columnLeft(int programme) const;
        int tableWidth() const { return columnLeft(kDiagnosisProgrammesInUse + 1) + passedWidth; }
    };
    const Layout& lastLayout() const { return layout_; }

private:
    const ClassOverview& overview_;
    DateTime printed_;
    Layout layout_;

    struct Frame; // the page's geometry in pixels
    Layout fit(Printing& printer, const Frame& frame) const;
    void printPage(Printing& printer, const Frame& frame, int page, std::size_t firstRow,
                   std::size_t rows, bool summary) const;
    int printHeader(Printing& printer, const Frame& frame, int top) const;
    void printLegend(Printing& printer, const Frame& frame) const;
};

} // namespace orvela
