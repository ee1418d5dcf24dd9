// The south: bulls of the Camargue, the Roman aqueduct and a vineyard.

#include "Draw.h"
#include "Scenes.h"

#include <QRadialGradient>
#include <cmath>

namespace picgen {

namespace {

// A black bull seen from the side, hind feet at `feet`, body length `length`, facing right when
// facing is 1 and left when it is -1. Its horns rise in the shape of a lyre.
void bull(QPainter& p, QPointF feet, double length, int facing) {
    PainterScope scope(p);
    auto P = [&](double dx, double dy) {
        return QPointF(feet.x() + facing * dx * length, feet.y() - dy * length);
    };
    const QColor black(34, 28, 28);
    // Legs.
    p.setPen(roundPen(black, length * 0.075));
    for (double x : {0.08, 0.18, 0.62, 0.72})
        p.drawLine(P(x, 0.3), P(x + 0.01, 0.02));
    p.setPen(roundPen(QColor(20, 16, 16), length * 0.08));
    for (double x : {0.08, 0.18, 0.62, 0.72})
        p.drawLine(P(x + 0.01, 0.03), P(x + 0.01, 0.0));
    // Body with the hump over the shoulders.
    QPainterPath body;
    body.moveTo(P(0.0, 0.44));
    body.cubicTo(P(0.1, 0.6), P(0.45, 0.58), P(0.6, 0.66));
    body.cubicTo(P(0.72, 0.7), P(0.8, 0.62), P(0.86, 0.54));
    body.lineTo(P(0.84, 0.36));
    body.quadTo(P(0.76, 0.24), P(0.64, 0.25));
    body.quadTo(P(0.4, 0.22), P(0.14, 0.27));
    body.quadTo(P(-0.02, 0.3), P(0.0, 0.44));
    body.closeSubpath();
    QLinearGradient sheen(0, feet.y() - 0.7 * length, 0, feet.y() - 0.2 * length);
    sheen.setColorAt(0, QColor(90, 80, 80));
    sheen.setColorAt(0.3, black);
    sheen.setColorAt(1, QColor(20, 16, 16));
    p.fillPath(body, sheen);
    // Head, lowered a little.
    const QPainterPath head = polygonPath(
        {P(0.8, 0.62), P(0.92, 0.6), P(1.03, 0.42), P(1.01, 0.35), P(0.93, 0.35), P(0.8, 0.46)});
    p.fillPath(head, black);
    // Tail with its tuft.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(black, length * 0.02));
    QPainterPath tail;
    tail.moveTo(P(0.0, 0.44));
    tail.quadTo(P(-0.07, 0.32), P(-0.04, 0.14));
    p.drawPath(tail);
    p.setPen(roundPen(black, length * 0.045));
    p.drawLine(P(-0.04, 0.16), P(-0.035, 0.1));
    // Horns: pale, curving up and forward then up again.
    for (int h = 0; h < 2; ++h) {
        const double off = h * 0.035;
        p.setPen(roundPen(h == 0 ? QColor(190, 180, 160) : QColor(240, 232, 210), length * 0.028));
        QPainterPath horn;
        horn.moveTo(P(0.86 + off, 0.6));
        horn.cubicTo(P(0.8 + off, 0.72), P(0.96 + off, 0.74), P(0.92 + off, 0.86));
        p.drawPath(horn);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    p.drawEllipse(P(0.83, 0.6), length * 0.04, length * 0.02);
    p.setBrush(QColor(230, 220, 200));
    p.drawEllipse(P(0.93, 0.53), length * 0.012, length * 0.012);
}

// A pink flamingo standing in shallow water.
void flamingo(QPainter& p, QPointF feet, double h, int facing) {
    PainterScope scope(p);
    const QColor pink(240, 136, 160);
    auto P = [&](double dx, double dy) {
        return QPointF(feet.x() + facing * dx * h, feet.y() - dy * h);
    };
    p.setPen(roundPen(pink.darker(120), std::max(0.8, h * 0.02)));
    p.drawLine(P(0, 0), P(0, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(pink);
    p.drawEllipse(P(0.02, 0.56), h * 0.14, h * 0.08);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(pink, std::max(1.0, h * 0.04)));
    QPainterPath neck;
    neck.moveTo(P(0.12, 0.58));
    neck.cubicTo(P(0.24, 0.7), P(0.06, 0.84), P(0.16, 0.96));
    p.drawPath(neck);
    p.setPen(roundPen(QColor(40, 30, 30), std::max(1.0, h * 0.03)));
    p.drawLine(P(0.17, 0.96), P(0.23, 0.9));
}

// One tier of arches: a band of stone with round-headed openings cut through it.
void arcadeTier(QPainter& p, double top, double bottom, double firstCentre, double pitch,
                double opening, double springY, const QColor& stone) {
    QPainterPath band;
    band.addRect(QRectF(-20, top, kWidth + 40, bottom - top));
    for (double cx = firstCentre; cx < kWidth + pitch; cx += pitch)
        band = band.subtracted(archPath(QRectF(cx - opening / 2, springY - opening / 2, opening,
                                               bottom - springY + opening / 2 + 1)));
    p.fillPath(band, verticalGradient(top, bottom, stone.lighter(106), stone.darker(112)));
    PainterScope scope(p);
    p.setClipPath(band);
    stoneCourses(p, QRectF(0, top, kWidth, bottom - top), std::max(4.0, (bottom - top) / 9),
                 stone.darker(118));
    p.setClipping(false);
    p.fillRect(QRectF(-20, top - 3, kWidth + 40, 5), stone.darker(112));
}

} // namespace

void sceneCamargueBulls(QPainter& p) {
    daySky(p, 240);
    cloud(p, {140, 70}, 28);
    cloud(p, {520, 90}, 20);
    fillGround(p, 238, QColor(176, 190, 110), QColor(130, 160, 70));
    // Shallow lagoon with flamingos, reeds along the edge.
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 200, 226));
        p.drawEllipse(QPointF(470, 262), 190, 18);
        p.drawEllipse(QPointF(100, 250), 140, 10);
    }
    for (int k = 0; k < 6; ++k)
        flamingo(p, {390 + k * 34.0, 268.0 - (k % 2) * 6}, 34, k % 3 ? 1 : -1);
    {
        PainterScope scope(p);
        p.setPen(QPen(QColor(120, 110, 60), 1.4));
        Rng rng(25);
        for (int i = 0; i < 120; ++i) {
            const double x = rng.uniform(0, kWidth);
            const double y = rng.uniform(276, 296);
            p.drawLine(QPointF(x, y), QPointF(x + rng.uniform(-3, 3), y - rng.uniform(10, 26)));
        }
    }
    bull(p, {610, 300}, 100, -1);
    bull(p, {90, 330}, 140, 1);
    bull(p, {250, 390}, 220, 1);
    {
        PainterScope scope(p);
        p.setPen(QPen(QColor(90, 130, 50), 1.5));
        Rng rng(26);
        for (int i = 0; i < 80; ++i) {
            const double x = rng.uniform(0, kWidth);
            const double y = rng.uniform(380, 470);
            p.drawLine(QPointF(x, y), QPointF(x + rng.uniform(-4, 4), y - rng.uniform(8, 18)));
        }
    }
}

