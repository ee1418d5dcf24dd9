#pragma once
// What the exercise windows ask of the worksheet window in worksheet mode: adding lines to the
// two sheets, clearing them, showing one sheet as a preview ("Ditt val") and hiding it again,
// formatting an answer for the answer sheet, and printing. The worksheet window (TUtskrift) is
// created at start-up and lives until the program ends; AppContext::worksheet points to it.

#include "Worksheet.h"
#include "WorksheetPrintout.h"

namespace orvela {

class WorksheetWindow {
public:
    virtual ~WorksheetWindow() = default;

    virtual const Worksheet& worksheet() const = 0;
    virtual void addLine(Sheet sheet, LineKind kind, const AnsiText& text) = 0;
    // Empties both sheets and sets the page state back (page 1, a title next).
    virtual void clear() = 0;
    // clear(), and the numbering of headings and items begins again at 1 (WorksheetItemCount and
    // WorksheetExerciseCount 0, WorksheetHeadingPending 1).
    virtual void restart() = 0;
    // Shows the preview with this sheet in front, without taking the keyboard focus from the
    // window in use.
    virtual void showSheet(Sheet sheet) = 0;
    virtual void hideSheet() = 0;
    // The answer text of the current item for the answer sheet (field 2 as a rule), with its
    // alternatives when the item has any.
    virtual AnsiText UtSkriftSvar(const AnsiText& answer) = 0;
    // Prints the sheet that PrintWithAnswers chooses (after the print dialog). A failure has been
    // reported to the user when this returns.
    virtual PrintOutcome SkrivutFraga() = 0;

    void addToBoth(LineKind kind, const AnsiText& text) {
        addLine(Sheet::Questions, kind, text);
        addLine(Sheet::Answers, kind, text);
    }
    // Heading k on both sheets: k + ".  " + heading, then six spaces + the note when there is one.
    void addHeading(int k, const AnsiText& heading, const AnsiText& note) {
        for (const WorksheetLine& l : Worksheet::headingLines(k, heading, note))
            addToBoth(l.kind, l.text);
    }
    // Item n: the number prefix and the question on both sheets, then the line to write on
    // (questions) and seven spaces + the answer (answers).
    void addItem(int n, const AnsiText& question, const AnsiText& answer) {
        for (Sheet sheet : {Sheet::Questions, Sheet::Answers})
            for (const WorksheetLine& l : Worksheet::itemLines(sheet, n, question, answer))
                addLine(sheet, l.kind, l.text);
    }
};

} // namespace orvela
