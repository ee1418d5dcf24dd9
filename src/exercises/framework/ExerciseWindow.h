#pragma once
// The life every exercise window shares: a full-screen window that asks a run of questions one at
// a time, judges each answer, shows the right answer for a while after a wrong one, marks progress
// on the squares (or the diagnosis counters), offers help and the error lamp, and at the end
// praises, shows a reward picture and offers a correction run over the mistakes. In the diagnosis
// modes it reports the result to the protocol.
//
// An exercise kind derives from this class, builds its own item controls, presents an item in
// presentItem() and reports each judgement through answerRight()/answerWrong() followed by
// questionDone(); the hooks below are where a kind adds or changes behaviour.

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "HeadingBox.h"
#include "TAster.h"
#include "Window.h"
#include "WorksheetPanel.h"

namespace orvela {

class ExerciseWindow : public Window {
    Q_OBJECT
public:
    enum class RunState { Answering, ShowingAnswer, ShowingLastAnswer, Ended, Paused, Closed };

    explicit ExerciseWindow(AppContext& context, QWidget* parent = nullptr);
    ~ExerciseWindow() override;

    RunState runState() const { return runState_; }

    // The handlers of the timers and the end panel (also driven directly by tests).
    void Timer1Timer();
    void Timer3Timer();
    void Button1Click(); // "Corrigez les fautes": a correction run
    virtual void Button2Click(); // "Continuer"
    virtual void Button3Click(); // "Annuler"
    void BitBtn1Click(); // "Mises en scène": the settings window
    void LampknappClick();
    void LampShapeMouseDown();

    static const char* statusWord(int status);

protected:
    // ---- the common life ----
    // Builds the run; called at the end of the derived window's constructor.
    void FormCreate();
    virtual void Inled();
    void RitaOverskriften();
    void TestOverSkrift();
    void UppDateraDiagnosResultatet();
    void NyStartaAster(bool show);
    // Chooses, reads and shows the next item.
    void NyPost();
    // Pause (Esc while questions remain).
    void pause();
    void Avslutning();
    void RitaLovord(const QString& a, const QString& b, const QString& c);
    // The answer field as the kinds show it (Window::answerEdit); Esc in it pauses while an
    // item waits for an answer.
    AnswerEdit* makeAnswerField(const QString& name, int points, int maxLength);
    // Takes the reward picture panel away (a new run or a correction run begins).
    void hideRewardPicture();
    void rensa();
    // Colours the lamp for what is typed so far.
    void updateLamp(const AnsiText& typed, const AnsiText& expected);

    // A judged answer: counting, squares, error list. A kind calls one of them, then
    // questionDone() when the whole item is judged.
    void answerRight(bool countIt);
    void answerWrong(bool advanceSquare = true);
    void advanceSquare(bool wrong);
    // QuestionNumber + 1, then the next item at once, after the answer display, or the end.
    void questionDone();
    void startAnswerTimer(int intervalMs = 100);
    void stopTimers();
    // The end panel with the right button focused.
    void showEndPanel();
    void focusEndPanel();

