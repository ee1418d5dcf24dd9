#include "HoroscopePrintout.h"

#include "PrintWrapping.h"

#include <algorithm>

namespace orvela {

AnsiText HoroscopePrintout::titleText() { return AnsiText::ascii("Orvela - Horoskopet"); }

PrintOutcome HoroscopePrintout::print(Printing& printer, const std::vector<AnsiText>& lines) {
    const PrintChoice choice = printer.choose("Horoskop");
    if (!choice.accepted) return PrintOutcome::Cancelled;
    const PageScale scale{printer.pageSize()};
    if (scale.page.width <= 0 || scale.page.height <= 0) return PrintOutcome::Failed;
    const int room = scale.XmmTillPixel(kRightMm) - scale.XmmTillPixel(kLeftMm);
    bool ok = true;
    for (int copy = 0; ok && copy < std::max(1, choice.copies); ++copy) {
        if (!printer.beginJob()) {
            ok = false;
            break;
        }
        printer.setFont(PrintFont{"Arial", 20, false});
        printer.drawText(scale.XmmTillPixel(kLeftMm), scale.YmmTillPixel(20), titleText());
        printer.setFont(PrintFont{"Arial", 14, false});
        int y = kFirstLineMm;
        for (const AnsiText& line : lines) {
            for (const AnsiText& part : wrapToWidth(printer, line, room)) {
                if (y > kLowestLineMm) {
                    printer.newPage();
                    printer.setFont(PrintFont{"Arial", 14, false});
                    y = kLeftMm;
                }
                printer.drawText(scale.XmmTillPixel(kLeftMm), scale.YmmTillPixel(y), part);
                y += kLineStepMm;
            }
        }
        printer.endJob();
    }
    printer.finish();
    return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace orvela
