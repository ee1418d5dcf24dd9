#pragma once
// A word tile of the word-tile exercise: light green and raised at rest, yellow and lowered under
// the mouse; reports the mouse moving over it and presses with either button.

#include <QLabel>
#include <functional>
#include <span>

namespace orvela {

class WordTile : public QLabel {
    Q_OBJECT
public:
    explicit WordTile(QWidget* parent);
    void setHighlighted(bool on);

Q_SIGNALS:
    void hovered();
    void pressed(Qt::MouseButton button);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};

// Fills `tiles` with hidden tiles on `panel`, named Panel2, Panel3, … in the tiles' 16-point bold
// font. Tile k (counted from 1) calls `hovered(k)` when the mouse moves over it and
// `pressed(k, button)` when it is pressed.
void makeWordTiles(QWidget* panel, std::span<WordTile*> tiles,
                   const std::function<void(int)>& hovered,
                   const std::function<void(int, Qt::MouseButton)>& pressed);

} // namespace orvela
