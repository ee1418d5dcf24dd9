// The word-tile exercise's worksheet lines: the gap as a blank as long as the longest choice on
// the question sheet, the gap word in its marks on the answer sheet.

#include "TFLERBAR.h"
#include "WorksheetWindow.h"

namespace orvela {

AnsiText TFLERBAR::blankedLine(const AnsiText& line, int longest) {
    const std::string& b = line.bytes();
    std::size_t open = b.find('<');
    if (open == std::string::npos) return line;
    std::size_t close = b.find('>', open);
    std::string out = b.substr(0, open);
    for (int i = 0; i < std::max(longest, 1); ++i) out += "__";
    if (close != std::string::npos) out += b.substr(close + 1);
    return AnsiText(std::move(out));
}

void TFLERBAR::addWorksheetItem(WorksheetWindow& worksheet, int n) {
    SharedState& s = state();
    shell().dela_mening(20, 670, s.ItemFields[1], 2);
    const AnsiText lines[2] = {s.SplitLines[1], s.SplitLines[2]};
    const AnsiText indent = AnsiText::ascii("       ");
    for (int k = 0; k < 2; ++k) {
        if (lines[k].empty()) continue;
        const AnsiText lead = k == 0 ? Worksheet::itemPrefix(n) : indent;
        const LineKind kind = k == 0 ? LineKind::Item : LineKind::Continuation;
        worksheet.addLine(Sheet::Questions, kind, lead + blankedLine(lines[k], longestChoice_));
        worksheet.addLine(Sheet::Answers, kind, lead + lines[k]);
    }
}

} // namespace orvela