void scenePontDuGard(QPainter& p) {
    daySky(p, 300);
    cloud(p, {110, 50}, 26);
    cloud(p, {540, 40}, 20);
    // Wooded hills on both banks.
    QPainterPath left;
    left.moveTo(-10, 330);
    left.cubicTo(60, 160, 140, 170, 260, 330);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(380, 330);
    right.cubicTo(480, 190, 580, 150, 660, 200);
    right.lineTo(660, 330);
    right.closeSubpath();
    p.fillPath(left, verticalGradient(170, 330, QColor(110, 150, 80), QColor(70, 120, 60)));
    p.fillPath(right, verticalGradient(150, 330, QColor(110, 150, 80), QColor(70, 120, 60)));
    sea(p, 318, kHeight, QColor(90, 160, 150), QColor(50, 120, 120), 26);
    const QColor stone(224, 192, 134);
    // Three tiers of arches; the piers of the lower two line up.
    arcadeTier(p, 216, 336, -40, 120, 84, 262, stone);
    arcadeTier(p, 134, 216, -40, 120, 80, 176, stone);
    arcadeTier(p, 98, 134, -40, 40, 26, 116, stone);
    p.fillRect(QRectF(-10, 88, kWidth + 20, 12),
               verticalGradient(88, 100, stone.lighter(108), stone.darker(105)));
    // Reflections of the piers in the water and bushes on the banks.
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(224, 192, 134, 70));
        for (double cx = 20; cx < kWidth; cx += 120)
            p.drawRect(QRectF(cx, 338, 36, 60));
    }
    for (double x : {20.0, 70.0, 590.0, 630.0})
        bush(p, {x, 330}, 30, QColor(60, 110, 50));
}

