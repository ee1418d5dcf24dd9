#pragma once
// The printed story: "Composez une histoire" in 18-point Arial, then the story's lines in 14-point
// type, each the height of the line before it plus a small gap lower. A line wider than the page
// goes on in the next line, and a full page goes on on a new one.

#include "Printing.h"
#include "WorksheetPrintout.h"

#include <vector>

namespace orvela {

class StoryPrintout {
public:
    static constexpr double kLeftMm = 17;
    static constexpr double kRightMm = 193;
    static constexpr double kTitleMm = 8.5;
    static constexpr double kFirstLineMm = 21;
    static constexpr double kGapMm = 1.7;
    static constexpr double kLowestMm = 287;

    static AnsiText titleText();
    // The gap between two lines in page pixels.
    static int gap(const PageScale& scale) { return scale.YmmTillPixel(kGapMm); }

    static PrintOutcome print(Printing& printer, const std::vector<AnsiText>& story);
};

} // namespace orvela
