#include "DiplomaPrintout.h"

#include <algorithm>
#include <string>

namespace orvela {

namespace {

const char* const kMonths[12] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                 "juillet", "août",    "septembre", "octobre", "novembre",
                                 "décembre"};

// Millimetres of the A4 page.
constexpr double kFrameOuterMm = 10;
constexpr double kFrameInnerMm = 12.5;
constexpr double kPictureLeftMm = 35, kPictureRightMm = 175;
constexpr double kPictureTopMm = 22, kPictureBottomMm = 115.3; // 3:2, as the picture is drawn

void centred(Printing& p, const PageScale& scale, double yMm, const PrintFont& font,
             const AnsiText& text) {
    p.setFont(font);
    const int x = (scale.page.width - p.textWidth(text)) / 2;
    p.drawText(x, scale.YmmTillPixel(yMm), text);
}

} // namespace

AnsiText DiplomaPrintout::dateText(int year, int month, int day) {
    const std::string dayText = day == 1 ? std::string("1er") : std::to_string(day);
    const char* monthText = month >= 1 && month <= 12 ? kMonths[month - 1] : "";
    return AnsiText::fromUtf8("Le " + dayText + " " + monthText + " " + std::to_string(year));
}

AnsiText DiplomaPrintout::levelText(int level, int levelCount) {
    return AnsiText::fromUtf8("a atteint le niveau " + std::to_string(level) + " sur " +
                              std::to_string(levelCount));
}

void DiplomaPrintout::drawPage(Printing& p, const Diploma& d) {
    const PageScale scale{p.pageSize()};
    auto X = [&](double mm) { return scale.XmmTillPixel(mm); };
    auto Y = [&](double mm) { return scale.YmmTillPixel(mm); };
    for (double m : {kFrameOuterMm, kFrameInnerMm})
        p.drawRectangle(X(m), Y(m), X(PageScale::kWidthMm - m), Y(PageScale::kHeightMm - m));

    double y = kPictureTopMm;
    if (!d.picture.empty() && p.drawPicture(X(kPictureLeftMm), Y(kPictureTopMm),
                                            X(kPictureRightMm), Y(kPictureBottomMm), d.picture))
        y = kPictureBottomMm + 12;
    else
        y = 60;

    centred(p, scale, y, PrintFont{"Arial", 40, true}, AnsiText::fromUtf8("DIPLÔME"));
    y += 24;
    if (!d.heading.empty()) centred(p, scale, y, PrintFont{"Arial", 18, true}, d.heading);
    y += 20;
    centred(p, scale, y, PrintFont{"Arial", 16, false, true}, AnsiText::fromUtf8("décerné à"));
    y += 12;
    if (!d.name.empty()) {
        centred(p, scale, y, PrintFont{"Arial", 28, true}, d.name);
    } else {
        p.drawLine(X(50), Y(y + 12), X(160), Y(y + 12));
    }
    y += 24;
    centred(p, scale, y, PrintFont{"Arial", 16}, levelText(d.level, d.levelCount));
    y += 18;
    centred(p, scale, y, PrintFont{"Arial", 14}, dateText(d.year, d.month, d.day));

    // The teacher's signature at the bottom right.
    const double signatureMm = PageScale::kHeightMm - 40;
    p.drawLine(X(115), Y(signatureMm), X(180), Y(signatureMm));
    p.setFont(PrintFont{"Arial", 11, false, true});
    const AnsiText signature = AnsiText::fromUtf8("Signature du professeur");
    p.drawText((X(115) + X(180) - p.textWidth(signature)) / 2, Y(signatureMm + 2), signature);
}

PrintOutcome DiplomaPrintout::print(Printing& printer, const Diploma& diploma) {
    const PrintChoice choice = printer.choose("Diplome");
    if (!choice.accepted) return PrintOutcome::Cancelled;
    for (int copy = 0; copy < std::max(1, choice.copies); ++copy) {
        if (!printer.beginJob()) {
            printer.finish();
            return PrintOutcome::Failed;
        }
        drawPage(printer, diploma);
        printer.endJob();
    }
    printer.finish();
    return PrintOutcome::Printed;
}

} // namespace orvela