void sceneVineyard(QPainter& p) {
    daySky(p, 200);
    sun(p, {90, 60}, 26);
    cloud(p, {380, 60}, 22);
    // Pale limestone mountain, green hills and a village with its church.
    p.fillPath(
        polygonPath({QPointF(200, 200), QPointF(290, 130), QPointF(340, 118), QPointF(420, 140),
                     QPointF(520, 128), QPointF(640, 196), QPointF(640, 210), QPointF(200, 210)}),
        verticalGradient(118, 210, QColor(214, 216, 226), QColor(160, 170, 190)));
    hills(p, 212, 10, 0.3, QColor(110, 160, 80));
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 6; ++k) {
            const double x = 470 + k * 16;
            p.setBrush(QColor(240, 226, 196));
            p.drawRect(QRectF(x, 190 - (k % 2) * 3, 14, 12));
            p.setBrush(QColor(196, 92, 60));
            p.drawPath(
                polygonPath({QPointF(x - 1, 190 - (k % 2) * 3), QPointF(x + 7, 184 - (k % 2) * 3),
                             QPointF(x + 15, 190 - (k % 2) * 3)}));
        }
        p.setBrush(QColor(240, 226, 196));
        p.drawRect(QRectF(520, 162, 10, 30));
        p.setBrush(QColor(196, 92, 60));
        p.drawPath(polygonPath({QPointF(518, 164), QPointF(525, 152), QPointF(532, 164)}));
    }
    // Red soil and rows of vines running towards the hills.
    fillGround(p, 214, QColor(196, 150, 100), QColor(170, 110, 70));
    const QPointF vanish(320, 206);
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    Rng rng(27);
    for (int step = 0; step <= 60; ++step) {
        const double t = std::pow(step / 60.0, 1.7);
        const double y = vanish.y() + 10 + (kHeight - vanish.y()) * t;
        const double r = 2 + 22 * t;
        for (int row = -9; row <= 9; ++row) {
            const double x = vanish.x() + row * (12 + 150 * t);
            if (x < -30 || x > kWidth + 30) continue;
            QRadialGradient g(QPointF(x - r * 0.3, y - r * 1.2), r * 1.6);
            g.setColorAt(0, QColor(120, 190, 70));
            g.setColorAt(1, QColor(50, 120, 40));
            p.setBrush(g);
            p.drawEllipse(QPointF(x, y - r * 0.7), r, r * 0.8);
            if (t > 0.2 && rng.below(3) == 0) {
                p.setBrush(QColor(90, 40, 110));
                p.drawEllipse(QPointF(x + rng.uniform(-r, r) * 0.5, y - r * 0.2), r * 0.22,
                              r * 0.3);
            }
        }
    }
    // A bunch of grapes with a leaf hanging into the picture from the top right.
    p.setPen(roundPen(QColor(110, 80, 50), 5));
    p.drawLine(QPointF(660, 20), QPointF(560, 40));
    p.setPen(Qt::NoPen);
    QPainterPath leaf;
    leaf.moveTo(560, 40);
    leaf.cubicTo(500, 10, 470, 60, 500, 80);
    leaf.cubicTo(470, 110, 530, 130, 560, 100);
    leaf.cubicTo(590, 130, 630, 90, 600, 70);
    leaf.cubicTo(620, 40, 590, 20, 560, 40);
    p.fillPath(leaf, QColor(70, 150, 60));
    for (int row = 0; row < 6; ++row)
        for (int k = 0; k < 5 - row * 0.7; ++k) {
            const QPointF c(586 - (5 - row) * 6 + k * 13, 60 + row * 13);
            QRadialGradient g(c - QPointF(3, 3), 10);
            g.setColorAt(0, QColor(180, 120, 200));
            g.setColorAt(1, QColor(80, 30, 100));
            p.setBrush(g);
            p.drawEllipse(c, 7.5, 7.5);
        }
}

} // namespace picgen
