#pragma once
// Picture questions: a large drawing of the human body or one of its parts stands on the left,
// with its parts numbered; on the right the pupil answers questions about it by typing (judged as
// a translation is). Each of the programs 21301 to 21307 has its own picture, which stays for the
// whole run. There is no lamp, help, rules button, reward picture nor worksheet panel.
//
// Item line: question # answer # further accepted answers marked "&".

#include "AnswerEdit.h"
#include "ExerciseWindow.h"

namespace orvela {

class TBilden : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TBilden(AppContext& context, QWidget* parent = nullptr);

    static constexpr int kFirstProgram = 21301;
    static constexpr int kLastProgram = 21307;
    static constexpr int kQuestionLines = 3;

    // The picture of a program below the content root ("BILD/KROPP/KROPPEN.BMP"), or empty.
    static std::string pictureOf(int program);

    void Edit1Enter();
    void Button2Click() override;

protected:
    void Inled() override;
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    QWidget* answerField() override { return Edit1; }
    bool offersLamp() override { return false; }
    bool showsRewardPicture() override { return false; }
    void beforePraise() override;

private:
    QLabel* Image1 = nullptr; // the body picture (the framework's Image1 is the reward picture)
    AutoLabel* FrageLabel1 = nullptr;
    AutoLabel* FrageLabel2 = nullptr;
    AutoLabel* SvarsLabel = nullptr;
    AnswerEdit* Edit1 = nullptr;
    QRect pictureRect_;

    void showBodyPicture();
};

} // namespace orvela
