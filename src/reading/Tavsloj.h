#pragma once
// "Avslöja": a short French text is shown masked, every word as stars with its punctuation kept.
// The pupil picks a text and reveals it either by dragging words from the word list onto their
// places, or by guessing words, each guess revealing the word wherever it stands. Three counters
// show the tries, the share of right tries and the share of the text revealed; when every word
// is revealed the pupil is congratulated and comes back to the choice of texts.

#include "Window.h"
#include "RevealStory.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <optional>
#include <vector>

namespace orvela {

class AnswerEdit;
class Shape;
class SlotLabel;

class Tavsloj : public Window {
    Q_OBJECT
public:
    explicit Tavsloj(AppContext& context, QWidget* parent = nullptr);

    void Resett();
    void ListBox2DblClick();
    void utruta(int slot, const AnsiText& word);
    void Edit1Enter();
    void Button1Click();
    void Button2Click();

    const RevealStory& story() const { return story_; }
    int TextNumber = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    RevealStory story_;
    std::optional<std::vector<std::vector<AnsiText>>> texts_;
    bool storyShown_ = false;

    Shape* Shape1 = nullptr;
    Shape* Shape2 = nullptr;
    Shape* Shape3 = nullptr;
    AutoLabel* Label50 = nullptr;
    AutoLabel* Label51 = nullptr;
    Panel* Panel4 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* Button2 = nullptr;
    Panel* Panel1 = nullptr;
    std::array<SlotLabel*, RevealStory::kSlots> slots_{};
    std::array<AutoLabel*, RevealStory::kLines> namn{};
    QListWidget* ListBox1 = nullptr;
    Panel* Panel7 = nullptr;
    AutoLabel* Label60 = nullptr;
    AnswerEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Panel5 = nullptr;
    QLabel* Panel6 = nullptr;
    QLabel* Panel8 = nullptr;
    std::vector<QWidget*> counters_;

    void letastorys();
    void Getwords(int number);
    void UpdateInfo();
    void OrdnaLabels();
    void VisaStory();
    void HideStory();
    void fillWordList();
    void ListBox1MouseDown();
    bool running_ = false; // a text is on show (not the choice of texts)
    bool running() const { return running_; }
};

} // namespace orvela
