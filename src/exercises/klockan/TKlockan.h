#pragma once
// The clock exercise: a drawn clock asks "Quelle heure est-il?" and the pupil types the time in
// French after "Il est...". Item n of the data file stands for a time (12:00, 12:05, ... 11:55
// for items 1 to 144); field 1 is the French answer, "&" fields are further accepted answers.
// No worksheet, help texts, rules or reward picture.

#include <QLabel>

#include "AnswerEdit.h"
#include "ClockFace.h"
#include "ExerciseWindow.h"

namespace orvela {

class TKlockan : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TKlockan(AppContext& context, QWidget* parent = nullptr);

    // The item whose time the clock shows.
    int clockItem() const { return PaintBox1->item(); }

    void Edit1Enter();  // Enter in the answer field: judging
    void Edit1Change(); // the lamp's colour while typing

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    QWidget* answerField() override { return Edit1; }
    void onPause() override;
    void beforePraise() override;
    bool showsRewardPicture() override { return false; }
    void runEnded() override;

private:
    ClockFace* PaintBox1 = nullptr;
    Shape* Shape1 = nullptr;
    Shape* Shape2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    AnswerEdit* Edit1 = nullptr;
    AutoLabel* Label4 = nullptr;
    QLabel* TestLabel1 = nullptr;
    QLabel* Testlabel2 = nullptr;

    // The end state (after the last answer, or a pause): no answering and no lamp.
    void endState();
};

} // namespace orvela
