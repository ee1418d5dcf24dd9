#pragma once
// The vocabulary exercise ("your words"): the pupil picks one of the word lists in DATA, types
// a name, and translates the list's words run after run; every right answer earns points for the
// length of the word and the speed of typing it, and at the end of a run the score can be
// offered to the list's record table. In worksheet mode the window collects the list's words for
// a printed worksheet instead.
//
// The window lives the exercises' life (question, judging, the right answer shown for a while,
// error lamp, pause and end panel, reward picture, correction run), but around a list box, a
// name box, its own item order and its own list of mistakes per word list, and with a score
// instead of progress squares and praise; so it is a Window of its own that reuses the
// exercises' controls (heading box, answer field, worksheet panel).

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "AnswerEdit.h"
#include "HeadingBox.h"
#include "VocabularyRules.h"
#include "VocabularyWorksheet.h"
#include "WordList.h"
#include "Window.h"
#include "WorksheetPanel.h"

namespace orvela {

class TDinaOrd : public Window {
    Q_OBJECT
public:
    enum class RunState {
        ChoosingList, // NameBoxState 0
        Naming,       // NameBoxState 1 (practice)
        Collecting,   // a list chosen in worksheet mode
        Answering,
        ShowingAnswer,     // Timer1
        ShowingLastAnswer, // Timer2
        Paused,
        Ended,
        Closed,
    };

    explicit TDinaOrd(AppContext& context, QWidget* parent = nullptr);
    ~TDinaOrd() override;

    RunState runState() const { return runState_; }
    double score() const { return Score; }
    bool listReady() const { return ListReady != 0; }
    int nameBoxState() const { return NameBoxState; }

    // Handlers (also driven directly by tests).
    void ListBox1DblClick();
    void ListBox1Enter();
    void Edit2Enter();
    void Edit2Escape();
    void Edit1Enter();
    void Edit1Escape();
    void Edit1Change();
    void Timer1Timer();
    void Timer2Timer();
    void Button1Click(); // correct the mistakes
    void Button2Click(); // continue
    void Button3Click(); // scores
    void Button4Click(); // cancel
    void LampknappClick();
    void LampShapeMouseDown();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    // ---- per-window fields ----
    std::uint8_t ListReady = 0;
    std::uint8_t NameBoxState = 0;
    std::uint8_t LampOn = 0;
    std::uint8_t FirstItem = 1;
    double Score = 0;
    Stopwatch stopwatch_;
    OneBased<AnsiText, kLongNameEntries> longNames_;
    int listProgram_ = 0; // the program number the window was opened with (1001, 1002 ...)
    RunState runState_ = RunState::ChoosingList;
    int W = 0, H = 0;
    VocabularyWorksheet vocabularyWorksheet_;
    AppContext worksheetContext_; // the context the worksheet panel sees

    // ---- controls ----
    HeadingBox* Heading = nullptr;
    Panel* FilPanel = nullptr;
    QLabel* FilLabel = nullptr;
    Panel* Panel2 = nullptr;
    Panel* Panel3 = nullptr;
    Panel* Panel4 = nullptr;
    QLabel* Panel4Label = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    Panel* namnruta = nullptr;
    Panel* Panel11 = nullptr;
    QLabel* NamnLabel1 = nullptr;
    QLabel* NamnLabel2 = nullptr;
    AnswerEdit* Edit2 = nullptr;
    QLabel* InstruktionsLabel = nullptr;
    AutoLabel* FrageLabel1 = nullptr;
    AutoLabel* FrageLabel2 = nullptr;
    AnswerEdit* Edit1 = nullptr;
    AutoLabel* SvarsLabel = nullptr;
    QPushButton* lampknapp = nullptr;
    Shape* LampShape = nullptr;
    Panel* DiagPanel1 = nullptr;
    QLabel* DiagLabel2 = nullptr;
    QLabel* DiagLabel3 = nullptr;
    QLabel* DiagLabel4 = nullptr;
    QLabel* DiagLabel5 = nullptr;
    Panel* Panel13 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    Panel* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    Panel* BildPanelen = nullptr;
    QLabel* Image1 = nullptr;
    Panel* BildTextPanel = nullptr;
    QLabel* BildLabel = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    WorksheetPanel* SkrivutHelaPanelen = nullptr; // worksheet mode only

    // ---- TDinaOrd.cpp: building, the list and the name box ----
    void createControls();
    void FormCreate();
    void Inled();
    void fillLists();
    void prepareWorksheetMode();
    void chooseList();
    void Filvald();
    bool KollaOrdlista();
    void fitInstruction();
    void showList();
    void escapeKey();
    void moveListSelection(int step);
    void stepWorksheetCount(int step);
    void closeWindow();
    Mode mode() { return state().ExerciseMode; }
    int listNumber() { return state().WordListNumber; }
    int errorCount();

    // ---- TDinaOrdRun.cpp: the run ----
    void NyPost();
    void presentItem();
    void judge();
    void questionDone();
    void pause();
    void Avslutning();
    void showRewardPicture();
    void focusEndPanel();
    void showLampControls();
    void startRun();
    void UppDateraResultatet();
    void UppDateraFelKvarRutan();
    void TestOverSkrift();
    void stopTimers();
    void setAnswerEnabled(bool enabled, bool focus);
    bool loadErrorItem();
    void addWorksheetItem(int n);
};

} // namespace orvela
