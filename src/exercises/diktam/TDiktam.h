#pragma once
// The dictation: the program says a French word or sentence (its recording), or flashes it on the
// screen for a moment, or both, and the pupil writes it. The hear / see / hear-and-see mode is
// kept from one dictation window to the next; the flash time is set with a spin button.
//
// Item line: the text to write # (unused) # help text. Programs 36100 and 36200: help word # text
// to write # help text (the help word is shown by "Aide"). Program 32000 is read along instead:
// Swedish # French, each item said when it is shown, "Le prochain" goes on. Program 33000 spells
// its word letter by letter (the recordings of the letters A to Z).
//
// Recordings: LJUD\<sound folder>\<sound folder><item number, three digits>.WAV, e.g.
// LJUD\F361\F361007.WAV for item 7 of program 36100; the letters are LJUD\F330\F330001.WAV (A)
// to F330026.WAV (Z).

#include <QPushButton>
#include <QToolButton>

#include "AnswerEdit.h"
#include "ExerciseWindow.h"

#include <vector>

namespace orvela {

class TDiktam : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TDiktam(AppContext& context, QWidget* parent = nullptr);
    ~TDiktam() override;

    static constexpr int kAnswerLength = 45;
    static constexpr int kMaxLetters = 45;
    static constexpr int kFlashStepMs = 100;
    static constexpr int kShortestFlashMs = 100;
    static constexpr int kLongestFlashMs = 3000;
    static constexpr int kFlashWithoutSoundMs = 300;

    // The letter recordings that spell a word: the word in capitals, one file per letter A to Z
    // ("F330001.WAV" to "F330026.WAV"); other characters are skipped; at most kMaxLetters.
    static std::vector<AnsiText> letterSoundNames(const AnsiText& word);

    int flashTime() const { return FlashTime; }

    // Handlers (also driven directly by tests).
    void Edit1Enter();
    void Edit1Change();
    void UpprepaButtonClick(); // "Répétez le mot -- F2"
    void F2Pressed();
    void BaraHoraButtonClick();
    void BaraseordetButtonClick();
    void SeochHoraButtonClick();
    void TidSpinButtonUpClick();
    void TidSpinButtonDownClick();
    void NextButtonClick(); // program 32000: "Le prochain"
    void HelpButtonClick(); // programs 36100 and 36200: the help word
    void BitBtn2Click();    // the help text
    void Timer2Timer();     // letter-by-letter playback (program 33000)
    void FlashEnded();      // Timer3: end of the flash
    void Timer5Timer();     // presenting the word at the start of an item
    void Button2Click() override;

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    void onPause() override;
    void addWorksheetItem(WorksheetWindow& worksheet, int n) override;
    bool windowKey(QKeyEvent* e) override;

private:
    bool readingProgram();  // 32000
    bool spellingProgram(); // 33000
    bool helpWordProgram(); // 36100, 36200
    bool soundsOn();        // SOUNDS is 1 or 3
    // The text to write: field 1, or field 2 for programs 36100 and 36200.
    AnsiText textToWrite();
    // Plays the item's recording (or its letters) when sounds are on and available.
    void playWord();
    void playLetters();
    void flashWord();
    // Presents the word by DictationMode.
    void presentWord();
    void startPresenting(int intervalMs);
    void showFlashTime();
    void showSpin(bool show);
    void enableSoundButtons();
    void chooseMode(std::uint8_t mode);
    void afterSettings();

    // ---- per-window fields ----
    AnsiText DictationWord;
    std::int32_t FlashTime = kShortestFlashMs;
    std::uint8_t SoundsAvailable = 0;
    std::int32_t LetterCount = 0;
    std::vector<AnsiText> LetterSounds;
    std::int32_t PlayTicks = 0;

    // ---- controls ----
    AutoLabel* FrageLabel1 = nullptr;
    AutoLabel* FrageLabel2 = nullptr;
    AutoLabel* Svensklabel1 = nullptr;
    AutoLabel* Svensklabel2 = nullptr;
    AutoLabel* BlinkLabel = nullptr;
    AutoLabel* Label5 = nullptr;
    AutoLabel* Label6 = nullptr;
    AnswerEdit* Edit1 = nullptr;
    QPushButton* UpprepaButton = nullptr;
    QPushButton* BaraHoraButton = nullptr;
    QPushButton* BaraseordetButton = nullptr;
    QPushButton* SeochHoraButton = nullptr;
    QWidget* TidSpinButton = nullptr;
    QToolButton* TidSpinUp = nullptr;
    QToolButton* TidSpinDown = nullptr;
    AutoLabel* SeIntervalLabel = nullptr;
    Panel* SeTidPanel = nullptr;
    QLabel* SeTidLabel = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* BitBtn2 = nullptr; // the framework's help button
    QTimer* Timer2 = nullptr;
    QTimer* FlashTimer = nullptr;   // "Timer3": the flash (the framework's Timer3 is Timer4 here)
    QTimer* Timer5 = nullptr;
};

} // namespace orvela
