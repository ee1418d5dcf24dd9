#pragma once
// The printed horoscope: "Orvela - Horoskopet" in 20-point type at (20 mm, 20 mm), then the
// horoscope's lines in 14-point type at 20 mm from the left, the first at 40 mm from the top and
// each next 7 mm lower. A line wider than the page (20 mm margins) goes on in the next line; a
// page that is full goes on on a new page.

#include "Printing.h"
#include "WorksheetPrintout.h"

#include <vector>

namespace orvela {

class HoroscopePrintout {
public:
    static constexpr int kLeftMm = 20;
    static constexpr int kRightMm = 190;
    static constexpr int kFirstLineMm = 40;
    static constexpr int kLineStepMm = 7;
    static constexpr int kLowestLineMm = 280;

    static AnsiText titleText();

    // Prints the lines after the print dialog.
    static PrintOutcome print(Printing& printer, const std::vector<AnsiText>& lines);
};

} // namespace orvela
