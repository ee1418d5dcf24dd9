#pragma once
// The worksheet panel of an exercise window in worksheet mode: instead of asking, the window shows
// its items one after the other, and the teacher collects them into the worksheet (a number at a
// time or one by one), looks at the collection, clears it, and prints it with or without answers.
// Five panels: start, how many, choose yourself, print, look at the choice.

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "Panel.h"
#include "SharedState.h"

namespace orvela {

class WorksheetWindow;
struct AppContext;

class WorksheetPanel : public QWidget {
    Q_OBJECT
public:
    // What the panel asks of its exercise window.
    struct Exercise {
        std::function<void(WorksheetWindow&, int itemNumber)> addItem; // the item on the screen
        std::function<void()> nextItem;                                // show the next item
        std::function<void()> close;                                   // close the exercise
    };

    WorksheetPanel(QWidget* window, AppContext& context, Exercise exercise);
    // Enters worksheet mode: start panel in front, the buttons by the worksheet's state.
    void start();
    // Places the panel across the bottom of a window of this size.
    void place(int width, int height, int layoutUnit);
    // The heading of the exercise from its heading lines ("" keeps the previous exercise's).
    static AnsiText composeHeading(const OneBased<AnsiText, 3>& lines);

    void RitaUtskriftOverskriftRuta(bool show);
    void SkrivutAv(bool off);

    // Handlers, one per button (also driven by tests).
    void SkrivutAntalButtonClick();
    void SkrivutSpinButtonUpClick();
    void SkrivutSpinButtonDownClick();
    void SkrivutKlartButtonClick();
    void SkrivutAvbryt4ButtonClick();
    void ValjaUtButtonClick();
    void SkrivutNextButtonClick();
    void SkrivutSkickaButtonClick();
    void SkrivutAvbryt2ButtonClick();
    void Skrivut1ButtonClick();
    void Skrivut2ButtonClick();
    void SkrivutUtanButtonClick();
    void SkrivutMedButtonClick();
    void SkrivutAvbryt3ButtonClick();
    void VisaUtSkriftListaButtonClick();
    void VisaUtskriftLista2ButtonClick();
    void SeListUtanButtonClick();
    void SelistMedButtonClick();
    void SkrivutAvbryt5ButtonClick();
    void RensaButtonClick();
    void SkrivutAvbryt1ButtonClick();
    // Up and Down while the count panel is shown; true when the key was used.
    bool arrowKey(int key);

    QWidget* overskriftPanel() { return SkrivutOverskriftPanel; }

private:
    AppContext& context_;
    Exercise exercise_;
    std::uint8_t ReturnToChoice = 0;

    Panel* SkrivutPanel1 = nullptr;
    Panel* SkrivutAntalPanel = nullptr;
    Panel* SkrivutValPanel = nullptr;
    Panel* SkrivutSvarPanel = nullptr;
    Panel* SkrivutListValPanel = nullptr;
    QWidget* SkrivutOverskriftPanel = nullptr;
    Shape* SkrivutOverskriftShape1 = nullptr;
    Shape* SkrivutOverskriftShape2 = nullptr;
    QLabel* SkrivutOverskriftLabel = nullptr;
    QLabel* SkrivutAntalLabel = nullptr;
    QPushButton* VisaUtSkriftListaButton = nullptr;
    QPushButton* VisaUtskriftLista2Button = nullptr;
    QPushButton* RensaButton = nullptr;
    QPushButton* Skrivut1Button = nullptr;
    QPushButton* Skrivut2Button = nullptr;
    QPushButton* SkrivutUtanButton = nullptr;
    QPushButton* SkrivutMedButton = nullptr;
    QPushButton* SkrivutAvbryt3Button = nullptr;

    SharedState& state();
    WorksheetWindow* worksheet();
    void showOnly(Panel* panel);
    void enableCollectionButtons(bool on);
    void addHeadingIfPending();
    void addItemOnScreen();
    void print(std::uint8_t withAnswers);
};

} // namespace orvela
