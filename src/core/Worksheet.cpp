#include "Worksheet.h"

#include <string>

namespace orvela {

void Worksheet::add(Sheet sheet, LineKind kind, const AnsiText& text) {
    list(sheet).push_back(WorksheetLine{kind, text});
}

void Worksheet::addToBoth(LineKind kind, const AnsiText& text) {
    add(Sheet::Questions, kind, text);
    add(Sheet::Answers, kind, text);
}

void Worksheet::addHeading(int k, const AnsiText& heading, const AnsiText& note) {
    for (const WorksheetLine& l : headingLines(k, heading, note)) addToBoth(l.kind, l.text);
}

void Worksheet::addItem(int n, const AnsiText& question, const AnsiText& answer) {
    for (Sheet sheet : {Sheet::Questions, Sheet::Answers})
        for (const WorksheetLine& l : itemLines(sheet, n, question, answer))
            add(sheet, l.kind, l.text);
}

std::vector<WorksheetLine> Worksheet::headingLines(int k, const AnsiText& heading,
                                                   const AnsiText& note) {
    std::vector<WorksheetLine> lines{{LineKind::Heading, headingLine(k, heading)}};
    if (!note.empty()) lines.push_back({LineKind::Continuation, noteLine(note)});
    return lines;
}

std::vector<WorksheetLine> Worksheet::itemLines(Sheet sheet, int n, const AnsiText& question,
                                                const AnsiText& answer) {
    return {{LineKind::Item, itemPrefix(n) + question},
            {LineKind::Continuation,
             sheet == Sheet::Answers ? answerLine(answer) : writingLine()}};
}

void Worksheet::clear() {
    questions_.clear();
    answers_.clear();
}

const std::vector<WorksheetLine>& Worksheet::lines(Sheet sheet) const {
    return sheet == Sheet::Answers ? answers_ : questions_;
}

int Worksheet::UppgiftTillNySida(std::size_t i, Sheet sheet) const {
    const std::vector<WorksheetLine>& l = lines(sheet);
    if (i >= l.size()) return 0;
    if (l[i].kind == LineKind::Heading) return 3;
    int count = 0;
    for (std::size_t j = i + 1; j < l.size() && l[j].kind == LineKind::Continuation; ++j) ++count;
    return count;
}

bool Worksheet::InstruktionFinns(std::size_t i, Sheet sheet) const {
    const std::vector<WorksheetLine>& l = lines(sheet);
    return i + 1 < l.size() && l[i + 1].kind == LineKind::Continuation;
}

AnsiText Worksheet::itemPrefix(int n) {
    const std::string number = std::to_string(n);
    std::string lead = n < 10 ? "   " : n < 100 ? " " : "";
    AnsiText prefix = AnsiText::ascii(lead + number + ". ");
    prefix.truncate(20);
    return prefix;
}

AnsiText Worksheet::headingLine(int k, const AnsiText& heading) {
    return AnsiText::ascii(std::to_string(k) + ".  ") + heading;
}

AnsiText Worksheet::noteLine(const AnsiText& note) {
    return AnsiText::ascii("      ") + note;
}

AnsiText Worksheet::writingLine() {
    return AnsiText::ascii("       " + std::string(57, '_'));
}

AnsiText Worksheet::answerLine(const AnsiText& answer) {
    return AnsiText::ascii("       ") + answer;
}

AnsiText UtSkriftSvar(const AnsiText& answer, const OneBased<AnsiText, 10>& fields,
                      int altFieldCount) {
    if (altFieldCount <= 0) return answer;
    // The alternatives are the last non-empty fields, looking from field 10 down to field 3.
    std::vector<AnsiText> alternatives;
    for (std::size_t f = 10; f >= 3 && static_cast<int>(alternatives.size()) < altFieldCount; --f) {
        AnsiText field = fields[f];
        if (field.empty()) continue;
        if (field.front() == '&') field = field.substr(1);
        alternatives.insert(alternatives.begin(), field);
    }
    if (alternatives.empty()) return answer;
    AnsiText result = answer + AnsiText::ascii(" eller ");
    for (std::size_t k = 0; k < alternatives.size(); ++k) {
        if (k > 0) result += AnsiText::ascii(", ");
        result += alternatives[k];
    }
    result += AnsiText::ascii(".");
    return result;
}

} // namespace orvela
