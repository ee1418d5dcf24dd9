#pragma once
// A box of the sentence-part exercise: a yellow field with the name of a sentence function on
// one or two lines, aqua once its group is placed. It reports the mouse moving over it; presses
// and releases go on to the window (which runs the drag).

#include <QLabel>

namespace orvela {

class FunctionBox : public QLabel {
    Q_OBJECT
public:
    explicit FunctionBox(QWidget* parent);
    // The box's two lines (the second may be empty).
    void setLines(const QString& line1, const QString& line2);
    void setBoxColor(const QColor& c);
    QColor boxColor() const { return color_; }

Q_SIGNALS:
    void hovered(); // the mouse moves over it, no button held

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QColor color_;
};

} // namespace orvela
