#pragma once
// The translation exercise: the pupil translates the question (field 1) and types the answer
// (field 2, or one of the "&" alternatives); fields 3 and 4 are help texts.

#include "AnswerEdit.h"
#include "ExerciseWindow.h"

namespace orvela {

class TSKRIV : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TSKRIV(AppContext& context, QWidget* parent = nullptr);

    void Edit1Enter();    // Enter in the answer field: judging
    void Edit1Change();   // the lamp's colour while typing
    void regelknappClick();
    void BitBtn3Click();

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    QWidget* answerField() override { return Edit1; }

private:
    AutoLabel* FrageLabel1 = nullptr;
    AutoLabel* FrageLabel2 = nullptr;
    AnswerEdit* Edit1 = nullptr;
    AutoLabel* Label4 = nullptr;
    AutoLabel* Label5 = nullptr;
    AutoLabel* Label6 = nullptr;
    AutoLabel* Label7 = nullptr;
    AutoLabel* Label8 = nullptr;
    AutoLabel* Label9 = nullptr;
    AutoLabel* Label10 = nullptr;
    AutoLabel* Label16 = nullptr;

    // The rules window and the caption afterwards for the current program; 0 when none.
    int rulesFor(int program, QString* caption) const;
};

} // namespace orvela
