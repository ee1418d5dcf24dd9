// Paris landmarks.

#include "Draw.h"
#include "Landmarks.h"
#include "Scenes.h"

#include <QRadialGradient>
#include <cmath>

namespace picgen {

namespace {

// A long boat with a glass cabin, as on the Seine.
void riverBoat(QPainter& p, QPointF bowBottom, double length) {
    PainterScope scope(p);
    const double x = bowBottom.x();
    const double y = bowBottom.y();
    const double h = length * 0.12;
    p.fillPath(polygonPath({QPointF(x, y), QPointF(x - length, y),
                            QPointF(x - length * 1.04, y - h), QPointF(x + length * 0.05, y - h)}),
               QColor(245, 245, 240));
    p.fillRect(QRectF(x - length, y - h * 0.35, length * 1.02, h * 0.18), QColor(30, 60, 120));
    const QRectF cabin(x - length * 0.9, y - h * 2.0, length * 0.8, h);
    p.fillRect(cabin, verticalGradient(cabin.top(), cabin.bottom(), QColor(180, 215, 235),
                                       QColor(110, 150, 180)));
    p.setPen(QPen(QColor(240, 240, 240), std::max(0.8, length * 0.01)));
    for (double cx = cabin.left(); cx <= cabin.right(); cx += length * 0.08)
        p.drawLine(QPointF(cx, cabin.top()), QPointF(cx, cabin.bottom()));
}

// An avenue running straight to the vanishing point, with trees on both sides.
void avenue(QPainter& p, QPointF vanish, double halfWidthFar, double top) {
    PainterScope scope(p);
    p.fillPath(polygonPath({QPointF(vanish.x() - halfWidthFar, top),
                            QPointF(vanish.x() + halfWidthFar, top), QPointF(kWidth + 60, kHeight),
                            QPointF(-60, kHeight)}),
               verticalGradient(top, kHeight, QColor(150, 150, 152), QColor(95, 95, 100)));
    p.setPen(QPen(QColor(250, 250, 250, 200), 2));
    for (double t = 0.05; t < 1.0; t += 0.12) {
        const double y0 = top + (kHeight - top) * t;
        const double y1 = top + (kHeight - top) * (t + 0.05);
        p.drawLine(QPointF(vanish.x(), y0), QPointF(vanish.x(), y1));
    }
}

} // namespace

void sceneArcDeTriomphe(QPainter& p) {
    daySky(p, 345);
    cloud(p, {110, 80}, 34);
    cloud(p, {535, 58}, 26);
    parisRooftops(p, 348, 70, 11, QColor(150, 160, 188));
    fillGround(p, 345, QColor(176, 174, 168), QColor(140, 138, 132));
    avenue(p, {320, 345}, 110, 352);
    arcDeTriomphe(p, {320, 352}, 250, QColor(226, 210, 172));
    for (int i = 0; i < 5; ++i) {
        const double t = i / 4.0;
        const double h = 40 + 120 * t;
        const double y = 360 + 100 * t;
        roundTree(p, {150 - 160 * t, y}, h, QColor(70, 140, 60));
        roundTree(p, {490 + 160 * t, y}, h, QColor(70, 140, 60));
    }
}

void sceneEiffelAndNotreDame(QPainter& p) {
    daySky(p, 300);
    cloud(p, {300, 70}, 30);
    cloud(p, {70, 150}, 20);
    parisRooftops(p, 305, 45, 21, QColor(160, 170, 196));
    eiffelTower(p, {150, 305}, 270, QColor(128, 96, 82));
    sea(p, 312, kHeight, QColor(90, 140, 150), QColor(40, 90, 110), 4);
    // The island: a stone quay with trees at its tip and the cathedral on it.
    p.fillRect(QRectF(330, 292, 320, 34),
               verticalGradient(292, 326, QColor(196, 184, 160), QColor(150, 140, 120)));
    bush(p, {345, 285}, 26, QColor(70, 140, 60));
    roundTree(p, {372, 298}, 70, QColor(80, 150, 60));
    notreDame(p, {500, 300}, 180);
    riverBoat(p, {270, 372}, 170);
}

void scenePantheon(QPainter& p) {
    daySky(p, 360);
    cloud(p, {520, 70}, 30);
    cloud(p, {90, 110}, 22);
    const QColor stone(232, 220, 194);
    // Neighbouring houses.
    parisRooftops(p, 372, 110, 31, QColor(226, 214, 190));
    fillGround(p, 372, QColor(190, 184, 172), QColor(150, 146, 138));
    // Body of the church.
    p.fillRect(QRectF(120, 225, 400, 150),
               verticalGradient(225, 375, stone.lighter(104), stone.darker(110)));
    // Drum with its ring of columns, dome and lantern.
    p.fillRect(QRectF(232, 150, 176, 78), verticalGradient(150, 228, stone, stone.darker(108)));
    colonnade(p, 232, 408, 160, 226, 12, stone.lighter(104));
    p.fillRect(QRectF(226, 146, 188, 12), stone.darker(104));
    p.fillRect(QRectF(246, 128, 148, 20), stone);
    dome(p, {320, 130}, 150, 80, QColor(196, 200, 200), true);
    // Portico: steps, columns, entablature and pediment.
    p.fillRect(QRectF(160, 362, 320, 8), stone.lighter(108));
    p.fillRect(QRectF(150, 370, 340, 8), stone.lighter(104));
    p.fillRect(QRectF(168, 250, 304, 112), stone.darker(125));
    colonnade(p, 168, 472, 252, 362, 6, stone.lighter(106));
    p.fillRect(QRectF(160, 232, 320, 22), verticalGradient(232, 254, stone, stone.darker(112)));
    pediment(p, 156, 484, 233, 56, stone);
}

void sceneMoulinRouge(QPainter& p) {
    nightSky(p, 360, 8);
    // Neighbouring houses with lit windows.
    parisRooftops(p, 370, 190, 41, QColor(58, 44, 80));
    fillGround(p, 365, QColor(60, 44, 66), QColor(30, 24, 40));
    PainterScope scope(p);
    // Red glow behind the mill.
    QRadialGradient glow(QPointF(230, 170), 220);
    glow.setColorAt(0, QColor(255, 80, 80, 120));
    glow.setColorAt(1, QColor(255, 80, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(230, 170), 220, 220);
    // The cabaret front with lights.
    const QColor red(200, 28, 40);
    p.fillRect(QRectF(110, 236, 440, 132), verticalGradient(236, 368, red, red.darker(150)));
    p.fillRect(QRectF(300, 270, 200, 34), red.darker(140));
    p.setBrush(QColor(255, 224, 110));
    for (double x = 304; x <= 496; x += 8) {
        p.drawEllipse(QPointF(x, 272), 1.8, 1.8);
        p.drawEllipse(QPointF(x, 302), 1.8, 1.8);
    }
    for (double x = 114; x <= 546; x += 10)
        p.drawEllipse(QPointF(x, 240), 2.2, 2.2);
    p.fillPath(archPath(QRectF(360, 318, 80, 52)), QColor(255, 200, 120));
    windowRow(p, 120, 290, 312, QSizeF(26, 36), 4, red.darker(160), QColor(255, 190, 110), true);
    // The windmill: tower, cap and four sails.
    const QPointF hub(230, 132);
    p.fillPath(
        polygonPath({QPointF(180, 238), QPointF(198, 128), QPointF(262, 128), QPointF(280, 238)}),
        cylinderGradient(180, 280, red));
    p.fillPath(polygonPath({QPointF(190, 130), QPointF(230, 92), QPointF(270, 130)}),
               cylinderGradient(190, 270, red.darker(150)));
    p.fillPath(archPath(QRectF(218, 180, 24, 34)), QColor(255, 210, 120));
    constexpr double kPi = 3.14159265358979;
    for (int k = 0; k < 4; ++k) {
        const double a = kPi / 4 + k * kPi / 2 + 0.18;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        const QPointF a0 = hub + dir * 18;
        const QPointF a1 = hub + dir * 118;
        const QPainterPath sail = polygonPath({a0, a1, a1 + side * 24, a0 + side * 24});
        p.fillPath(sail, QColor(120, 30, 40, 150));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(250, 230, 200), 1.4));
        for (int j = 0; j <= 5; ++j) {
            const QPointF q = a0 + (a1 - a0) * (j / 5.0);
            p.drawLine(q, q + side * 24);
        }
        p.drawLine(a0 + side * 12, a1 + side * 12);
        p.setPen(roundPen(QColor(90, 20, 30), 4));
        p.drawLine(hub, a1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 120));
        for (int j = 0; j <= 8; ++j)
            p.drawEllipse(a0 + (a1 - a0) * (j / 8.0) + side * 24, 2, 2);
    }
    p.setBrush(QColor(60, 20, 24));
    p.drawEllipse(hub, 8, 8);
    // Reflections of the lights on the wet street.
    for (double x = 130; x < 540; x += 30)
        p.fillRect(QRectF(x, 372, 4, 30), QColor(255, 120, 100, 70));
}

