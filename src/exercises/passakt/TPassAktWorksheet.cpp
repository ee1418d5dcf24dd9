// The classification exercise's worksheet lines: the sentence with its marks, a line to write the
// classification on, and on the answer sheet the right answer written out in full.

#include "TPassAkt.h"
#include "WorksheetWindow.h"

namespace orvela {

void TPassAkt::addWorksheetItem(WorksheetWindow& worksheet, int n) {
    SharedState& s = state();
    shell().dela_mening(20, 700, s.ItemFields[1], 2);
    const AnsiText lines[2] = {s.SplitLines[1], s.SplitLines[2]};
    const AnsiText indent = AnsiText::ascii("       ");
    worksheet.addToBoth(LineKind::Item, Worksheet::itemPrefix(n) + lines[0]);
    if (!lines[1].empty()) worksheet.addToBoth(LineKind::Continuation, indent + lines[1]);
    worksheet.addLine(Sheet::Questions, LineKind::Continuation,
                      indent + AnsiText::ascii(std::string(28, '_')));
    worksheet.addLine(Sheet::Answers, LineKind::Continuation,
                      indent + ChoiceTiles::expandAbbreviation(s.ItemFields[2], true));
}

} // namespace orvela
