#pragma once
// The verb-form table exercise: a prompt (the verb and what is asked) above a column of five forms
// of the verb. One of the first four forms is replaced by "???" and an answer field; the pupil
// types the missing form. The fifth form is only ever shown.
//
// Item line: prompt # form 1 # form 2 # form 3 # form 4 # form 5. The asked form number (1-4) is
// drawn at random for each new item and kept in ErrorExtra[0]; program 56510 stores it with its
// error-list entries, so a correction run asks the same form again.

#include <QPushButton>

#include "AnswerEdit.h"
#include "ExerciseWindow.h"

#include <array>

namespace orvela {

class TFormer : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TFormer(AppContext& context, QWidget* parent = nullptr);
    ~TFormer() override;

    static constexpr int kFormCount = 5;
    static constexpr int kAskedForms = 4; // form 5 is never asked
    static constexpr int kAnswerLength = 45;

    // The form asked in the item on the screen (1-4).
    int askedForm();

    void Edit1Enter();  // Enter in the answer field: judging
    void Edit1Change(); // the lamp's colour while typing
    void BitBtn2Click(); // "Hjälp"
    void BitBtn3Click(); // "Mer hjälp"

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    QWidget* answerField() override { return Edit1; }

private:
    AutoLabel* FrageLabel1 = nullptr;
    std::array<AutoLabel*, kFormCount> FormLabels{}; // FormLabel1 ... FormLabel5 (tags 1-5)
    AutoLabel* FrageTeckenLabel = nullptr;
    AutoLabel* SvaretLabel = nullptr;
    AnswerEdit* Edit1 = nullptr;
    QPushButton* BitBtn2 = nullptr; // the first help button (the framework's help button)

    // The worksheet note as the data file gave it, while this window shows it with a colon.
    AnsiText plainWorksheetNote_;
    bool noteChanged_ = false;

    // A new asked form for the item in ItemFields: 1-4 with equal chances, among the forms the
    // item has when the form drawn is missing.
    int drawAskedForm();
    // The asked form text (field asked + 1).
    const AnsiText& askedText();
    // The lamp stands at the end of the answer field, on the row of the asked form.
    void placeLamp();
};

} // namespace orvela
