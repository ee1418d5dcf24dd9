#pragma once
// The sentence-part exercise: a French sentence with up to five groups of words marked in blue,
// and below it one yellow box per group that has a function (subject, predicate, accusative
// object, dative object, predicative complement). The pupil drags each group with the mouse onto
// the box of its function. A wrong drop is refused with a red signal and "Fel. Gör ett nytt
// försök!"; a right drop moves the group above its box. When every boxed group is placed, the
// item counts as right only if no drop was wrong. The end panel speaks Swedish.

#include "ExerciseWindow.h"
#include "FunctionBox.h"
#include "SatsItem.h"
#include "SentenceLabel.h"

#include <QTimer>
#include <array>

namespace orvela {

class TSats : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TSats(AppContext& context, QWidget* parent = nullptr);

    static constexpr int kBoxes = 5;

    // The help line's texts, 0 to 3.
    static const char* helpText(int n);

    // The item on the screen and its progress.
    const SatsItem& item() const { return item_; }
    int placedCount() const { return placedCount_; }
    bool firstTry() const { return firstTry_; }
    int currentGroup() const { return currentGroup_; }
    bool groupPlaced(int group) const;
    // The box (1..5) of a group, 0 when it has none.
    int boxOfGroup(int group) const;

    // The mouse, as the window's handlers receive it (also driven directly by tests).
    void MenMouseMove(int group);             // pointing at group 1..5
    void MenMouseDown(int group, QPointF at); // picking it up (left button)
    void MemoDragOver(int box);               // a group dragged over box 1..5
    void MemoDragDrop(int box);               // a group dropped on box 1..5
    void MemoMouseMove(int box);              // the mouse over a box, no drag
    void FormMouseMove();
    void FormMouseUp();
    void FormDragOver();
    void FormMouseDown(Qt::MouseButton button);
    void Timer2Timer();

    void Button2Click() override; // "Fortsätta"
    void Button3Click() override; // "Avbryta"

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    bool offersLamp() override { return false; }
    bool swedishEndPanel() override { return true; }
    void addWorksheetItem(WorksheetWindow& worksheet, int n) override;
    bool windowKey(QKeyEvent* e) override;

    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    SatsItem item_;
    std::array<bool, kBoxes + 1> placed_{};
    int placedCount_ = 0;
    bool firstTry_ = true;
    int currentGroup_ = 0;
    // Help line: the text shown (-1: none of the four), the two suppression flags, and whether a
    // right drop has happened in this item.
    int shownHelp_ = -1;
    bool suppressFirst_ = false;
    bool suppressSecond_ = false;
    bool rightDropDone_ = false;
    // The group being dragged (0: no drag) and where it was taken hold of.
    int dragging_ = 0;
    QPointF grabOffset_;
    // Once every boxed group is placed the item takes no more drops.
    bool itemFinished_ = false;
    // The right mouse button took "Rätta felen" away for as long as the window is open.
    bool correctionWithdrawn_ = false;

    int margin_ = 0;
    std::array<int, 3> lineTops_{};
    int wrapEdge_ = 520;
    int placeLift_ = 30;

    std::array<SentenceLabel*, 7> Mell{}; // Mell1..Mell6 (index 0 unused)
    std::array<SentenceLabel*, 11> Men{}; // Men1..Men5 groups, Men6..Men10 their black copies
    std::array<FunctionBox*, kBoxes + 1> Memo{};
    Shape* Shape1 = nullptr;
    QLabel* FelPanel = nullptr;
    AutoLabel* Label3 = nullptr;
    QTimer* Timer2 = nullptr;
    SentenceLabel* dragImage_ = nullptr;

    bool interactive();
    void Menfarg(int group);
    void Hjalptext(int n);
    void memosenabled(bool on);
    void layoutSentence();
    void placeGroup(int group, int box);
    void Avklarad();
    void endOfRun();
    void openEndPanel();
    void withdrawCorrectionIfAsked();
    int boxAt(QPointF globalPos);
    void dragTo(QPointF globalPos);
    void dropAt(QPointF globalPos);
    void endDrag();
};

} // namespace orvela
