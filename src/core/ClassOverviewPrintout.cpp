#include "ClassOverviewPrintout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvela {

namespace {

constexpr int kColumns = kDiagnosisProgrammesInUse;
constexpr PrintColour kHeadingColour{210, 230, 250};

AnsiText T(std::string_view utf8) {
    return AnsiText::fromUtf8(utf8);
}

std::string twoDigits(int v) {
    return (v >= 0 && v < 10 ? "0" : "") + std::to_string(v);
}

// The words of a programme's column heading: its number, then its short name a word a line.
std::vector<AnsiText> headingLines(int programme) {
    std::vector<AnsiText> lines{AnsiText::ascii(std::to_string(programme))};
    std::string_view name = ClassOverview::shortName(programme);
    while (!name.empty()) {
        std::size_t space = name.find(' ');
        lines.push_back(T(name.substr(0, space)));
        name = space == std::string_view::npos ? std::string_view() : name.substr(space + 1);
    }
    return lines;
}

constexpr int kHeadingLines = 3;

} // namespace

struct ClassOverviewPrintout::Frame {
    PageSize page;
    double pxPerMmX = 1;
    double pxPerMmY = 1;
    int left = 0;
    int right = 0;
    int top = 0;
    int tableTop = 0;
    int tableBottom = 0; // above the legend
    int legendTop = 0;

    int X(double mm) const { return static_cast<int>(std::lround(mm * pxPerMmX)); }
    int Y(double mm) const { return static_cast<int>(std::lround(mm * pxPerMmY)); }
};

int ClassOverviewPrintout::Layout::columnLeft(int programme) const {
    int x = nameWidth;
    for (int n = 1; n < programme && n <= kColumns; ++n)
        x += cellWidth[static_cast<std::size_t>(n - 1)];
    return x;
}

ClassOverviewPrintout::ClassOverviewPrintout(const ClassOverview& overview,
                                             const DateTime& printed)
    : overview_(overview), printed_(printed) {}

std::string ClassOverviewPrintout::titleText() const {
    const std::size_t n = overview_.rows().size();
    return "Klassöversikt, diagnosen (" + std::to_string(n) + (n == 1 ? " elev)" : " elever)");
}

std::string ClassOverviewPrintout::dateText() const {
    return "Utskriven " + std::to_string(printed_.year) + "-" + twoDigits(printed_.month) + "-" +
           twoDigits(printed_.day);
}

