// The fill-in exercise's worksheet lines: the sentences as the pupil sees them, the gaps as blanks
// on the question sheet and with their words on the answer sheet.

#include "TSkrivinf.h"
#include "WorksheetWindow.h"

namespace orvela {

AnsiText TSkrivinf::blankedLine(const AnsiText& line, bool firstLine) {
    const std::string& b = line.bytes();
    const auto gaps = std::count(b.begin(), b.end(), '<');
    std::string out;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] != '<') {
            out.push_back(b[i]);
            continue;
        }
        std::size_t close = b.find('>', i);
        if (close == std::string::npos) close = b.size();
        out += " _" + std::string(close - i - 1, '_');
        if (!(firstLine && gaps == 1)) out += "_ ";
        i = close;
    }
    return AnsiText(std::move(out));
}

void TSkrivinf::addWorksheetItem(WorksheetWindow& worksheet, int n) {
    SharedState& s = state();
    const bool one = oneSentenceProgram(s.ProgramNumber) || s.ItemFields[2].empty();
    const AnsiText prefix = Worksheet::itemPrefix(n);
    const AnsiText indent = AnsiText::ascii("       ");
    auto split = [this, &s](const AnsiText& text) {
        shell().dela_mening(20, 700, text, 2);
        std::vector<AnsiText> lines;
        for (std::size_t k = 1; k <= 2; ++k)
            if (!s.SplitLines[k].empty()) lines.push_back(s.SplitLines[k]);
        return lines;
    };
    if (one) {
        // One sentence: the gaps are blanks on the question sheet and words on the answer sheet.
        std::vector<AnsiText> lines = split(s.ItemFields[1]);
        for (std::size_t k = 0; k < lines.size(); ++k) {
            LineKind kind = k == 0 ? LineKind::Item : LineKind::Continuation;
            const AnsiText& lead = k == 0 ? prefix : indent;
            worksheet.addLine(Sheet::Questions, kind, lead + blankedLine(lines[k], k == 0));
            worksheet.addLine(Sheet::Answers, kind, lead + lines[k]);
        }
        return;
    }
    std::vector<AnsiText> source = split(s.ItemFields[1]);
    for (std::size_t k = 0; k < source.size(); ++k)
        worksheet.addToBoth(k == 0 ? LineKind::Item : LineKind::Continuation,
                            (k == 0 ? prefix : indent) + source[k]);
    std::vector<AnsiText> gaps = split(s.ItemFields[2]);
    for (std::size_t k = 0; k < gaps.size(); ++k) {
        worksheet.addLine(Sheet::Questions, LineKind::Continuation, indent + blankedLine(gaps[k], k == 0));
        worksheet.addLine(Sheet::Answers, LineKind::Continuation, indent + gaps[k]);
    }
}

} // namespace orvela
