#include "StoryPrintout.h"

#include "PrintWrapping.h"

#include <algorithm>

namespace orvela {

AnsiText StoryPrintout::titleText() { return AnsiText::ascii("Composez une histoire"); }

PrintOutcome StoryPrintout::print(Printing& printer, const std::vector<AnsiText>& story) {
    const PrintChoice choice = printer.choose("Histoire");
    if (!choice.accepted) return PrintOutcome::Cancelled;
    const PageScale scale{printer.pageSize()};
    if (scale.page.width <= 0 || scale.page.height <= 0) return PrintOutcome::Failed;
    const int left = scale.XmmTillPixel(kLeftMm);
    const int room = scale.XmmTillPixel(kRightMm) - left;
    const int lowest = scale.YmmTillPixel(kLowestMm);
    bool ok = true;
    for (int copy = 0; ok && copy < std::max(1, choice.copies); ++copy) {
        if (!printer.beginJob()) {
            ok = false;
            break;
        }
        printer.setFont(PrintFont{"Arial", 18, false});
        printer.drawText(left, scale.YmmTillPixel(kTitleMm), titleText());
        printer.setFont(PrintFont{"Arial", 14, false});
        int y = scale.YmmTillPixel(kFirstLineMm);
        for (const AnsiText& line : story) {
            for (const AnsiText& part : wrapToWidth(printer, line, room)) {
                const int h = printer.textHeight(part.empty() ? AnsiText::ascii("X") : part);
                if (y + h > lowest) {
                    printer.newPage();
                    printer.setFont(PrintFont{"Arial", 14, false});
                    y = scale.YmmTillPixel(kTitleMm);
                }
                printer.drawText(left, y, part);
                y += h + gap(scale);
            }
        }
        printer.endJob();
    }
    printer.finish();
    return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace orvela
