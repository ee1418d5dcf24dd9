#pragma once
// The worksheet as the vocabulary exercise fills it: every heading the worksheet panel adds for
// the exercise becomes "k.  Ordförrådet ---" + the list's title (followed by ". Facit." on the
// answer sheet) and the line "     Översätt följande ord:"; everything else goes to the
// worksheet window unchanged.

#include "SharedState.h"
#include "WorksheetWindow.h"

#include <functional>

namespace orvela {

class VocabularyWorksheet : public WorksheetWindow {
public:
    // `target` gives the worksheet window (made on first use; nullptr when there is none).
    VocabularyWorksheet(SharedState& state, std::function<WorksheetWindow*()> target);

    // The lines of the heading of exercise k on one sheet.
    static std::vector<WorksheetLine> headingLines(Sheet sheet, int k, const AnsiText& title);
    // The lines of item n on one sheet: the number and the word, then the line to write on
    // (questions) or seven spaces and the answer (answers).
    static std::vector<WorksheetLine> itemLines(Sheet sheet, int n, const AnsiText& word,
                                                const AnsiText& answer);
    // Adds item n to both sheets.
    void addVocabularyItem(int n, const AnsiText& word, const AnsiText& answer);

    const Worksheet& worksheet() const override;
    void addLine(Sheet sheet, LineKind kind, const AnsiText& text) override;
    void clear() override;
    void restart() override;
    void showSheet(Sheet sheet) override;
    void hideSheet() override;
    AnsiText UtSkriftSvar(const AnsiText& answer) override;
    PrintOutcome SkrivutFraga() override;

private:
    SharedState& state_;
    std::function<WorksheetWindow*()> target_;
    Worksheet empty_;
    WorksheetWindow* target() const { return target_ ? target_() : nullptr; }
};

} // namespace orvela
