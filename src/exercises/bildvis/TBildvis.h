#pragma once
// The picture choice exercise: a picture of a plant or an animal with its Swedish name, and two or
// three French names in numbered rows; the pupil picks the right one with the mouse or the keys
// 1 to 3. A right-click on a row or Escape pauses. For the birds (program 21510) the button
// "Entendre le son" plays the bird's song for the items that have a recording.
//
// Item line: right French name # wrong name # second wrong name (may be empty: two rows) #
// Swedish name. The picture of item n is BILD\VAXTER\F + the first four digits of the program
// number + n with two digits + .BMP for the plants (21410-21440), BILD\DJUR\... for the animals.

#include <QPushButton>

#include "ExerciseWindow.h"

#include <array>

namespace orvela {

class TBildvis : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TBildvis(AppContext& context, QWidget* parent = nullptr);
    ~TBildvis() override;

    static constexpr int kRows = 3;
    static constexpr int kBirdsProgram = 21510;
    static constexpr int kLargestFont = 18;
    static constexpr int kSmallestFont = 8;

    // The bird-song file of an item of the birds' file, or nullptr when it has none.
    static const char* birdSong(int item);

    // The row (1-3) that shows the right name, and how many rows the item has.
    int rightRow() const { return rightRow_; }
    int alternativeCount() const { return count_; }
    // The field (1-3) shown in a row.
    int fieldInRow(int row) const { return order_[static_cast<std::size_t>(row - 1)]; }

    // Judges the choice of a row (how 0), or pauses (how 1, a right-click).
    void RaettTest(int row, int how);
    void HoraLjudetButtonClick();
    void Button4Click(); // "Mises en scène"
    void Button2Click() override;

protected:
    void Inled() override;
    void layoutItemArea() override;
    void NollaLabeller() override;
    void presentItem() override;
    void setAnswerEnabled(bool enabled, bool focus) override;
    bool offersLamp() override { return false; }
    void beforePraise() override;
    void onPause() override;
    bool windowKey(QKeyEvent* e) override;
    void addWorksheetItem(WorksheetWindow& worksheet, int n) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        Panel* number = nullptr;      // NrPanel1..3 with its digit
        Panel* alternative = nullptr; // AlternativPanel1..3
        QLabel* label = nullptr;      // AltLabel1..3
    };
    std::array<Row, kRows> rows_{};
    QLabel* SvensktOrd = nullptr;
    QLabel* FrageLabel1 = nullptr;
    QLabel* RattSvarLabel = nullptr;
    QLabel* BreddLabel = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* HoraLjudetButton = nullptr;
    QPushButton* Button4 = nullptr;

    std::array<int, kRows> order_{1, 2, 3};
    int count_ = 3;
    int rightRow_ = 1;
    bool Locked = false;
    bool IsBirds = false;
    bool Playing = false;
    int soundItem_ = 0;
    int hu_ = 0; // the horizontal unit: screen width div 32
    QRect pictureBox_;
    AnsiText savedSoundDir_;

    void Paneler(int state);
    void setRowsEnabled(bool on);
    void slump(int count);
    void fitAlternatives();
    void showPicture(int item);
    void stopSong();
    void Ljudet();
    bool songAvailable() const;
    int rowOf(QObject* control) const;
    void lightRow(int row);
};

} // namespace orvela