void sceneChampDeMars(QPainter& p) {
    daySky(p, 305);
    cloud(p, {120, 90}, 30);
    cloud(p, {520, 130}, 24);
    // Far trees and the tower.
    for (double x = -10; x < kWidth + 10; x += 22)
        bush(p, {x, 298}, 16, QColor(60, 120, 60));
    eiffelTower(p, {320, 308}, 292, QColor(120, 84, 66));
    // Gravel and the two long lawns.
    fillGround(p, 305, QColor(222, 204, 160), QColor(204, 182, 136));
    const QLinearGradient lawn =
        verticalGradient(305, kHeight, QColor(120, 180, 80), QColor(70, 150, 50));
    p.fillPath(polygonPath({QPointF(296, 308), QPointF(240, 308), QPointF(-170, kHeight),
                            QPointF(190, kHeight)}),
               lawn);
    p.fillPath(polygonPath({QPointF(344, 308), QPointF(400, 308), QPointF(810, kHeight),
                            QPointF(450, kHeight)}),
               lawn);
    flowers(p, QRectF(40, 400, 120, 60), 30, 3);
    flowers(p, QRectF(480, 400, 120, 60), 30, 5);
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        const double h = 30 + 170 * t * t;
        const double y = 310 + 150 * t * t;
        roundTree(p, {215 - 300 * t * t, y}, h, QColor(60, 140, 60));
        roundTree(p, {425 + 300 * t * t, y}, h, QColor(60, 140, 60));
    }
}

