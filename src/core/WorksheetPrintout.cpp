#include "WorksheetPrintout.h"

#include <algorithm>
#include <string>

namespace orvela {

namespace {
const AnsiText kSample = AnsiText::fromUtf8("ÅgJj");
const AnsiText kTitleStart = AnsiText::fromUtf8("Arbetsblad från ");
} // namespace

bool startsNewPage(LineKind kind, int room, int printY, int lineMm, bool pageHasLines) {
    if (!pageHasLines) return false;
    if (kind == LineKind::Heading || kind == LineKind::Item)
        return room * WorksheetPrintout::kRoomPerLineMm + printY > WorksheetPrintout::kPageFullMm;
    // The line would begin at printY + lineMm + 1 and end one line height lower.
    return printY + 2 * lineMm + 1 > WorksheetPrintout::kLowestLineMm;
}

AnsiText WorksheetPrintout::titleText(bool withAnswers) {
    return AnsiText::fromUtf8(withAnswers ? "Arbetsblad från Orvela. Facit."
                                          : "Arbetsblad från Orvela.");
}

AnsiText WorksheetPrintout::creditText() {
    return AnsiText::fromUtf8("Orvela – franska för svenska elever");
}

void WorksheetPrintout::reset() {
    s_.WorksheetPageNumber = 1;
    s_.WorksheetNewPage = 1;
    PrintY = 0;
}

void WorksheetPrintout::font(int points, bool bold) {
    printer_->setFont(PrintFont{"Arial", points, bold, false});
}

void WorksheetPrintout::text(double xMm, double yMm, const AnsiText& t) {
    printer_->drawText(X(xMm), Y(yMm), t);
}

PrintOutcome WorksheetPrintout::SkrivutFraga(Printing& printer, const Worksheet& worksheet) {
    const Sheet sheet = sheetFor(s_.PrintWithAnswers);
    PrintSheet = sheet == Sheet::Answers ? 2 : 1;
    if (worksheet.size(sheet) == 0) return PrintOutcome::Empty;

    const PrintChoice choice =
        printer.choose(sheet == Sheet::Answers ? "Arbetsblad facit" : "Arbetsblad");
    if (!choice.accepted) return PrintOutcome::Cancelled;

    printer_ = &printer;
    scale_ = PageScale{printer.pageSize()};
    if (scale_.page.width <= 0 || scale_.page.height <= 0) {
        printer_ = nullptr;
        return PrintOutcome::Failed;
    }
    font(kBodyPoints);
    const int lineMm = std::max(1, scale_.YPixelTillmm(printer.textHeight(kSample)));

    const Printed printed = wrapSheet(worksheet, sheet);
    bool ok = true;
    for (int copy = 0; ok && copy < std::max(1, choice.copies); ++copy)
        ok = printCopy(printed, lineMm);
    printer.finish();
    printer_ = nullptr;
    return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void WorksheetPrintout::setStyle(Style style) {
    switch (style) {
    case Style::Heading: font(kHeadingPoints, true); break;
    case Style::Note: font(kBodyPoints, true); break;
    case Style::Body: font(kBodyPoints); break;
    }
}

WorksheetPrintout::Printed WorksheetPrintout::wrapSheet(const Worksheet& worksheet, Sheet sheet) {
    Printed out;
    const int width = X(kRightMm) - X(kLeftMm);
    const std::vector<WorksheetLine>& lines = worksheet.lines(sheet);
    auto add = [&](const WorksheetLine& line, Style style) {
        setStyle(style);
        const WrappedLine wrapped = wrapPrintLine(*printer_, line.text, width);
        for (std::size_t k = 0; k < wrapped.lines.size(); ++k) {
            out.lines.add(Sheet::Questions, k == 0 ? line.kind : LineKind::Continuation,
                          wrapped.lines[k]);
            out.styles.push_back(style);
            out.indents.push_back(k == 0 ? 0 : wrapped.indent);
            out.firstPart.push_back(k == 0);
        }
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Heading) {
            add(lines[i], Style::Body);
            continue;
        }
        const bool note = worksheet.InstruktionFinns(i, sheet);
        add(lines[i], Style::Heading);
        if (note) add(lines[++i], Style::Note);
    }
    font(kBodyPoints);
    return out;
}

bool WorksheetPrintout::printCopy(const Printed& printed, int lineMm) {
    Printing& p = *printer_;
    if (!p.beginJob()) return false;
    s_.WorksheetNewPage = 1;
    SkrivProgramRubrik();
    font(kBodyPoints);

    const std::vector<WorksheetLine>& lines = printed.lines.lines(Sheet::Questions);
    bool pageHasLines = false;
    std::size_t i = 0;
    while (i < lines.size()) {
        const WorksheetLine& line = lines[i];
        if (line.kind == LineKind::Heading) PrintY += 2;
        if (startsNewPage(line.kind, printed.lines.UppgiftTillNySida(i, Sheet::Questions), PrintY,
                          lineMm, pageHasLines)) {
            ++s_.WorksheetPageNumber;
            p.endJob();
            if (!p.beginJob()) return false;
            SkrivSidNr(s_.WorksheetPageNumber);
            SkrivProgramNamn();
            font(kBodyPoints);
            PrintY = kTopOfLaterPagesMm;
            pageHasLines = false;
            continue; // the same line again, on the new page
        }
        const Style style = printed.styles[i];
        setStyle(style);
        if (style == Style::Heading && printed.firstPart[i]) {
            PrintY += lineMm;
        } else {
            if (line.kind == LineKind::Item) PrintY += 2;
            PrintY += lineMm + 1;
        }
        p.drawText(X(kLeftMm) + printed.indents[i], Y(PrintY), line.text);
        pageHasLines = true;
        ++i;
    }
    font(kBodyPoints);
    p.endJob();
    return true;
}

void WorksheetPrintout::SkrivProgramRubrik() {
    if (s_.WorksheetNewPage != 1) return;
    Printing& p = *printer_;
    s_.WorksheetPageNumber = 1;
    SkrivSidNr(1);

    const AnsiText title = titleText(s_.PrintWithAnswers == 1);
    font(22, true);
    const int w = p.textWidth(title);
    const int h1 = p.textHeight(kTitleStart);
    font(8);
    const AnsiText credit = creditText();
    const int h2 = p.textHeight(credit);

    PrintY = 2;
    // A double frame around the title and the credit line.
    p.drawRectangle(X(18), Y(PrintY), X(22) + w, Y(PrintY + 6) + h1 + h2);
    p.drawRectangle(X(19), Y(PrintY + 1), X(21) + w, Y(PrintY + 5) + h1 + h2);
    font(22, true);
    p.drawText(X(kLeftMm), Y(PrintY + 2), title);
    font(8);
    p.drawText(X(kLeftMm), Y(PrintY + 2) + h1, credit);

    PrintY += scale_.YPixelTillmm(h1 + h2) + 2;
    font(kHeadingPoints);
    s_.WorksheetNewPage = 0;
}

void WorksheetPrintout::SkrivSidNr(int page) {
    font(10);
    text(200, 2, AnsiText::ascii(std::to_string(page)));
}

void WorksheetPrintout::SkrivProgramNamn() {
    font(8);
    text(2, 2, AnsiText::ascii("Orvela"));
}

} // namespace orvela
