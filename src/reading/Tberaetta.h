#pragma once
// "Composez une histoire": the pupil leafs through story starters of three lines, takes one and
// goes on writing the story line by line; the last lines stay in view, an empty line ends the
// story, which is then shown whole and can be printed. Nothing is judged or kept.

#include "Window.h"
#include "StoryStarters.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <array>
#include <vector>

namespace orvela {

class AnswerEdit;

class Tberaetta : public Window {
    Q_OBJECT
public:
    static constexpr int kLineMax = 60;

    explicit Tberaetta(AppContext& context, QWidget* parent = nullptr);
    ~Tberaetta() override;

    // False when the starter file could not be read (the window then closes at once).
    bool ready() const { return ready_; }
    int exec() override;

    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn1Click();
    void Edit1Enter();
    void Button2Click();
    void BitBtn2Click();
    void Button1Click();
    void Button3Click();

    const StoryStarters& starters() const { return starters_; }
    const std::vector<AnsiText>& story() const { return story_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    StoryStarters starters_;
    std::vector<AnsiText> story_;
    bool ready_ = false;
    std::uint16_t savedProgramNumber_ = 0;

    Panel* Panel1 = nullptr;
    Panel* Panel2 = nullptr;
    Panel* Panel3 = nullptr;
    Panel* Panel4 = nullptr;
    Panel* Panel5 = nullptr;
    Panel* Panel6 = nullptr;
    std::array<AutoLabel*, 4> lines_{};
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    AutoLabel* Label8 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    AnswerEdit* Edit1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    void showStarter();
    void VisaStory();
    int lineRoom() const;
};

} // namespace orvela
