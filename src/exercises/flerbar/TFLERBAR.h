#pragma once
// The word-tile gap exercise: a French sentence with one word replaced by "?" and a row of word
// tiles below it, the distinct gap words of the whole file. The pupil points at a tile (the word
// is previewed in the gap) and clicks it.

#include "ExerciseWindow.h"
#include "WordTile.h"

#include <array>
#include <vector>

namespace orvela {

class TFLERBAR : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TFLERBAR(AppContext& context, QWidget* parent = nullptr);

    // The tile words collected from the file, as collected (lower case) and capitalised.
    const std::vector<AnsiText>& choices() const { return choices_; }
    const std::vector<AnsiText>& capitalisedChoices() const { return capitalised_; }
    // The choice words of a data file (at most 12, lower case, at most 10 characters).
    static std::vector<AnsiText> Hittapreppar(Shell& shell, const AnsiText& fileName);
    static bool FinnsPrep(const AnsiText& text);
    // The worksheet note listing the choices ("Du, de la eller des ?").
    static AnsiText alternativesLine(const std::vector<AnsiText>& choices);
    // A worksheet line with its gap as "__" repeated `longest` times.
    static AnsiText blankedLine(const AnsiText& line, int longest);

    void PanelMouseMove(int tile);                     // tile 1..12
    void PanelMouseDown(int tile, Qt::MouseButton b);  // tile 1..12
    void RaettTest(int tile, Qt::MouseButton button);
    void BitBtn2Click();
    void Button2Click() override;
    void Button3Click() override;

protected:
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    bool windowKey(QKeyEvent* e) override;
    bool offersLamp() override { return false; }
    void addWorksheetItem(WorksheetWindow& worksheet, int n) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    std::vector<AnsiText> choices_;
    std::vector<AnsiText> capitalised_;
    bool capitalisedNow_ = false;
    bool correctionShown_ = false;
    bool escapeSwallow_ = false;
    int labelHeight_ = 20;
    int longestChoice_ = 0;
    AnsiText rightWord_;

    AutoLabel* Label4 = nullptr;
    AutoLabel* Label5 = nullptr;
    AutoLabel* Label6 = nullptr;
    AutoLabel* Label8 = nullptr;
    AutoLabel* SvenskLabel = nullptr;
    AutoLabel* KorrektSvarLabel = nullptr;
    AutoLabel* EfterdelLabel = nullptr;
    QWidget* TilePanel = nullptr; // the tile container (named Panel1 on screen)
    std::array<WordTile*, 12> tiles_{};
    QPushButton* BitBtn2 = nullptr;

    const AnsiText& tileWord(int tile) const;
    void layoutTiles();
    void openEscapePanel();
};

} // namespace orvela
