#pragma once
// The pronunciation duel: the pupil against the computer. Each turn shows five French words with
// the same letter (c, s or g); the pupil tells how many of them say the letter with the sound the
// programme asks about (0 to 5, buttons or keys). A right count scores the count for the pupil, a
// wrong one for the computer; the first to fill a row of 20 squares wins. After a wrong count the
// words are revealed (red: without the sound) and can be heard one after the other; the Swedish
// meanings and the rules are a button away.
//
// Item line: French word # sound class # Swedish meaning. The word has the sound when its class is
// the programme's marker: 31100 (c) "k", 31200 (s) "z", 31300 (g) "s" (g said as in "bonjour");
// the other class of each is "s", "s" and "g". The recording of item n is
// LJUD\<folder>\<folder>nnn.WAV (folder "F311", "F312" or "F313").

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "AnswerEdit.h"
#include "HeadingBox.h"
#include "Window.h"

#include <array>

namespace orvela {

class TFalska : public Window {
    Q_OBJECT
public:
    explicit TFalska(AppContext& context, QWidget* parent = nullptr);
    ~TFalska() override;

    static constexpr int kWords = 5;
    static constexpr int kWinningPoints = 20;
    static constexpr int kSquares = 40;
    static constexpr int kNameLength = 20;

    // The marker of a programme ("K", "Z", "S"), and the other class its words may have.
    static QString markerOf(int programNumber);
    static QString otherClassOf(int programNumber);

    int pupilPoints() const { return PupilPoints; }
    int computerPoints() const { return ComputerPoints; }
    int soundCount() const { return SoundCount; }
    bool gameOver() const { return GameOver != 0; }
    bool pupilWon() const { return PupilWon != 0; }
    // Whether the file can be played (enough words); false after the pupil was told.
    bool playable() const { return playable_; }

    // Handlers (also driven directly by tests).
    void Edit1Enter();
    void NyPost();
    void SpeedButtonClick(int answer); // SpeedButton1Click ... SpeedButton6Click: 0 to 5
    void NextButtonClick();
    void HoraButtonClick();
    void SvenskaButtonClick();
    void RegelButtonClick();
    void Button3Click(); // "Continuer"
    void Button4Click(); // "Annuler"
    void BitBtn1Click(); // the settings window

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void reject() override;

private:
    void FormCreate();
    void Inled();
    void placeSquares();
    void Kollasvar();
    void VisaTexterna(bool show);
    void SvarsTexterna();
    void Ljudet(int item, const AnsiText& word);
    void Avslutning();
    void RitaLovord(const QString& text);
    void showRewardPicture();
    void enableCountButtons(bool enabled);
    void fillSquares(int from, int to);
    void emptySquares();
    void showPausePanel();
    void checkFile();
    bool soundsOn();

    // ---- per-window fields ----
    QString Marker;
    std::array<int, kWords> TurnItems{};
    std::array<std::uint8_t, kWords> HasSound{};
    std::array<AnsiText, kWords> TurnWords;
    int SoundCount = 0;
    int Answer = 0;
    int PupilPoints = 0;
    int ComputerPoints = 0;
    std::uint8_t GameOver = 0;
    std::uint8_t PupilWon = 0;
    int NameTries = 0;
    int PlayingItem = 0;
    AnsiText PlayingWord;
    int squareSize_ = 0, squareStep_ = 0, pupilRowTop_ = 0, computerRowTop_ = 0;
    bool turnJudged_ = false; // the turn on the screen has been scored
    bool nameGiven_ = false;
    bool playable_ = true;
    bool hearing_ = false;

    // ---- controls ----
    HeadingBox* Heading = nullptr;
    AutoLabel* InstruktionsLabel = nullptr;
    AutoLabel* InstruktionsLabel2 = nullptr;
    std::array<AutoLabel*, kWords> sv{};     // sv1, sv2, sv3, Sv4, Sv5
    std::array<AutoLabel*, kWords> ord{};    // ord1, ord2, ord3, Ord4, Ord5
    std::array<AutoLabel*, kWords> RSvar{};  // RSvar1 ... RSvar5
    std::array<AutoLabel*, kWords> SvenskLabel{};
    Panel* AntalPanel = nullptr;
    std::array<QPushButton*, 6> SpeedButtons{};
    Panel* SpeedPanel1 = nullptr;
    QLabel* SpeedLabel = nullptr;
    Panel* Panel1 = nullptr;
    Panel* MellanPanel = nullptr;
    Panel* Panel2 = nullptr;
    AutoLabel* Label1 = nullptr;
    AutoLabel* Label2 = nullptr;
    std::array<Shape*, kSquares> Shapes{}; // Shape1 ... Shape40, tags 1 to 40
    Panel* Panel3 = nullptr;
    Panel* Panel4 = nullptr;
    AutoLabel* Label3 = nullptr;
    AutoLabel* Label4 = nullptr;
    AnswerEdit* Edit1 = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* HoraButton = nullptr;
    QPushButton* SvenskaButton = nullptr;
    QPushButton* RegelButton = nullptr;
    Panel* Escapepanel = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    Panel* BildPanelen = nullptr;
    QLabel* Image1 = nullptr;
    Panel* BildTextPanel = nullptr;
    AutoLabel* BildLabel = nullptr;
    Panel* LovordPanel = nullptr;
    Shape* LovordYttershape = nullptr;
    Shape* lovordinnershape = nullptr;
    AutoLabel* LovordLabel1 = nullptr;
};

} // namespace orvela
