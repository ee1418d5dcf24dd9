#pragma once
// The second translation exercise: a question (field 1) asks for two answers, typed one after the
// other into two fields under it (fields 2 and 3); a Swedish line (field 4) stands with the item.
// The item counts as right only when both answers are right. There is no error lamp and there
// are no help texts; program 52110 offers its rules.

#include "AnswerEdit.h"
#include "ExerciseWindow.h"

#include <QPushButton>

namespace orvela {

class Tskriv2 : public ExerciseWindow {
    Q_OBJECT
public:
    explicit Tskriv2(AppContext& context, QWidget* parent = nullptr);

    void Edit1Enter(); // Enter in the first field: the first answer
    void Edit2Enter(); // Enter in the second field: the second answer and the item
    void EditEscape(); // Esc in either field
    void RegelknappClick();

    // 1 while the first answer is expected, 2 while the second is.
    int answerIndex() const { return AnswerIndex; }

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    QWidget* answerField() override { return AnswerIndex == 2 ? Edit2 : Edit1; }
    bool offersLamp() override { return false; }
    bool swedishEndPanel() override { return false; }
    void onPause() override;
    void answerDisplayEnded() override;
    // This exercise shows its correct answers for three seconds, whatever the setting.
    int answerSeconds() override { return 3; }
    void addWorksheetItem(WorksheetWindow& worksheet, int n) override;

private:
    AutoLabel* FrageLabel1 = nullptr;
    AutoLabel* FrageLabel2 = nullptr; // the rest of a question too long for one line
    AutoLabel* SvenskaLabel = nullptr;
    AnswerEdit* Edit1 = nullptr;
    AnswerEdit* Edit2 = nullptr;
    AutoLabel* SvarsLabel1 = nullptr;
    AutoLabel* SvarsLabel2 = nullptr;
    Shape* SkiljeShape1 = nullptr;
    Shape* SkiljeShape2 = nullptr;

    std::int32_t AnswerIndex = 1;
    std::uint8_t FirstAnswerRight = 0;
    std::uint8_t OnFirstAnswer = 0;

    bool hasRules();
    // The right edge of the item area: a margin before the squares or counters.
    int itemRight();
    // The field as wide as its answer and some room, ending before the squares.
    void fitEdit(AnswerEdit* edit, const AnsiText& answer);
};

} // namespace orvela
