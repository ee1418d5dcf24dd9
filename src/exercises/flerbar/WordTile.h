#pragma once
// A word tile of the word-tile exercise: light green and raised at rest, yellow and lowered under
// the mouse; reports the mouse moving over it and presses with either button.

#include <QLabel>

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

} // namespace orvela
