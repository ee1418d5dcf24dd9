#include "ClockFace.h"

#include "ClockGeometry.h"
#include "Panel.h"
#include "Scaling.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>

namespace orvela {

namespace {

QPoint qp(ClockPoint p) { return QPoint(p.x, p.y); }

// A hand as one outline: centre, one side corner, tip, the other side corner.
QPolygon handOutline(const std::array<ClockTriangle, 2>& sides) {
    QPolygon outline;
    outline << qp(sides[0][0]) << qp(sides[0][2]) << qp(sides[0][1]) << qp(sides[1][2]);
    return outline;
}

} // namespace

ClockFace::ClockFace(QWidget* parent) : QWidget(parent) {}

void ClockFace::setItem(int item) {
    if (item == item_) return;
    item_ = item;
    update();
}

void ClockFace::paintEvent(QPaintEvent*) {
    const ClockFaceGeometry g = clockFaceGeometry(width(), height());
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // The card: the box from (2, 2) to its bottom right corner in aqua.
    p.fillRect(QRect(2, 2, g.width - 2, g.height - 2), colors::aqua);

    // The dial with its rim.
    const QPointF centre(g.cx, g.cy);
    const int radius = std::min(g.width, g.height) / 2 - 3;
    const int rim = std::max(2, g.height / 80);
    p.setPen(QPen(colors::navy, rim));
    p.setBrush(colors::white);
    p.drawEllipse(centre, radius - rim / 2.0, radius - rim / 2.0);

    // The numerals, each just outside the minute hand's reach; on a small face the font is made
    // smaller until every numeral keeps clear of the rim.
    const int clearRadius = radius - rim - 2;
    int pixels = std::max(1, g.fontHeight);
    QFont font = pixelFont(pixels, true);
    struct Placed {
        QString text;
        QPointF origin;
    };
    std::array<Placed, 12> numerals;
    for (;;) {
        const QFontMetrics fm(font);
        bool fits = true;
        for (int k = 1; k <= 12; ++k) {
            const QString text = QString::number(k);
            const QRect box = fm.tightBoundingRect(text);
            const ClockPoint c = numeralCentre(g, k, box.width(), box.height());
            const QRectF placed(c.x - box.width() / 2.0, c.y - box.height() / 2.0, box.width(),
                                box.height());
            for (QPointF corner : {placed.topLeft(), placed.topRight(), placed.bottomLeft(),
                                   placed.bottomRight()})
                fits = fits && std::hypot(corner.x() - g.cx, corner.y() - g.cy) <= clearRadius;
            numerals[static_cast<std::size_t>(k - 1)] = {text, placed.topLeft() - box.topLeft()};
        }
        if (fits || pixels <= 6) break;
        font.setPixelSize(--pixels);
    }
    p.setFont(font);
    p.setPen(colors::black);
    for (const Placed& n : numerals) p.drawText(n.origin, n.text);

    // The minute track just inside the numerals, where the minute hand's tip ends; the marks of
    // the hours reach further in.
    const int trackOuter = g.minuteLength + 5;
    const int minuteMark = std::max(3, g.height / 90);
    const int hourMark = std::max(6, g.height / 30);
    for (int minute = 0; minute < 60; ++minute) {
        const bool hour = minute % 5 == 0;
        p.setPen(QPen(colors::navy, hour ? std::max(2, g.height / 150) : 1));
        const ClockPoint a = clockPoint(g.cx, g.cy, 6 * minute, trackOuter);
        const ClockPoint b =
            clockPoint(g.cx, g.cy, 6 * minute, trackOuter - (hour ? hourMark : minuteMark));
        p.drawLine(qp(a), qp(b));
    }

    const ClockHands hands = clockHands(g, item_);
    p.setPen(QPen(colors::blue, 1));
    p.setBrush(colors::blue);
    p.drawPolygon(handOutline(hands.hour));
    p.setPen(QPen(colors::black, 1));
    p.setBrush(colors::lime);
    p.drawEllipse(QPointF(hands.dot.x, hands.dot.y), g.dotRadius, g.dotRadius);
    p.setPen(QPen(colors::red, 1));
    p.setBrush(colors::red);
    p.drawPolygon(handOutline(hands.minute));
    // The pin that holds the hands.
    const double pin = std::max(2.0, g.height / 60.0);
    p.setPen(Qt::NoPen);
    p.setBrush(colors::black);
    p.drawEllipse(centre, pin, pin);
}

} // namespace orvela
