#pragma once
// The graded-level exercise: an open-ended translation drill in levels. The items of the data file
// carry their level (1-20) in front of the question; the pupil starts at level 1, three right
// answers in a row raise the level, a wrong answer lowers it (not below 1). Three right in a row
// at the top level earn the diploma, which can be printed. There is no fixed number of questions,
// no squares, no praise, no error list and no correction run: the pupil goes on until leaving.
//
// A pupil can keep the level reached under his or her name ("&Garder le niveau") and fetch it
// again later ("&Selectionner le niveau"); the levels are kept in the level store FXACT.STE in
// the diagnosis directory.

#include "AnswerEdit.h"
#include "ExerciseWindow.h"
#include "LevelItems.h"

#include <QProgressBar>
#include <QPushButton>

#include <array>
#include <vector>

namespace orvela {

class TStegran : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TStegran(AppContext& context, QWidget* parent = nullptr);

    int level() const { return Level; }
    int levelCount() const { return NumberOfLevels; }
    bool diplomaShown() const { return DiplomaShown; }

    void Edit1Enter();  // Enter in the answer field: judging
    void Edit1Escape(); // Esc in the answer field: the panel
    void Edit1Change(); // the lamp's colour while typing
    void Button1Click(); // "&Continuer"
    void Button2Click() override; // "&Garder le niveau"
    void HaemtaNivaa2Click(); // "&Selectionner le niveau"
    void Edit2Enter(); // Enter in the name box
    void Edit2Escape();
    void PrintButtonClick(); // "&Imprimer": the diploma on paper or in a PDF file

    // Keeps ("SPARA") or fetches ("HAMTA") the level under a name.
    void sparastegring(const AnsiText& name, const char* operation);

protected:
    void Inled() override;
    void layoutItemArea() override;
    void NollaLabeller() override;
    bool fetchItem() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    void answerDisplayEnded() override;
    // This exercise shows its answers for three seconds, whatever the setting: its pauses are
    // 30 ticks, of 10 ms after a right answer and of 100 ms after a wrong one.
    int answerSeconds() override { return 3; }
    bool windowKey(QKeyEvent* e) override;

private:
    // ---- controls ----
    AutoLabel* Label5 = nullptr; // the question
    AnswerEdit* Edit1 = nullptr;
    AutoLabel* Label6 = nullptr; // the right answer after a wrong one
    Panel* NivPanel = nullptr;
    AutoLabel* NivLabel1 = nullptr;
    Shape* NivShape = nullptr; // the inner box of the level
    QLabel* NivLabel2 = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QPushButton* HaemtaNivaa2 = nullptr;
    QPushButton* PrintButton = nullptr;
    Panel* namnruta = nullptr;
    QLabel* NamnLabel1 = nullptr;
    QLabel* NamnLabel2 = nullptr;
    AnswerEdit* Edit2 = nullptr;
    Panel* DiplomPanel = nullptr;
    QLabel* DiplomLabel = nullptr;
    QLabel* DiplomImage = nullptr; // "Image1"

    // ---- state ----
    LevelItems Items;
    int NumberOfLevels = 0;
    int Level = 1;
    // Per level: a fixed random order of its item numbers and the position in it (from 1).
    std::array<std::vector<int>, LevelItems::kMaxLevels + 1> Order{};
    std::array<int, LevelItems::kMaxLevels + 1> Position{};
    bool SaveWanted = false;
    bool DiplomaDue = false;
    bool DiplomaShown = false;
    bool FileUsable = false;

    void TestaStegreFilen(const AnsiText& name);
    void SlumpaStegre(int level, int first, int count);
    // Puts item k of the current level into CurrentLine and advances the level's position.
    void haemtaord(int k);
    void UppgraderaNivRutan(int level, int rightInRow);
    void RitaNivRutan();
    void VisaDiplom();
    void NollaStegre();
    void showPanel();
    void showNameBox(bool save);
    void placeDiplomaPicture();
    AnsiText headingText();
    void message(const std::string& text);
};

} // namespace orvela
