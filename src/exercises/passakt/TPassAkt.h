#pragma once
// The choice-tile classification exercise: a French sentence with one group of words marked in
// green, and up to six word tiles below it (the right answer and the other candidates, sorted by
// character code so that their order gives nothing away). The pupil clicks the tile that
// classifies the sentence or the group (active or passive, adverb, object or complement); after a
// wrong click the right tile lights up and a short Swedish explanation is shown for a while.
//
// Item line: sentence (one group may be marked "<" ">") # right answer # further candidates ...,
// the list ending at an empty field or at a field beginning with "£".

#include "ExerciseWindow.h"
#include "WordTile.h"

#ifndef Q_MOC_RUN // the meta-object compiler cannot read the standard <compare> it brings in
#include "ChoiceTiles.h"
#endif

#include <array>

namespace orvela {

class TPassAkt : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TPassAkt(AppContext& context, QWidget* parent = nullptr);

    static constexpr int kTileControls = 7; // Panel2 ... Panel8; the first six are used

    // The tiles of the item on the screen, in the order shown.
    const ChoiceTiles& tiles() const { return tiles_; }
    // The explanation shown after a wrong click, for a program, the marked group and the right
    // answer.
    static AnsiText explanation(int programNumber, const AnsiText& group, const AnsiText& right);
    // The worksheet lines of an item (question sheet, answer sheet) as item number n.
    void addWorksheetItem(WorksheetWindow& worksheet, int n) override;

    void PanelMouseMove(int tile);                       // tile 1..7
    void PanelMouseDown(int tile, Qt::MouseButton b);    // tile 1..7
    void RaettTest(int tile, Qt::MouseButton button);
    void BitBtn2Click(); // "Regler"
    void Button2Click() override;

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    bool offersLamp() override { return false; }
    bool swedishEndPanel() override;
    void beforePraise() override;
    bool windowKey(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    ChoiceTiles tiles_;
    AnsiText group_; // the marked group of the sentence (empty without marks)

    AutoLabel* Label3 = nullptr;
    AutoLabel* Label4 = nullptr;
    AutoLabel* Label5 = nullptr;
    AutoLabel* Label6 = nullptr;
    AutoLabel* Label7 = nullptr;
    QWidget* TilePanel = nullptr; // the tile container (named Panel1 on screen)
    std::array<WordTile*, kTileControls> tileControls_{};
    QLabel* templabel = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // Whether the item now in ItemFields can be asked (it has a right answer).
    bool usableItem();
    // Draws items until one can be asked; false when the file has none.
    bool skipUnusableItems();
    void placeSentence();
    void layoutTiles();
    void openEscapePanel();
};

} // namespace orvela
