#pragma once
// The page of the reading-speed window: the chosen text in black, line under line, without the
// words already rubbed out. Everything is drawn in the paint handler, so a repaint shows the text
// as far as it has been read.

#include <QWidget>

#include "SpeedText.h"

namespace orvela {

class ReadingPaintBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLeft = 10;
    static constexpr int kTop = 10;

    ReadingPaintBox(QWidget* parent, const SpeedText& text);
    // The distance between two lines.
    int lineStep() const;
    // Where a word of the text stands (its top left corner).
    QPoint wordPosition(const SpeedText::Word& word) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const SpeedText& text_;
};

} // namespace orvela
