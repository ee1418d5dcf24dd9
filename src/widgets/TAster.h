#pragma once
// TAster: the column of progress squares beside an exercise, one square per question, filled
// from the bottom up. A right answer puts a small two-coloured star of random colours in its
// square, a wrong one a white square. The exercise drives it through the properties below; the
// control draws only its squares, so the window shows through where nothing is drawn.

#include "OneBased.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QWidget>
#include <array>
#include <cstdint>

namespace orvela {

class Shell;

class TAster : public QWidget {
public:
    static constexpr int kMaxSquares = 10;

    // The square size is chosen from `screenHeight`, or from the primary screen's height when it
    // is 0. The random numbers for the stars come from the shell's generator.
    explicit TAster(Shell& shell, QWidget* parent = nullptr, int screenHeight = 0);

    // The side of a square (and the designed width of the control) for a screen height.
    static int squareSizeFor(int screenHeight);
    int squareSize() const { return size_; }

    // Number of squares, 0..10. Repaints when it changes.
    int MaxAntalRutor() const { return max_; }
    void setMaxAntalRutor(int n);
    // Squares answered so far, 0..MaxAntalRutor (0: none). Repaints when it changes.
    int RutNummer() const { return current_; }
    void setRutNummer(int n);
    // Writing false marks square RutNummer as answered wrongly and repaints; writing true has no
    // effect. Reads whether square RutNummer stands as right (true while no square is answered).
    bool Ratt() const;
    void setRatt(bool right);
    // False hides the drawing. Repaints when it changes.
    bool Visa() const { return visible_; }
    void setVisa(bool on);
    // Writing true marks every square right again; writing either value chooses new stars,
    // shown at the next paint (no repaint here).
    bool Starta() const { return start_; }
    void setStarta(bool on);
    // The background of the squares. Repaints when it changes.
    QColor AsterColor() const { return color_; }
    void setAsterColor(const QColor& c);
    // The control's own brush and pen; the pen's width is the width of the stars' outlines.
    // Either change repaints.
    QBrush Brush() const { return brush_; }
    void setBrush(const QBrush& b);
    QPen Pen() const { return pen_; }
    void setPen(const QPen& p);

    // Draws the column as the control shows it, with (0, 0) at the control's top left.
    void paintTo(QPainter& painter);

    // The random choices of one square's star.
    struct Star {
        int pen = 0;   // 0..8
        int angle = 0; // 0..5
        int fill1 = 0; // 0..9
        int fill2 = 0; // 0..9
    };
    const Star& star(int square) const { return stars_[static_cast<std::size_t>(square)]; }
    bool squareRight(int square) const { return right_[static_cast<std::size_t>(square)]; }

    static QColor penColor(int index);
    static QColor fillColor(int index);
    static int angleStep(int index);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void chooseStars();
    void restart();
    void drawStar(QPainter& painter, int top, const Star& star) const;

    Shell& shell_;
    int size_;
    int max_ = 0;
    int current_ = 0;
    bool visible_ = true;
    bool start_ = false;
    // The column was drawn full: the next change of RutNummer starts a clean column.
    bool fullShown_ = false;
    QColor color_ = Qt::black;
    QBrush brush_{Qt::white};
    QPen pen_{Qt::black};
    OneBased<bool, kMaxSquares> right_;
    OneBased<Star, kMaxSquares> stars_;
};

} // namespace orvela