PrintOutcome ClassOverviewPrintout::print(Printing& printer) {
    printer.setOrientation(PageOrientation::Landscape);
    const PrintChoice choice = printer.choose("Klassöversikt");
    if (!choice.accepted) return PrintOutcome::Cancelled;
    bool ok = true;
    for (int copy = 0; ok && copy < std::max(1, choice.copies); ++copy)
        ok = printChosen(printer);
    printer.finish();
    return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

bool ClassOverviewPrintout::printChosen(Printing& printer) {
    Frame f;
    f.page = printer.pageSize();
    if (f.page.width <= 0 || f.page.height <= 0) return false;
    // The page as it lies: A4 across when it is wider than high.
    const bool across = f.page.width >= f.page.height;
    f.pxPerMmX = f.page.width / (across ? PageScale::kHeightMm : PageScale::kWidthMm);
    f.pxPerMmY = f.page.height / (across ? PageScale::kWidthMm : PageScale::kHeightMm);
    f.left = f.X(kMarginMm);
    f.right = f.page.width - f.X(kMarginMm);
    f.top = f.Y(kMarginMm);
    printer.setFont(PrintFont{"Arial", kTitlePoints, true});
    f.tableTop = f.top + printer.textHeight(T("Ag")) + f.Y(4);
    printer.setFont(PrintFont{"Arial", kLegendPoints, false});
    const int legendLine = printer.textHeight(T("Ag"));
    const auto legendLines = static_cast<int>(ClassOverview::legendLines().size()) + 1;
    f.legendTop = f.page.height - f.Y(kMarginMm) - legendLine * legendLines;
    f.tableBottom = f.legendTop - f.Y(4);

    layout_ = fit(printer, f);

    const std::size_t pupils = overview_.rows().size();
    const auto perPage = static_cast<std::size_t>(layout_.rowsPerPage);
    if (!printer.beginJob()) return false;
    std::size_t first = 0;
    for (int page = 1; page <= layout_.pages; ++page) {
        if (page > 1) printer.newPage();
        const std::size_t rows = std::min(perPage, pupils - std::min(first, pupils));
        const bool summary = page == layout_.pages;
        printPage(printer, f, page, first, rows, summary);
        first += rows;
    }
    printer.endJob();
    return true;
}

ClassOverviewPrintout::Layout ClassOverviewPrintout::fit(Printing& printer,
                                                         const Frame& f) const {
    const int width = f.right - f.left;
    const int pad = f.X(1);
    Layout l;
    for (int points = kLargestPoints; points >= kSmallestPoints; --points) {
        l = Layout{};
        l.points = points;
        printer.setFont(PrintFont{"Arial", points, true});
        const int cell = std::max(printer.textWidth(T("100*")), printer.textWidth(T("100 %")));
        int cells = 0;
        for (int n = 1; n <= kColumns; ++n) {
            int w = cell;
            for (const AnsiText& word : headingLines(n))
                w = std::max(w, printer.textWidth(word));
            l.cellWidth[static_cast<std::size_t>(n - 1)] = w + 2 * pad;
            cells += w + 2 * pad;
        }
        l.passedWidth = printer.textWidth(T("Godkända")) + 2 * pad;
        int name = printer.textWidth(T("Namn"));
        for (int s = 0; s < ClassOverview::kSummaryRows; ++s)
            name = std::max(name, printer.textWidth(T(ClassOverview::summaryHeading(s))));
        printer.setFont(PrintFont{"Arial", points, false});
        for (const OverviewRow& row : overview_.rows())
            name = std::max(name, printer.textWidth(ClassOverview::displayName(row.name)));
        l.nameWidth = std::min(name + 2 * pad, width / 3);
        if (l.nameWidth + cells + l.passedWidth <= width) break;
        if (points == kSmallestPoints) {
            // Even the smallest font is too wide: the programme columns share what is left.
            l.cellWidth.fill(std::max(1, (width - l.nameWidth - l.passedWidth) / kColumns));
        }
    }
    printer.setFont(PrintFont{"Arial", l.points, false});
    const int line = printer.textHeight(T("Ag"));
    l.rowHeight = line + std::max(2, line / 4);
    l.headerHeight = kHeadingLines * line + l.rowHeight - line;
    l.rowsPerPage = std::max(1, (f.tableBottom - f.tableTop - l.headerHeight) / l.rowHeight);

    const auto pupils = static_cast<int>(overview_.rows().size());
    const int summaryRows = ClassOverview::kSummaryRows + (pupils == 0 ? 1 : 0);
    const int pupilPages = std::max(1, (pupils + l.rowsPerPage - 1) / l.rowsPerPage);
    const int onLastPage = pupils - (pupilPages - 1) * l.rowsPerPage;
    l.summaryPageOfItsOwn = pupils > 0 && onLastPage + summaryRows > l.rowsPerPage;
    l.pages = pupilPages + (l.summaryPageOfItsOwn ? 1 : 0);
    return l;
}

int ClassOverviewPrintout::printHeader(Printing& printer, const Frame& f, int top) const {
    const Layout& l = layout_;
    const int pad = f.X(1);
    const int tableRight = f.left + l.tableWidth();
    const int bottom = top + l.headerHeight;
    printer.fillRectangle(f.left, top, tableRight, bottom, kHeadingColour);
    printer.setFont(PrintFont{"Arial", l.points, true});
    const int line = printer.textHeight(T("Ag"));
    const int textTop = top + (l.rowHeight - line) / 2;
    printer.drawText(f.left + pad, bottom - (l.rowHeight + line) / 2, T("Namn"));
    for (int n = 1; n <= kColumns; ++n) {
        const int x = f.left + l.columnLeft(n);
        const int w = l.cellWidth[static_cast<std::size_t>(n - 1)];
        int y = textTop;
        for (const AnsiText& word : headingLines(n)) {
            printer.drawText(x + (w - printer.textWidth(word)) / 2, y, word);
            y += line;
        }
    }
    const int passedX = f.left + l.columnLeft(kColumns + 1);
    printer.drawText(passedX + pad, bottom - (l.rowHeight + line) / 2, T("Godkända"));
    return bottom;
}

void ClassOverviewPrintout::printPage(Printing& printer, const Frame& f, int page,
                                      std::size_t firstRow, std::size_t rows,
                                      bool summary) const {
    const Layout& l = layout_;
    const int pad = f.X(1);

    printer.setFont(PrintFont{"Arial", kTitlePoints, true});
    printer.drawText(f.left, f.top, T(titleText()));
    const AnsiText right =
        T(dateText() + "    Sida " + std::to_string(page) + " av " + std::to_string(l.pages));
    printer.drawText(f.right - printer.textWidth(right), f.top, right);

    const int tableRight = f.left + l.tableWidth();
    const int passedX = f.left + l.columnLeft(kColumns + 1);
    int y = printHeader(printer, f, f.tableTop);
    std::vector<int> lines{f.tableTop, y};

    printer.setFont(PrintFont{"Arial", l.points, false});
    const int line = printer.textHeight(T("Ag"));
    const int textDown = (l.rowHeight - line) / 2;
    auto centred = [&](int x, int width, int top, const AnsiText& text) {
        printer.drawText(x + (width - printer.textWidth(text)) / 2, top + textDown, text);
    };

    const std::vector<OverviewRow>& all = overview_.rows();
    for (std::size_t i = firstRow; i < firstRow + rows && i < all.size(); ++i) {
        const OverviewRow& row = all[i];
        for (int n = 1; n <= kColumns; ++n) {
            const int x = f.left + l.columnLeft(n);
            const int w = l.cellWidth[static_cast<std::size_t>(n - 1)];
            const OverviewCell& c = row.cell(n);
            printer.fillRectangle(x, y, x + w, y + l.rowHeight, ClassOverview::stateColour(c.state));
            centred(x, w, y, T(ClassOverview::cellText(c)));
        }
        AnsiText name = ClassOverview::displayName(row.name);
        if (printer.textWidth(name) > l.nameWidth - 2 * pad) {
            const AnsiText dots = AnsiText::ascii("...");
            while (!name.empty() && printer.textWidth(name + dots) > l.nameWidth - 2 * pad)
                name.truncate(name.size() - 1);
            name += dots;
        }
        printer.drawText(f.left + pad, y + textDown, name);
        centred(passedX, l.passedWidth, y, AnsiText::ascii(std::to_string(row.passed)));
        y += l.rowHeight;
        lines.push_back(y);
    }

    if (summary) {
        if (all.empty()) {
            printer.drawText(f.left + pad, y + textDown, T("Inga diagnoser har sparats."));
            y += l.rowHeight;
            lines.push_back(y);
        }
        // A double line between the pupils and the summary.
        printer.drawLine(f.left, y + 2 * pad / 3, tableRight, y + 2 * pad / 3);
        y += 2 * pad / 3;
        lines.push_back(y);
        for (int s = 0; s < ClassOverview::kSummaryRows; ++s) {
            printer.setFont(PrintFont{"Arial", l.points, true});
            printer.drawText(f.left + pad, y + textDown, T(ClassOverview::summaryHeading(s)));
            printer.setFont(PrintFont{"Arial", l.points, false});
            for (int n = 1; n <= kColumns; ++n) {
                centred(f.left + l.columnLeft(n), l.cellWidth[static_cast<std::size_t>(n - 1)], y,
                        T(ClassOverview::summaryText(overview_.column(n), s)));
            }
            y += l.rowHeight;
            lines.push_back(y);
        }
    }

    // The grid over the filled cells.
    for (int ly : lines)
        printer.drawLine(f.left, ly, tableRight, ly);
    const int tableBottom = lines.back();
    printer.drawLine(f.left, f.tableTop, f.left, tableBottom);
    for (int n = 1; n <= kColumns + 1; ++n) {
        const int x = f.left + l.columnLeft(n);
        printer.drawLine(x, f.tableTop, x, tableBottom);
    }
    printer.drawLine(tableRight, f.tableTop, tableRight, tableBottom);

    printLegend(printer, f);
}

void ClassOverviewPrintout::printLegend(Printing& printer, const Frame& f) const {
    printer.setFont(PrintFont{"Arial", kLegendPoints, false});
    const int line = printer.textHeight(T("Ag"));
    int x = f.left;
    const int boxWidth = printer.textWidth(T("100*")) + f.X(2);
    for (OverviewState s : kLegendOrder) {
        printer.fillRectangle(x, f.legendTop, x + boxWidth, f.legendTop + line,
                              ClassOverview::stateColour(s));
        printer.drawRectangle(x, f.legendTop, x + boxWidth, f.legendTop + line);
        const AnsiText mark = T(ClassOverview::cellText(ClassOverview::sampleCell(s)));
        printer.drawText(x + (boxWidth - printer.textWidth(mark)) / 2, f.legendTop, mark);
        x += boxWidth + f.X(2);
        const AnsiText name = T(ClassOverview::stateName(s));
        printer.drawText(x, f.legendTop, name);
        x += printer.textWidth(name) + f.X(8);
    }
    int y = f.legendTop + line;
    for (const std::string& text : ClassOverview::legendLines()) {
        printer.drawText(f.left, y, T(text));
        y += line;
    }
}

} // namespace orvela
