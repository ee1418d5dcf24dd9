#pragma once
// The printout of a worksheet: a framed title on the first page, page numbers, the product name on
// later pages, and page breaks that keep an exercise heading with its note and an item with its
// lines. Positions are millimetres on an A4 page; every page is a print job of its own, and every
// copy repeats the whole printout.

#include "Printing.h"
#include "SharedState.h"
#include "Worksheet.h"

namespace orvela {

enum class PrintOutcome {
    Printed,
    Cancelled, // the print dialog was cancelled: nothing printed, nothing changed
    Empty,     // the sheet has no lines: no dialog, nothing printed
    Failed,    // the printer or the file could not be opened
};

// Whether a line must begin a new page. `room` is UppgiftTillNySida of the line, `printY` the
// print position in millimetres (after the gap above a heading), `lineMm` the height of one line.
// A heading or an item needs 8 mm per line of room below 276 mm; a continuation line moves on only
// when it would otherwise run off the page (a group longer than a page). A page that holds no line
// yet takes every line.
bool startsNewPage(LineKind kind, int room, int printY, int lineMm, bool pageHasLines);

class WorksheetPrintout {
public:
    static constexpr int kLeftMm = 20;
    static constexpr int kRightMm = 200; // no text runs past this; longer lines are wrapped
    static constexpr int kPageFullMm = 276;
    static constexpr int kRoomPerLineMm = 8;
    static constexpr int kLowestLineMm = 290; // no line ends below this
    static constexpr int kTopOfLaterPagesMm = 4;
    static constexpr int kBodyPoints = 14;
    static constexpr int kHeadingPoints = 16;

    explicit WorksheetPrintout(SharedState& state) : s_(state) {}

    // Prints the sheet that PrintWithAnswers chooses, after the print dialog.
    PrintOutcome SkrivutFraga(Printing& printer, const Worksheet& worksheet);

    // The page state back to the start: page 1, a title next, PrintY 0.
    void reset();

    // The framed title on the first page (when WorksheetNewPage is 1); also numbers the page 1.
    void SkrivProgramRubrik();
    // The page number at the top right.
    void SkrivSidNr(int page);
    // The product name at the top left of later pages.
    void SkrivProgramNamn();

    static AnsiText titleText(bool withAnswers);
    static AnsiText creditText();

    int PrintY = 0;     // millimetres from the top of the page
    int PrintSheet = 1; // 1 question sheet, 2 answer sheet

private:
    // How a printed line is set: a heading, its note, or the body text.
    enum class Style { Heading, Note, Body };
    // The sheet as printed: every line wrapped to the page, a wrapped part being a continuation
    // line of its own, so that page breaks keep it with its item.
    struct Printed {
        Worksheet lines;
        std::vector<Style> styles;
        std::vector<int> indents; // pixels right of the left margin
        std::vector<bool> firstPart; // the line's first (or only) part
    };

    SharedState& s_;
    Printing* printer_ = nullptr;
    PageScale scale_;

    void setStyle(Style style);
    Printed wrapSheet(const Worksheet& worksheet, Sheet sheet);

    int X(double mm) const { return scale_.XmmTillPixel(mm); }
    int Y(double mm) const { return scale_.YmmTillPixel(mm); }
    void font(int points, bool bold = false);
    void text(double xMm, double yMm, const AnsiText& t);
    // Prints one copy; false when a job could not be started.
    bool printCopy(const Printed& printed, int lineMm);
};

} // namespace orvela
