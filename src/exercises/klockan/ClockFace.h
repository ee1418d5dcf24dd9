#pragma once
// The clock face of the clock exercise: an aqua box with a round dial, minute marks, the numerals
// 1 to 12 and the two hands set to the time of one item of the clock file.

#include <QWidget>

namespace orvela {

class ClockFace : public QWidget {
    Q_OBJECT
public:
    explicit ClockFace(QWidget* parent = nullptr);

    // The item whose time the hands show; repaints when it changes.
    int item() const { return item_; }
    void setItem(int item);

    // The box is 8 pixels wider than it is high.
    static int widthForHeight(int height) { return height + 8; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int item_ = 1;
};

} // namespace orvela