    // ---- hooks of the kinds ----
    // Puts the next item's line into CurrentLine: from the error list in a correction run, else
    // the file's next item in the shared order. False when there is no item to show (NyPost then
    // stops there).
    virtual bool fetchItem();
    // Vertical layout of the kind's own controls (after the heading and instruction are placed).
    virtual void layoutItemArea() {}
    // Empties and hides the item controls.
    virtual void NollaLabeller();
    // Shows the item now in ItemFields.
    virtual void presentItem() = 0;
    // Enables (and, with focus, focuses) the answer control; disabling gives the window focus.
    // By default the answer control is the answer field.
    virtual void setAnswerEnabled(bool enabled, bool focus);
    // Whether the error lamp is offered (not in worksheet mode nor in a diagnosis test).
    virtual bool offersLamp();
    // The programs whose end panel speaks Swedish.
    virtual bool swedishEndPanel();
    // Called by Avslutning before the praise test.
    virtual void beforePraise() {}
    // Whether the end of a run shows a reward picture (the picture panel is shown either way;
    // the clock and the picture questions show none).
    virtual bool showsRewardPicture() { return true; }
    // Called at the end of Avslutning, once the end panel is shown and focused.
    virtual void runEnded() {}
    // Extra steps when the pupil pauses.
    virtual void onPause() {}
    // Rules window number for the current program (0: none).
    virtual int ruleNumber() const { return 0; }
    // Timer1's display of a right answer has run its time: by default the next item follows
    // while questions remain.
    virtual void answerDisplayEnded();
    // How many seconds a right answer stays on show after a wrong one (the setting, as a rule).
    virtual int answerSeconds() { return state().ShowAnswerSeconds; }
    // The tick interval of the wait after a wrong last answer.
    virtual int lastAnswerInterval() { return 100; }
    // Worksheet mode: adds the item on the screen to the worksheet as item number n. The
    // translation exercise's lines: the question, and the answer with its alternatives.
    virtual void addWorksheetItem(WorksheetWindow& worksheet, int n);
    // Keys that reach the window itself (Space during a timer is handled before).
    virtual bool windowKey(QKeyEvent*) { return false; }
    // The field the pupil types the answer into, for kinds that have one. While an item waits
    // for an answer it keeps the keyboard focus: keys that reach the window go to it.
    virtual QWidget* answerField() { return nullptr; }

    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

    // Opens the rules window with a number.
    void openRules(int number);

    Mode mode() { return state().ExerciseMode; }
    // Modes 0, 3, 4 and 5: the modes in which the error lamp and correction runs are offered.
    bool correctionModes();
    int errorCountOfFile();
    void closeWindow();

    // ---- per-window fields ----
    std::uint8_t HelpUsed = 0;
    std::int32_t HelpCount = 0;
    std::uint8_t LampOn = 0;
    std::uint8_t FirstItem = 1;
    RunState runState_ = RunState::Answering;
    // The end panel stays open when a new item is shown (the word-tile exercise opens it while the
    // run goes on).
    bool keepEndPanelOnNewItem_ = false;
    bool instructionHiddenByPicture_ = false;
    bool forwardingKey_ = false; // a key is being handed to the answer field
    int W = 0, H = 0;

    // ---- controls ----
    HeadingBox* Heading = nullptr;
    QLabel* InstruktionsLabel = nullptr;
    TAster* Aster1 = nullptr;
    Panel* DiagPanel1 = nullptr;
    QLabel* DiagLabel2 = nullptr;
    QLabel* DiagLabel3 = nullptr;
    QLabel* DiagLabel4 = nullptr;
    QLabel* DiagLabel5 = nullptr;
    Panel* DiagPanel2 = nullptr;
    QLabel* DiagLabel1 = nullptr;
    QPushButton* lampknapp = nullptr;
    Shape* LampShape = nullptr;
    QPushButton* regelknapp = nullptr;
    QPushButton* BitBtn3 = nullptr;
    Panel* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    Panel* BildPanelen = nullptr;
    QLabel* Image1 = nullptr;
    Panel* BildTextPanel = nullptr;
    QLabel* BildLabel = nullptr;
    Panel* LovordPanel = nullptr;
    Shape* LovordYttershape = nullptr;
    Shape* lovordinnershape = nullptr;
    QLabel* LovordLabel1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer3 = nullptr;
    WorksheetPanel* SkrivutHelaPanelen = nullptr; // worksheet mode only

private:
    // The answer field while it waits for an answer (visible, enabled, no panel over the run).
    QWidget* waitingAnswerField();
    void createCommonControls();
    void fitInstruction();
    void enterWorksheetMode();
    void setEndPanelCaptions();
    void showRewardPicture();
    void endOfDiagnosisTest();
};

} // namespace orvela
