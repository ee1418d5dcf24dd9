#include "ManualPrintout.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace orvela {

namespace {

const AnsiText kSample = AnsiText::ascii("Hej");

std::size_t leadingSpaces(const AnsiText& t) {
    std::size_t n = 0;
    while (n < t.size() && t[n] == ' ')
        ++n;
    return n;
}

bool blank(const AnsiText& t) {
    return leadingSpaces(t) == t.size();
}

AnsiText withoutTrailingSpaces(const AnsiText& t) {
    std::size_t n = t.size();
    while (n > 0 && t[n - 1] == ' ')
        --n;
    return t.substr(0, n);
}

} // namespace

std::vector<AnsiText> ManualPrintout::splitLines(const AnsiText& text) {
    std::vector<AnsiText> lines;
    const std::string& bytes = text.bytes();
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        lines.emplace_back(bytes.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

std::vector<AnsiText> ManualPrintout::fitToWidth(Printing& printer, const AnsiText& line,
                                                 int width) {
    if (printer.textWidth(line) <= width) return {line};
    // Parts after the first begin where the line's text began; under the text of a list line.
    std::size_t indent = leadingSpaces(line);
    if (line.substr(indent, 2) == AnsiText::ascii("- ")) indent += 2;
    AnsiText margin(std::string(indent, ' '));
    if (printer.textWidth(margin) * 2 > width) margin.clear();

    std::vector<AnsiText> parts;
    AnsiText prefix; // the margin of a part after the first
    AnsiText rest = line;
    while (printer.textWidth(prefix + rest) > width) {
        // The longest beginning that ends before a space (after the line's own indentation) and
        // fits; failing that, as many characters as fit, at least one.
        const std::size_t from = parts.empty() ? leadingSpaces(rest) : 0;
        std::size_t cut = 0;
        for (std::size_t i = from; i < rest.size(); ++i) {
            if (rest[i] != ' ' || i == 0) continue;
            if (printer.textWidth(prefix + withoutTrailingSpaces(rest.substr(0, i))) > width) break;
            cut = i;
        }
        if (cut == 0 || blank(rest.substr(0, cut))) {
            cut = 1;
            while (cut < rest.size() &&
                   printer.textWidth(prefix + rest.substr(0, cut + 1)) <= width)
                ++cut;
        }
        parts.push_back(prefix + withoutTrailingSpaces(rest.substr(0, cut)));
        rest = rest.substr(cut);
        rest = rest.substr(leadingSpaces(rest));
        prefix = margin;
        if (rest.empty()) return parts;
    }
    parts.push_back(prefix + rest);
    return parts;
}

void ManualPrintout::pageNumber(Printing& printer, const PageScale& scale, int page) {
    printer.drawText(scale.XmmTillPixel(kPageNumberXMm), scale.YmmTillPixel(kPageNumberYMm),
                     AnsiText::ascii(std::to_string(page)));
}

PrintOutcome ManualPrintout::print(Printing& printer, const std::vector<AnsiText>& lines,
                                   Source source, std::string_view documentName) {
    if (lines.empty()) return PrintOutcome::Empty;
    const PrintChoice choice = printer.choose(documentName);
    if (!choice.accepted) return PrintOutcome::Cancelled;
    const PageScale scale{printer.pageSize()};
    if (scale.page.width <= 0 || scale.page.height <= 0) return PrintOutcome::Failed;

    printer.setFont(PrintFont{"Arial", kPoints, false, false});
    lineMm_ = std::max(1, std::abs(scale.YPixelTillmm(printer.textHeight(kSample))));
    const int width = scale.XmmTillPixel(kTextRightMm) - scale.XmmTillPixel(kTextLeftMm);
    std::vector<AnsiText> printed;
    for (const AnsiText& line : lines)
        for (AnsiText& part : fitToWidth(printer, line, width))
            printed.push_back(std::move(part));

    bool ok = true;
    for (int copy = 0; ok && copy < std::max(1, choice.copies); ++copy)
        ok = printCopy(printer, scale, printed, source);
    printer.finish();
    return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

bool ManualPrintout::printCopy(Printing& printer, const PageScale& scale,
                               const std::vector<AnsiText>& lines, Source source) const {
    int page = 1;
    if (!printer.beginJob()) return false;
    pageNumber(printer, scale, page);
    int y = source == Source::WholeText ? kFirstTopMm : kFirstTopSelectionMm;
    for (const AnsiText& line : lines) {
        y += lineMm_;
        if (y > kLowestLineMm) {
            // The page is full: it goes to the printer, and the line begins the next page.
            printer.endJob();
            if (!printer.beginJob()) return false;
            pageNumber(printer, scale, ++page);
            y = kNextTopMm + lineMm_;
        }
        if (!blank(line))
            printer.drawText(scale.XmmTillPixel(kTextLeftMm), scale.YmmTillPixel(y), line);
        y += 1;
    }
    printer.endJob();
    return true;
}

} // namespace orvela