void sceneParisSkyline(QPainter& p) {
    eveningSky(p, 305);
    sun(p, {560, 250}, 22);
    cloud(p, {150, 70}, 24);
    parisRooftops(p, 308, 46, 51, QColor(120, 110, 150));
    eiffelTower(p, {140, 308}, 285, QColor(96, 62, 62));
    // Les Invalides: a long front, a drum with columns and the golden dome with its spire.
    const QColor stone(226, 210, 182);
    p.fillRect(QRectF(280, 252, 160, 56), verticalGradient(252, 308, stone, stone.darker(115)));
    windowRow(p, 280, 440, 272, QSizeF(8, 16), 9, stone.darker(130), QColor(110, 100, 120), true);
    pediment(p, 330, 390, 254, 18, stone);
    p.fillRect(QRectF(322, 205, 76, 48), verticalGradient(205, 253, stone, stone.darker(110)));
    colonnade(p, 322, 398, 210, 252, 8, stone.lighter(104));
    p.fillRect(QRectF(318, 200, 84, 8), stone.darker(106));
    dome(p, {360, 202}, 80, 66, QColor(214, 168, 56), false);
    {
        PainterScope scope(p);
        p.fillRect(QRectF(354, 118, 12, 20), QColor(214, 168, 56));
        p.fillPath(polygonPath({QPointF(353, 120), QPointF(360, 84), QPointF(367, 120)}),
                   QColor(200, 150, 50));
    }
    arcDeTriomphe(p, {545, 308}, 104, QColor(222, 198, 168));
    // The Seine with the evening light in it.
    p.fillRect(QRectF(0, 306, kWidth, 14),
               verticalGradient(306, 320, QColor(150, 130, 130), QColor(110, 96, 100)));
    sea(p, 320, kHeight, QColor(226, 160, 140), QColor(70, 84, 140), 15);
    riverBoat(p, {420, 380}, 150);
}

} // namespace picgen
