#pragma once
// The fill-in exercise: one or two missing words of a French sentence, each with its own answer
// field, judged one after the other. Either the sentence stands alone, or a source sentence with
// the words to translate highlighted stands above it.

#include "AnswerEdit.h"
#include "ExerciseWindow.h"

#include <vector>

namespace orvela {

class TSkrivinf : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TSkrivinf(AppContext& context, QWidget* parent = nullptr);

    // Programs whose items are one French sentence with its gaps (no source sentence).
    static bool oneSentenceProgram(int program);
    // The built-in rule texts of program 51110 (rule 1..11; empty for any other number).
    static std::vector<const char*> articleRule(int rule);

    void EditEnter(int gap); // Enter in Edit1 (gap 1) or Edit2 (gap 2)
    void BitBtn2Click();     // help
    void regelknappClick();

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    QWidget* answerField() override;
    bool swedishEndPanel() override;
    bool offersLamp() override;
    int lastAnswerInterval() override { return lastInterval_; }
    void onPause() override;
    void addWorksheetItem(WorksheetWindow& worksheet, int n) override;

public:
    // A worksheet line of a gap sentence with every gap replaced by a blank to write on
    // (" _", one "_" per letter, "_ "); on the first line a single gap has no closing "_ ".
    static AnsiText blankedLine(const AnsiText& line, bool firstLine);

private:
    struct Gap {
        AnswerEdit* edit = nullptr;
        AutoLabel* shown = nullptr; // Label14 / Label15
        AutoLabel* after = nullptr; // the text piece that follows the gap
        AnsiText expected;
    };
    Gap gaps_[2];
    std::vector<AutoLabel*> sourcePieces_;
    std::vector<AutoLabel*> gapPieces_;
    std::vector<AutoLabel*> ruleLines_; // Label17 ... Label21 (help text 2 doubles as rule line 1)
    AutoLabel* Label16 = nullptr;
    AutoLabel* Label17 = nullptr;
    QPushButton* bitbtn2 = nullptr;

    std::uint8_t GapCount = 0;
    std::uint8_t GapsAnswered = 0;
    std::uint8_t FirstGapRight = 0;
    std::uint8_t OnFirstGap = 1;
    std::uint8_t HelpShown = 0;
    bool itemWrong_ = false;
    int lastInterval_ = 100;
    int pieceHeight_ = 20;

    AutoLabel* pieceLabel(std::vector<AutoLabel*>& pool, std::size_t index, const char* firstName,
                          int firstNumber);
    // Lays out one line of pieces from `left` at `top`; gaps become answer fields.
    int layoutLine(const AnsiText& line, int top, bool source, std::size_t& pieceIndex, int& gapIndex);
    void showRuleLines(int rule, QWidget* below);
    AnswerEdit* activeEdit();
};

} // namespace orvela
