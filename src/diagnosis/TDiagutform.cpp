#include "TDiagutform.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace orvela {

namespace {

AnsiText withoutTrailingSpaces(const AnsiText& text) {
    std::size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ')
        --n;
    return text.substr(0, n);
}

int roundPercent(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

PrintColumnTable TDiagutform::PrintColumnsFor(int unit, int screenWidth, int dateWidth) {
    PrintColumnTable c;
    const double w = std::max(1, screenWidth);
    const int p0 = roundPercent(3.0 * unit / w * 100.0);
    const int q = roundPercent(dateWidth / w * 100.0);
    c[1] = p0;
    c[2] = 100 - 3 * (q - 1);
    c[3] = 100 - 2 * (q - 1);
    c[4] = 100 - 2 * (q - 1) + q + 1;
    return c;
}

int TDiagutform::ProcentTillPixel(double p, int pageWidth) {
    return static_cast<int>(std::lround(p * pageWidth * 6.0 / 7.0 / 100.0));
}

void TDiagutform::setGridSize(int columns, int rows) {
    columns_ = std::max(0, columns);
    rows_ = std::max(0, rows);
    cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), {});
}

void TDiagutform::setCell(int column, int row, const AnsiText& text) {
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_) return;
    cells_[static_cast<std::size_t>(row * columns_ + column)] = text;
}

const AnsiText& TDiagutform::cell(int column, int row) const {
    static const AnsiText empty;
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_) return empty;
    return cells_[static_cast<std::size_t>(row * columns_ + column)];
}

AnsiText TDiagutform::titleText(const AnsiText& pupilName) {
    AnsiText title = AnsiText::fromUtf8("Enregistrement des résultats de \"Orvela\" pour ");
    title += pupilName;
    title += AnsiText::ascii(".");
    title.truncate(kTitleMax);
    return title;
}

PrintOutcome TDiagutform::SkrivutDiaggen(Printing& printer, const AnsiText& pupilName,
                                         const PrintColumnTable& printColumns) {
    const PrintChoice choice = printer.choose("Diagnosprotokoll");
    if (!choice.accepted) return PrintOutcome::Cancelled;
    const PageScale scale{printer.pageSize()};
    if (scale.page.width <= 0 || scale.page.height <= 0) return PrintOutcome::Failed;
    layout_ = fitColumns(printer, scale, printColumns);
    bool ok = true;
    for (int copy = 0; ok && copy < std::max(1, choice.copies); ++copy)
        ok = printCopy(printer, scale, pupilName);
    printer.finish();
    return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

TDiagutform::Layout TDiagutform::fitColumns(Printing& printer, const PageScale& scale,
                                            const PrintColumnTable& printColumns) const {
    const int pageWidth = scale.page.width;
    const int tableWidth = ProcentTillPixel(100, pageWidth);
    const int padding = scale.XmmTillPixel(1);

    Layout rule;
    rule.offsets[0] = 0;
    for (int k = 1; k <= 4; ++k)
        rule.offsets[static_cast<std::size_t>(k)] = std::clamp(
            ProcentTillPixel(printColumns[static_cast<std::size_t>(k)], pageWidth), 0, tableWidth);
    rule.offsets[kColumns] = tableWidth;
    for (std::size_t k = 1; k <= kColumns; ++k)
        rule.offsets[k] = std::max(rule.offsets[k], rule.offsets[k - 1]);
    std::array<int, kColumns> ruleWidth{};
    for (std::size_t k = 0; k < kColumns; ++k)
        ruleWidth[k] = rule.offsets[k + 1] - rule.offsets[k];

    auto fromWidths = [&](const std::array<int, kColumns>& widths, int points) {
        Layout l;
        l.points = points;
        for (std::size_t k = 0; k < kColumns; ++k)
            l.offsets[k + 1] = l.offsets[k] + widths[k];
        return l;
    };

    for (int points = kTitlePoints; points >= kSmallestPoints; --points) {
        printer.setFont(PrintFont{"Arial", points, true});
        std::array<int, kColumns> needed{};
        for (int row = 0; row < rows_; ++row)
            for (int k = 0; k < std::min(columns_, kColumns); ++k) {
                const AnsiText text = withoutTrailingSpaces(cell(k, row));
                if (text.empty()) continue;
                auto i = static_cast<std::size_t>(k);
                needed[i] = std::max(needed[i], printer.textWidth(text) + padding);
            }
        bool ruleFits = true;
        for (std::size_t k = 0; k < kColumns; ++k)
            ruleFits = ruleFits && needed[k] <= ruleWidth[k];
        if (ruleFits) {
            rule.points = points;
            return rule;
        }
        // Every column as wide as its texts; what is left widens the narrow columns towards
        // their width on the screen, and the rest goes to the programme names.
        int left = tableWidth - std::accumulate(needed.begin(), needed.end(), 0);
        if (left >= 0 || points == kSmallestPoints) {
            std::array<int, kColumns> widths = needed;
            for (std::size_t k : {0u, 2u, 3u, 4u}) {
                const int grow = std::clamp(ruleWidth[k] - needed[k], 0, std::max(0, left));
                widths[k] += grow;
                left -= grow;
            }
            widths[1] += std::max(0, left);
            return fromWidths(widths, points);
        }
    }
    return rule;
}

bool TDiagutform::printCopy(Printing& printer, const PageScale& scale,
                            const AnsiText& pupilName) const {
    if (!printer.beginJob()) return false;
    auto X = [&](double mm) { return scale.XmmTillPixel(mm); };
    auto Y = [&](double mm) { return scale.YmmTillPixel(mm); };

    printer.setFont(PrintFont{"Arial", kTitlePoints, true});
    int y = 2;
    printer.drawText(X(20), Y(y + 2), titleText(pupilName));
    y += 10;

    printer.setFont(PrintFont{"Arial", layout_.points, true});
    const int left = X(15) - 1;
    const int right = X(195) + 1;
    for (int row = 0; row < rows_; ++row) {
        const int top = Y(y);
        const int bottom = Y(y + 10);
        const bool lastRow = row == rows_ - 1;
        printer.drawLine(left, top, left, bottom);
        printer.drawLine(left, top, right, top);
        printer.drawText(X(15), Y(y + 2), cell(0, row));
        for (int k = 1; k < kColumns; ++k) {
            const int offset = layout_.offsets[static_cast<std::size_t>(k)];
            printer.drawLine(left + offset, top, left + offset, bottom);
            const int textY = lastRow && (k == 1 || k == 2) ? y + 3 : y + 2;
            printer.drawText(X(15) + offset, Y(textY), cell(k, row));
        }
        printer.drawLine(right, top, right, bottom);
        y += 8;
    }
    printer.drawLine(left, Y(y + 2), right, Y(y + 2));
    printer.endJob();
    return true;
}

} // namespace orvela
