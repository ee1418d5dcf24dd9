#include "TAster.h"

#include "Panel.h"
#include "Shell.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvela {

namespace {

constexpr int kPenColors = 9;
constexpr int kFillColors = 10;
constexpr int kAngles = 6;

int primaryScreenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

// The point at `degrees` and `radius` from the centre, as the stars are drawn: angle 0 points
// left and angles turn upwards from there.
QPoint starPoint(int cx, int cy, int degrees, int radius) {
    const double t = degrees * std::numbers::pi / 180.0;
    return {cx - static_cast<int>(std::lround(std::cos(t) * radius)),
            cy - static_cast<int>(std::lround(std::sin(t) * radius))};
}

} // namespace

TAster::TAster(Shell& shell, QWidget* parent, int screenHeight)
    : QWidget(parent), shell_(shell),
      size_(squareSizeFor(screenHeight > 0 ? screenHeight : primaryScreenHeight())) {
    setObjectName(QStringLiteral("Aster1"));
    right_.fill(true);
    chooseStars();
    resize(size_, max_ * size_);
}

int TAster::squareSizeFor(int h) {
    if (h < 600) return 38;
    if (h < 768) return 50;
    if (h < 864) return 62;
    if (h < 1024) return 70;
    if (h < 1050) return 78;
    return 85;
}

QColor TAster::penColor(int index) {
    static const QColor colors[kPenColors] = {colors::green,  colors::navy,    colors::purple,
                                              colors::teal,   colors::red,     colors::lime,
                                              colors::yellow, colors::fuchsia, colors::aqua};
    return colors[std::clamp(index, 0, kPenColors - 1)];
}

QColor TAster::fillColor(int index) {
    if (index == kFillColors - 1) return colors::blue;
    return penColor(index);
}

int TAster::angleStep(int index) {
    static const int steps[kAngles] = {45, 36, 30, 26, 20, 18};
    return steps[std::clamp(index, 0, kAngles - 1)];
}

void TAster::chooseStars() {
    shell_.reseedRandom();
    for (Star& s : stars_) {
        s.pen = shell_.randomBelow(kPenColors);
        s.angle = shell_.randomBelow(kAngles);
        s.fill1 = shell_.randomBelow(kFillColors);
        s.fill2 = shell_.randomBelow(kFillColors);
    }
}

void TAster::restart() {
    right_.fill(true);
    chooseStars();
    fullShown_ = false;
}

void TAster::setMaxAntalRutor(int n) {
    n = std::clamp(n, 0, kMaxSquares);
    if (n == max_) return;
    if (fullShown_) restart();
    max_ = n;
    current_ = std::min(current_, max_);
    update();
}

void TAster::setRutNummer(int n) {
    n = std::clamp(n, 0, max_);
    if (n == current_) return;
    // A column that has been shown full starts clean with the next answer, not at the paint
    // that showed it: a repaint of the finished column (a window moved over it) still shows
    // the run's results.
    if (fullShown_) restart();
    current_ = n;
    update();
}

bool TAster::Ratt() const {
    return current_ == 0 || right_[static_cast<std::size_t>(current_)];
}

void TAster::setRatt(bool right) {
    if (right || current_ == 0) return;
    right_[static_cast<std::size_t>(current_)] = false;
    update();
}

void TAster::setVisa(bool on) {
    if (on == visible_) return;
    visible_ = on;
    update();
}

void TAster::setStarta(bool on) {
    start_ = on;
    if (on) right_.fill(true);
    chooseStars();
    fullShown_ = false;
}

void TAster::setAsterColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    update();
}

void TAster::setBrush(const QBrush& b) {
    brush_ = b;
    update();
}

void TAster::setPen(const QPen& p) {
    pen_ = p;
    update();
}

void TAster::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintTo(painter);
}

void TAster::drawStar(QPainter& painter, int top, const Star& star) const {
    const int w = width();
    const int cx = w / 2;
    const int cy = top + w / 2 - 2;
    const int outer = w / 2 - 8;
    if (outer <= 0) return; // too narrow for a star
    const int inner = star.angle <= 1 ? outer / 3 : outer / 2;
    const int step = angleStep(star.angle);
    QPen pen(penColor(star.pen));
    pen.setWidth(std::max(pen_.width(), 1));
    painter.setPen(pen);
    bool odd = true;
    for (int a = 0; a <= 360; a += step, odd = !odd) {
        QPolygon triangle;
        triangle << QPoint(cx, cy);
        if (odd) {
            triangle << starPoint(cx, cy, a, inner) << starPoint(cx, cy, a + step, outer);
            painter.setBrush(fillColor(star.fill1));
        } else {
            triangle << starPoint(cx, cy, a, outer) << starPoint(cx, cy, a + step, inner);
            painter.setBrush(fillColor(star.fill2));
        }
        painter.drawPolygon(triangle);
    }
}

void TAster::paintTo(QPainter& painter) {
    const int w = width();
    const int s = size_;
    if (!visible_ || w <= 8) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (current_ == 0) {
        painter.fillRect(0, 0, w, max_ * s, color_);
    } else {
        for (int i = 1; i <= current_; ++i) {
            const int y = (max_ - i) * s;
            if (!right_[static_cast<std::size_t>(i)]) {
                painter.fillRect(4, y + 4, w - 8, s - 8, Qt::white);
            } else {
                painter.fillRect(0, y, w, s, color_);
                drawStar(painter, y, stars_[static_cast<std::size_t>(i)]);
            }
        }
    }
    QPen frame(Qt::black);
    frame.setWidth(1);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < max_; ++k)
        painter.drawRect(0, k * s, w - 1, s - 1);
    painter.restore();
    if (max_ > 0 && current_ == max_) fullShown_ = true;
}

} // namespace orvela
