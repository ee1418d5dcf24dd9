#pragma once
// A piece of the sentence in the sentence-part exercise: a marked group (which the pupil points
// at and drags), its black copy that stays in the sentence, or the plain text between groups.
// The label is exactly as wide as its text with every blank counted, so the pieces join up into
// one sentence; a group draws itself on an opaque background, so it hides its copy below it.

#include <QLabel>

namespace orvela {

class SentenceLabel : public QLabel {
    Q_OBJECT
public:
    explicit SentenceLabel(QWidget* parent);

    // Sets the text and takes its size.
    void setPieceText(const QString& text);
    void setTextColor(const QColor& c);
    // An opaque background of this colour (a group); invalid: transparent.
    void setBackgroundColor(const QColor& c);
    QColor textColor() const { return textColor_; }
    QColor backgroundColor() const { return background_; }
    // A draggable label reports the mouse; the others let it through to the window.
    void setDraggable(bool on);
    // A line under the text, a pixel short of both ends, so that groups standing side by side
    // are told apart.
    void setUnderlined(bool on);
    bool underlined() const { return underlined_; }

Q_SIGNALS:
    void pointed();                    // the mouse moves over it, no button held
    void pressed(QPointF globalPos);   // left button pressed on it
    void dragMoved(QPointF globalPos); // moved with the left button held
    void released(QPointF globalPos);  // left button released

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QColor textColor_ = Qt::black;
    QColor background_;
    bool draggable_ = false;
    bool underlined_ = false;
    void fitText();
};

} // namespace orvela
