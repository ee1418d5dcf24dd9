#pragma once
// The worksheet collected from the exercises in worksheet mode: two parallel lists of lines, the
// question sheet (without answers) and the answer sheet ("Facit"). Line i of both lists belongs to
// the same place of the worksheet.
//
// Every line keeps the kind it was added as (exercise heading, item, continuation, empty), so the
// printout never guesses it from the text: an item numbered 100 begins with a digit just as a
// heading does.

#include "AnsiText.h"
#include "OneBased.h"

#include <cstdint>
#include <vector>

namespace orvela {

enum class Sheet : std::uint8_t {
    Questions = 1, // without answers (ListBox1)
    Answers = 2,   // with answers (ListBox2)
};

enum class LineKind : std::uint8_t {
    Continuation = 0, // instruction note, second question line, writing line, answer
    Heading = 1,      // exercise heading: its number, ".  " and the heading text
    Item = 2,         // item: number prefix and question
    Empty = 10,
};

struct WorksheetLine {
    LineKind kind = LineKind::Empty;
    AnsiText text;
    friend bool operator==(const WorksheetLine&, const WorksheetLine&) = default;
};

// The sheet a PrintWithAnswers value chooses: 0 the questions, 1 the answers.
inline Sheet sheetFor(std::uint8_t printWithAnswers) {
    return printWithAnswers == 1 ? Sheet::Answers : Sheet::Questions;
}

class Worksheet {
public:
    void add(Sheet sheet, LineKind kind, const AnsiText& text);
    void addToBoth(LineKind kind, const AnsiText& text);
    // The heading of exercise k on both sheets, followed by its note when the note is not empty.
    void addHeading(int k, const AnsiText& heading, const AnsiText& note);
    // Item n: on the question sheet the question and a line to write on, on the answer sheet the
    // question and the answer.
    void addItem(int n, const AnsiText& question, const AnsiText& answer);
    void clear();

    const std::vector<WorksheetLine>& lines(Sheet sheet) const;
    std::size_t size(Sheet sheet) const { return lines(sheet).size(); }
    bool empty() const { return questions_.empty() && answers_.empty(); }

    // The number of continuation lines that follow line i (3 for a heading): the room a heading or
    // an item needs below it.
    int UppgiftTillNySida(std::size_t i, Sheet sheet) const;
    // Line i + 1 exists and is a continuation line (the note under a heading).
    bool InstruktionFinns(std::size_t i, Sheet sheet) const;

    // The lines of heading k on one sheet: k + ".  " + heading, then six spaces + the note when
    // there is one.
    static std::vector<WorksheetLine> headingLines(int k, const AnsiText& heading,
                                                   const AnsiText& note);
    // The lines of item n on one sheet: the number prefix and the question, then on the question
    // sheet a line to write on and on the answer sheet seven spaces + the answer.
    static std::vector<WorksheetLine> itemLines(Sheet sheet, int n, const AnsiText& question,
                                                const AnsiText& answer);

    // The single lines as the exercises write them.
    // "   9. ", " 10. ", "100. ": the number of item n, aligned for numbers up to 99.
    static AnsiText itemPrefix(int n);
    // k + ".  " + heading
    static AnsiText headingLine(int k, const AnsiText& heading);
    // six spaces + note
    static AnsiText noteLine(const AnsiText& note);
    // seven spaces and 57 underscores: a line to write the answer on
    static AnsiText writingLine();
    // seven spaces + answer
    static AnsiText answerLine(const AnsiText& answer);

private:
    std::vector<WorksheetLine> questions_;
    std::vector<WorksheetLine> answers_;

    std::vector<WorksheetLine>& list(Sheet sheet) {
        return sheet == Sheet::Answers ? answers_ : questions_;
    }
};

// The answer as the answer sheet shows it: the answer itself and, when the item has alternative
// answers, " eller " and the alternatives separated by ", " and ended by ".". The alternatives are
// the last `altFieldCount` non-empty fields among fields 3 to 10 (without a leading "&").
AnsiText UtSkriftSvar(const AnsiText& answer, const OneBased<AnsiText, 10>& fields,
                      int altFieldCount);

} // namespace orvela
